# Stops the build when the game's icon, made by the build itself, is not a PNG file.
#   cmake -DICON=<file> -DNAME=<game> -P check_icon.cmake
file(READ "${ICON}" magic LIMIT 8 HEX)
if(NOT magic STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "brambleleap_add_game(${NAME}): ICON ${ICON} is not a PNG file")
endif()
