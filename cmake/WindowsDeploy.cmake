# What korvane.exe needs beside it on Windows, installed with it (the portable zip and the installer take
# the installed folder): Qt's libraries, its Windows platform plugin and native style, the MinGW runtime Qt was
# built against, and Qt's Russian texts for the dialogs' own buttons.
install(FILES ${PROJECT_SOURCE_DIR}/data/README-windows.txt DESTINATION . RENAME README.txt)
if(NOT KORVANE_GUI)
    return()
endif()
get_filename_component(korvane_qt "${Qt6_DIR}/../../.." ABSOLUTE)
install(FILES ${korvane_qt}/bin/Qt6Core.dll ${korvane_qt}/bin/Qt6Gui.dll ${korvane_qt}/bin/Qt6Widgets.dll
    DESTINATION .)
install(FILES ${korvane_qt}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${korvane_qt}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)

# The compiler's own copies carry their debugging information, ten times their size: ship them stripped.
set(korvane_runtime "")
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE found
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}")
        message(FATAL_ERROR "The MinGW runtime ${dll} is not where the compiler looks")
    endif()
    set(stripped ${PROJECT_BINARY_DIR}/runtime/${dll})
    add_custom_command(OUTPUT ${stripped} COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/runtime
        COMMAND ${CMAKE_STRIP} -o ${stripped} ${found} DEPENDS ${found} VERBATIM)
    list(APPEND korvane_runtime ${stripped})
endforeach()
add_custom_target(korvane_runtime ALL DEPENDS ${korvane_runtime})
install(FILES ${korvane_runtime} DESTINATION .)

find_file(KORVANE_QTBASE_RU qtbase_ru.qm PATHS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
if(NOT KORVANE_QTBASE_RU)
    message(FATAL_ERROR "qtbase_ru.qm is missing: install Debian's qt6-translations-l10n")
endif()
install(FILES ${KORVANE_QTBASE_RU} DESTINATION translations)
# The same beside the programs in the build tree, where the window tests and a korvane.exe run under Wine.
file(COPY ${KORVANE_QTBASE_RU} DESTINATION ${PROJECT_BINARY_DIR}/src/translations)
file(COPY ${KORVANE_QTBASE_RU} DESTINATION ${PROJECT_BINARY_DIR}/tests/translations)
