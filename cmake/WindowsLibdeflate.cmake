# libdeflate for Windows, compiled from its source package (Debian's, unpacked by scripts/test-windows) with
# the same compiler as the program: KORVANE_LIBDEFLATE_SOURCE names the unpacked folder.
set(KORVANE_LIBDEFLATE_SOURCE "" CACHE PATH "Unpacked libdeflate source, for the Windows build")
if(NOT EXISTS "${KORVANE_LIBDEFLATE_SOURCE}/libdeflate.h")
    message(FATAL_ERROR "KORVANE_LIBDEFLATE_SOURCE must name an unpacked libdeflate source (scripts/test-windows)")
endif()
enable_language(C)
file(GLOB deflate_sources "${KORVANE_LIBDEFLATE_SOURCE}/lib/*.c" "${KORVANE_LIBDEFLATE_SOURCE}/lib/x86/*.c")
add_library(korvane_libdeflate STATIC ${deflate_sources})
# Its own code, built as its makefile builds it rather than with this program's warnings.
set_target_properties(korvane_libdeflate PROPERTIES COMPILE_OPTIONS "-O2")
target_include_directories(korvane_libdeflate SYSTEM PUBLIC ${KORVANE_LIBDEFLATE_SOURCE})
