# Cross-compiles the 64-bit Windows command line on Debian with MinGW-w64 (the posix-thread compilers, which
# have std::thread and std::mutex). Use with a build folder of its own: cmake -B build-windows
# -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The compilers and search roots are the ones Qt for Windows is rebuilt with, so that both share one ABI.
include(${CMAKE_CURRENT_LIST_DIR}/../scripts/qt-mingw/mingw-w64-x86_64.cmake)
# The windows need Qt built for Windows: -DKORVANE_WINDOWS_QT=<its unpacked folder>, with -DQT_HOST_PATH=/usr for
# Debian's moc, rcc and uic.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KORVANE_WINDOWS_QT)
if(KORVANE_WINDOWS_QT)
    list(PREPEND CMAKE_FIND_ROOT_PATH ${KORVANE_WINDOWS_QT})
    list(PREPEND CMAKE_PREFIX_PATH ${KORVANE_WINDOWS_QT}/lib/cmake)
endif()
# Test programs run under Wine when CTest runs them.
find_program(KORVANE_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KORVANE_WINE})
