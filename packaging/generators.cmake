# Read by cpack once per generator of the Linux build.
if(CPACK_GENERATOR STREQUAL "RPM")
  set(CPACK_STRIP_FILES "${CPACK_BRAMBLELEAP_RPM_STRIP_FILES}")
endif()
