# cpack -G DEB in the build folder: velmora_<version>_<arch>.deb installed under /usr, its dependencies from
# dpkg-shlibdeps (program and plugin alike).
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Builds an autorun HTML menu for a CD")
set(CPACK_PACKAGE_DESCRIPTION "Velmora Wizard builds an autorun HTML menu for a CD, a DVD or any other medium from
the files gathered in one folder: a wizard window and a command line for scripting the same work.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://velmora.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Velmora developers <dev@velmora.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# xorriso makes the disc images (velmora iso, Make Disc Image).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xorriso")
include(CPack)
