# The desktop entry, the MIME type of sequence files and the icons, generated from the same
# templates the program uses when it registers the file type for one user.
set(VIREO_MIME_TYPE application/x-vireo-sequence)
set(VIREO_MIME_ICON application-x-vireo-sequence)
# The kind of file the desktop shows, as the program names it when it registers itself.
set(VIREO_FILE_TYPE_NAME "Vireo ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")

# Fill the templates' @NAME@ fields (the same names the program replaces at run time).
set(MIME_TYPE ${VIREO_MIME_TYPE})
set(ICON_NAME ${VIREO_MIME_ICON})
set(DESCRIPTION ${VIREO_FILE_TYPE_NAME})
set(EXTENSION kvs)
set(NAME ${VIREO_FILE_TYPE_NAME})
set(EXEC vireo)
set(VIREO_DESKTOP_FILES ${CMAKE_BINARY_DIR}/desktop-files)
configure_file(${CMAKE_SOURCE_DIR}/resources/desktop/vireo.desktop.in
               ${VIREO_DESKTOP_FILES}/vireo.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/resources/desktop/vireo-mime.xml.in
               ${VIREO_DESKTOP_FILES}/vireo.xml @ONLY)
unset(MIME_TYPE)
unset(ICON_NAME)
unset(DESCRIPTION)
unset(EXTENSION)
unset(NAME)
unset(EXEC)

if(TARGET vireo)
    install(FILES ${VIREO_DESKTOP_FILES}/vireo.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endif()
install(FILES ${VIREO_DESKTOP_FILES}/vireo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# resources/icons/<stem>-<size>.png and <stem>.svg into the hicolor theme as <context>/<name>.
set(VIREO_ICON_SIZES 16 32 48 64 128 256)
function(vireo_install_icons stem context name)
    set(icons ${CMAKE_SOURCE_DIR}/resources/icons)
    set(theme ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    foreach(size IN LISTS VIREO_ICON_SIZES)
        install(FILES ${icons}/${stem}-${size}.png DESTINATION ${theme}/${size}x${size}/${context}
                RENAME ${name}.png)
    endforeach()
    install(FILES ${icons}/${stem}.svg DESTINATION ${theme}/scalable/${context} RENAME ${name}.svg)
endfunction()

vireo_install_icons(vireo apps vireo)
vireo_install_icons(document mimetypes ${VIREO_MIME_ICON})
