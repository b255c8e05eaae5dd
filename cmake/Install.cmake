# Where an installed Vireo keeps its files.
#
# Linux and other XDG systems: the programs in bin, the language files and the manual in
# share/vireo (the program finds them as ../share/vireo from its own folder), plus the desktop
# entry, the MIME type of *.kvs files and the icons in the places the desktop looks for them.
# Windows: everything in one folder beside the program, where it looks first.
include(GNUInstallDirs)

set(VIREO_INSTALLED_PROGRAMS vireo-cli vireo-module-sim)
if(TARGET vireo)
    list(PREPEND VIREO_INSTALLED_PROGRAMS vireo)
endif()
install(TARGETS ${VIREO_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(WIN32)
    set(VIREO_INSTALL_DATADIR ${CMAKE_INSTALL_BINDIR})
else()
    set(VIREO_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/vireo)
endif()

file(GLOB VIREO_INSTALLED_LANGUAGE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/lang/*.kvl)
install(FILES ${VIREO_INSTALLED_LANGUAGE_FILES} DESTINATION ${VIREO_INSTALL_DATADIR})
# The example sequences the file menu offers, written by the build (Examples.cmake).
install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/examples DESTINATION ${VIREO_INSTALL_DATADIR}
    FILES_MATCHING PATTERN "*.kvs")
# The manual is optional: a tree without docs/manual installs without it.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/manual DESTINATION ${VIREO_INSTALL_DATADIR} OPTIONAL)

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/InstallWindows.cmake)
else()
    include(${CMAKE_CURRENT_LIST_DIR}/InstallDesktop.cmake)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
