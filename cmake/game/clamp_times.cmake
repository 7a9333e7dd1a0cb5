# Run by cpack once the files are staged (CPACK_PRE_BUILD_SCRIPTS): with SOURCE_DATE_EPOCH
# set, every staged file and folder is dated then, so that the same build makes the same
# archives wherever and whenever it is packed.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} OR NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
  return()
endif()
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
if(staged)
  execute_process(COMMAND touch -h -d @$ENV{SOURCE_DATE_EPOCH} ${staged} "${CPACK_TEMPORARY_DIRECTORY}"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "clamp_times.cmake: cannot date the staged files")
  endif()
endif()
