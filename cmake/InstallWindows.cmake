# Windows: the document icon the file-type registration points to sits beside the program,
# and Qt's deployment copies the Qt libraries and plugins there too when Qt offers it.
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/Daten.ico DESTINATION ${CMAKE_INSTALL_BINDIR})

if(TARGET vireo AND COMMAND qt_generate_deploy_app_script)
    qt_generate_deploy_app_script(TARGET vireo FILENAME_VARIABLE vireo_deploy_script
                                  NO_UNSUPPORTED_PLATFORM_ERROR)
    install(SCRIPT ${vireo_deploy_script})
endif()
