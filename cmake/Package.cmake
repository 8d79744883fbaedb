# cpack -G DEB: a package that installs into /usr, its dependencies read off
# the programs' shared libraries by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME kvint)
set(CPACK_PACKAGE_VENDOR "The kvint developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dice game for two on one score sheet")
set(CPACK_PACKAGE_DESCRIPTION "Two sides fill a score sheet of eleven categories with six dice:
one person against the computer at three strengths, or two people at one
machine. The interface is in Russian and in English, after the desktop's
language or the --lang option.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/kvint/kvint")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The kvint developers <kvint@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads these at run time; no linked library names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6svg6")
include(CPack)
