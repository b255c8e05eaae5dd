# Packages made by CPack from the install rules: a Debian package on Linux (cpack -G DEB),
# a zip of the program folder on Windows.
set(CPACK_PACKAGE_NAME vireo)
set(CPACK_PACKAGE_VENDOR Kelvor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Kelvor <info@kelvor.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.kelvor.example")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for the welcome and goodbye light sequences of a lighting module")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_LIST_DIR}/../packaging/description.txt)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Vireo)
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kelvor <info@kelvor.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; what is loaded at run time
# (the platform plugins) or runs the desktop's database refreshes is named here, and so is the
# GIF library the animation export links (named too, so the dependency never rests on
# dpkg-shlibdeps alone).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgif7 (>= 5.2), qt6-qpa-plugins, shared-mime-info, desktop-file-utils, hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
