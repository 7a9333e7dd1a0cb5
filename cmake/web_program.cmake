# A program's browser build (emscripten): the platform's page made the program's own, its
# data in one compressed pack, and the page's shared files beside it.
#
# web_program(<target>
#   TITLE <text>                  the page's title
#   WIDTH <pixels> HEIGHT <pixels> its picture's size
#   ICON <file>                   the page's icon, beside the page
#   DATA <file>...                the files the program reads, from BRAMBLELEAP_BIN_DIR
#   [CONTROLS <json file>]        its touch controls: [{id, code, keyCode, label, name, small}]
#   [STYLE <css file>]            where those controls sit, and anything else of its look
#   [HEAD <html>]                 more lines for the page's head (its web app manifest...)
#   [WORKER <file name>]          its service worker, beside the page
#   [ENDED <text>] [AGAIN <text>] [STOPPED <text>])   what the page says when it has ended
#
# The page comes out as <target>.html, the pack as <target>.pack, both in
# BRAMBLELEAP_BIN_DIR, with touch_controls.js and touch_controls.css beside them.
set(WEB_PLATFORM_DIR ${CMAKE_CURRENT_LIST_DIR}/../platform/host/web)

function(web_program target)
  cmake_parse_arguments(WEB "" "TITLE;WIDTH;HEIGHT;ICON;CONTROLS;STYLE;HEAD;WORKER;ENDED;AGAIN;STOPPED"
                        "DATA" ${ARGN})
  foreach(needed TITLE WIDTH HEIGHT ICON DATA)
    if(NOT WEB_${needed})
      message(FATAL_ERROR "web_program(${target}): ${needed} is not given")
    endif()
  endforeach()
  set(WEB_PACK ${target}.pack)
  set(depends ${WEB_PLATFORM_DIR}/page.html)
  if(DEFINED WEB_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "web_program(${target}): unknown arguments ${WEB_UNPARSED_ARGUMENTS}")
  endif()
  # The controls and the style are read into the page, so that it needs no files of its own.
  if(WEB_CONTROLS)
    set(controls_file ${WEB_CONTROLS})
    file(READ ${controls_file} WEB_CONTROLS)
    string(STRIP "${WEB_CONTROLS}" WEB_CONTROLS)
    list(APPEND depends ${controls_file})
  else()
    set(WEB_CONTROLS "[]")
  endif()
  if(WEB_STYLE)
    set(style_file ${WEB_STYLE})
    file(READ ${style_file} WEB_STYLE)
    list(APPEND depends ${style_file})
  endif()
  if(WEB_HEAD)
    set(WEB_HEAD "${WEB_HEAD}\n")
  endif()
  if(NOT WEB_ENDED)
    set(WEB_ENDED "The program has ended.")
  endif()
  if(NOT WEB_AGAIN)
    set(WEB_AGAIN "Start again")
  endif()
  if(NOT WEB_STOPPED)
    set(WEB_STOPPED "The program has stopped after an error.")
  endif()
  # The texts go into the page as they are: markup or quotes in them would break it.
  foreach(text TITLE ENDED AGAIN STOPPED)
    if(WEB_${text} MATCHES "[<>&\"']")
      message(FATAL_ERROR "web_program(${target}): ${text} holds one of < > & \" '")
    endif()
  endforeach()
  set(web_files data_pack.js web_rest.js touch_controls.js touch_controls.css)
  set(page ${CMAKE_CURRENT_BINARY_DIR}/${target}_page.html)
  configure_file(${WEB_PLATFORM_DIR}/page.html ${page} @ONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${depends})

  # Relinked when any of the page's files changes, so that the copies below are fresh.
  list(TRANSFORM web_files PREPEND ${WEB_PLATFORM_DIR}/)
  set_target_properties(${target} PROPERTIES SUFFIX ".html" LINK_DEPENDS "${page};${web_files}")
  # ASYNCIFY lets the program's blocking loop run unchanged, resting in the clock's waits.
  target_link_options(${target} PRIVATE
    -O2 -sASYNCIFY -sASYNCIFY_STACK_SIZE=16384 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1
    -sENVIRONMENT=web -sMINIFY_HTML=0 -sFORCE_FILESYSTEM=1 --shell-file ${page}
    --pre-js ${WEB_PLATFORM_DIR}/data_pack.js --js-library ${WEB_PLATFORM_DIR}/web_rest.js
    "SHELL:-sASYNCIFY_IMPORTS=['web_rest_until']")

  # The pack: a tar archive compressed with gzip, its files in the order given, dated alike
  # and with no time in gzip's header, so that the same files make the same pack.
  find_program(GZIP gzip REQUIRED)
  set(pack ${BRAMBLELEAP_BIN_DIR}/${WEB_PACK})
  set(archive ${CMAKE_CURRENT_BINARY_DIR}/${target}_data.tar)
  list(TRANSFORM WEB_DATA PREPEND ${BRAMBLELEAP_BIN_DIR}/ OUTPUT_VARIABLE data_paths)
  add_custom_command(OUTPUT ${pack}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${archive} "--mtime=2005-01-01 00:00:00 UTC" ${WEB_DATA}
    COMMAND ${GZIP} -n -9 -f ${archive}
    COMMAND ${CMAKE_COMMAND} -E rename ${archive}.gz ${pack}
    WORKING_DIRECTORY ${BRAMBLELEAP_BIN_DIR}
    DEPENDS ${data_paths}
    COMMENT "Packing the data of ${target}"
    VERBATIM)
  add_custom_target(${target}_pack DEPENDS ${pack})
  if(TARGET artwork)
    add_dependencies(${target}_pack artwork)
  endif()
  add_dependencies(${target} ${target}_pack)
  # A new pack relinks the program too, so that the steps after its link see it.
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${pack})

  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${WEB_PLATFORM_DIR}/touch_controls.js
            ${WEB_PLATFORM_DIR}/touch_controls.css ${BRAMBLELEAP_BIN_DIR}
    VERBATIM)
endfunction()
