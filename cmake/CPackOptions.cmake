# Read by cpack for each generator: the Windows installer is named as its users look for it.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME korvane-${CPACK_PACKAGE_VERSION}-setup)
endif()
