# Cross-compiles the 64-bit Windows command line on Debian with MinGW-w64 (the posix-thread compilers, which
# have std::thread and std::mutex). Use with a build folder of its own: cmake -B build-windows
# -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(KORVANE_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KORVANE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVANE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KORVANE_MINGW}-windres)
set(CMAKE_AR /usr/bin/${KORVANE_MINGW}-ar CACHE FILEPATH "ar")
set(CMAKE_RANLIB /usr/bin/${KORVANE_MINGW}-ranlib CACHE FILEPATH "ranlib")
set(CMAKE_FIND_ROOT_PATH /usr/${KORVANE_MINGW})
# The windows need Qt built for Windows: -DKORVANE_WINDOWS_QT=<its unpacked folder>, with -DQT_HOST_PATH=/usr for
# Debian's moc, rcc and uic.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KORVANE_WINDOWS_QT)
if(KORVANE_WINDOWS_QT)
    list(PREPEND CMAKE_FIND_ROOT_PATH ${KORVANE_WINDOWS_QT})
    list(PREPEND CMAKE_PREFIX_PATH ${KORVANE_WINDOWS_QT}/lib/cmake)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Test programs run under Wine when CTest runs them.
find_program(KORVANE_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KORVANE_WINE})
