# "cpack -G DEB" in the build folder makes a Debian package of the installed files.
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VENDOR "Korvane")
set(CPACK_PACKAGE_CONTACT "Korvane <korvane.bugs@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Packs a Serious Sam map and the files it needs into a .gro archive")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The program ships without its debugging information, which is most of its size.
set(CPACK_STRIP_FILES ON)
# The libraries come from the binary's own links; the toolkit's Russian texts are what its dialogs show.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "shared-mime-info")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, desktop-file-utils")
# "cpack -G ZIP" in the Windows build folder makes korvane-<version>-windows-x64.zip.
if(WIN32)
    set(CPACK_PACKAGE_FILE_NAME korvane-${PROJECT_VERSION}-windows-x64)
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    set(CPACK_PACKAGING_INSTALL_PREFIX "")
endif()
# Packaging takes the program as built; it does not build the tests and benchmarks first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
