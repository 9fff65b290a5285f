# cpack -G DEB in the build folder: velmora_<version>_<arch>.deb installed under /usr, its dependencies from
# dpkg-shlibdeps (program and plugin alike). The maintainer and web page are set in dist/CMakeLists.txt.
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Builds an autorun HTML menu for a CD")
# Debian shows the description as it is: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Velmora Wizard builds an autorun HTML menu for a CD, a DVD or any other
medium from the files gathered in one folder: a wizard window, and a command
line for scripting the same work.")
if(VELMORA_HOMEPAGE_URL)
    set(CPACK_PACKAGE_HOMEPAGE_URL "${VELMORA_HOMEPAGE_URL}")
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELMORA_MAINTAINER_NAME} <${VELMORA_MAINTAINER_EMAIL}>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# xorriso makes the disc images (velmora iso, Make Disc Image).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xorriso")
include(CPack)
