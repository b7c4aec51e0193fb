# cmake --install into a scratch prefix lays out what the desktop looks for.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" RESULT_VARIABLE result
                OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
    bin/korvane
    ${LIBDIR}/korvane/korvane-windows.so
    share/applications/korvane.desktop
    share/mime/packages/korvane.xml
    share/metainfo/org.korvane.korvane.metainfo.xml
    share/doc/korvane/copyright
    share/doc/korvane/changelog.gz
    share/icons/hicolor/scalable/apps/korvane.svg)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/korvane.png)
endforeach()
foreach(path IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
file(READ "${PREFIX}/share/applications/korvane.desktop" entry)
file(READ "${PREFIX}/share/mime/packages/korvane.xml" mime)
string(REGEX MATCH "MimeType=([^;\n]+)" found "${entry}")
if(NOT found OR NOT mime MATCHES "type=\"${CMAKE_MATCH_1}\"" OR NOT entry MATCHES "Exec=korvane %f")
    message(FATAL_ERROR "the menu entry does not open the .gro type its MIME file defines")
endif()
execute_process(COMMAND "${PREFIX}/bin/korvane" --version RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the installed korvane does not run")
endif()
file(REMOVE_RECURSE "${PREFIX}")
