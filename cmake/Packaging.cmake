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
# "cpack -G NSIS" there makes the installer, korvane-<version>-setup.exe: both programs into Program Files,
# a Start-menu entry, the .gro file type, and an uninstaller that takes all of it away again.
if(WIN32)
    set(CPACK_PACKAGE_FILE_NAME korvane-${PROJECT_VERSION}-windows-x64)
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    set(CPACK_PACKAGING_INSTALL_PREFIX "")
    set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/CPackOptions.cmake)
    set(CPACK_PACKAGE_INSTALL_DIRECTORY Korvane)
    set(CPACK_NSIS_PACKAGE_NAME Korvane)
    # A 64-bit installer for a 64-bit program: it then writes the 64-bit registry and Program Files.
    set(CPACK_NSIS_DEFINES "Target amd64-unicode")
    set(CPACK_NSIS_DISPLAY_NAME "Korvane ${PROJECT_VERSION}")
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/data/windows/korvane.ico)
    set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/data/windows/korvane.ico)
    set(CPACK_NSIS_INSTALLED_ICON_NAME korvane.exe)
    set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/data/doc/copyright)
    set(CPACK_PACKAGE_EXECUTABLES korvane Korvane)
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
    set(file_type "!include '${PROJECT_SOURCE_DIR}/data/windows/FileType.nsh'")
    set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "${file_type}\n!insertmacro KorvaneRegisterFileType")
    set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "${file_type}\n!insertmacro KorvaneUnregisterFileType")
endif()
# Packaging takes the program as built; it does not build the tests and benchmarks first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
