# Read by cpack once per generator of the Windows build: each download's file name and layout.
if(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_PACKAGE_FILE_NAME brambleleap-windows)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
elseif(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME brambleleap-${CPACK_PACKAGE_VERSION}-windows-x64-setup)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
