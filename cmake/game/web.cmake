# The browser branch of brambleleap_add_game (emscripten): the program as a page of its own,
# <NAME>.html with its .js, .wasm and .pack (the data) in the program's output folder, and the
# page's touch controls beside it. A game also gets its web app manifest, its service worker
# (offline play), its icons, the page again as index.html, and <NAME>-web.zip of all of them
# in its project's build folder, ready to unpack into any folder of a static web server.
include_guard(GLOBAL)

# The page's own files (the page, its data unpacker, the touch controls, the program's rest):
# the platform's in a checkout, installed beside this file in the engine's package.
get_filename_component(_brambleleap_web_files ${CMAKE_CURRENT_LIST_DIR}/../../platform/host/web
                       ABSOLUTE)
if(NOT EXISTS ${_brambleleap_web_files}/page.html)
  set(_brambleleap_web_files ${CMAKE_CURRENT_LIST_DIR}/web)
endif()
set(BRAMBLELEAP_GAME_WEB_FILES ${_brambleleap_web_files} CACHE INTERNAL "The page's own files")

# Sets OUT to the keyCode that older pages read for the key CODE (a KeyboardEvent.code), or
# to nothing for a key the touch controls do not send.
function(_brambleleap_web_key_code code out)
  set(${out} "" PARENT_SCOPE)
  set(named Backspace=8 Tab=9 Enter=13 ShiftLeft=16 ShiftRight=16 ControlLeft=17 ControlRight=17
      AltLeft=18 AltRight=18 Pause=19 Escape=27 Space=32 PageUp=33 PageDown=34 End=35 Home=36
      ArrowLeft=37 ArrowUp=38 ArrowRight=39 ArrowDown=40 Insert=45 Delete=46)
  if(code MATCHES "^Key([A-Z])$")
    string(HEX "${CMAKE_MATCH_1}" hex)
    math(EXPR number "0x${hex}")
  elseif(code MATCHES "^Digit([0-9])$")
    math(EXPR number "48 + ${CMAKE_MATCH_1}")
  elseif(code MATCHES "^F([1-9]|1[0-2])$")
    math(EXPR number "111 + ${CMAKE_MATCH_1}")
  else()
    list(FILTER named INCLUDE REGEX "^${code}=")
    if(NOT named)
      return()
    endif()
    string(REGEX REPLACE "^.*=" "" number "${named}")
  endif()
  set(${out} ${number} PARENT_SCOPE)
endfunction()

# TEXT as a JSON string's inside; < and > escaped too, since the page reads it in a script.
function(_brambleleap_json text out)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "<" "\\u003c" text "${text}")
  string(REPLACE ">" "\\u003e" text "${text}")
  string(REPLACE "\n" "\\n" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The touch controls of CONTROLS as the page's JSON in WEB_CONTROLS, and in WEB_STYLE where
# each sits: the first half along the bottom from the left edge, the rest from the right one.
# A single CONTROLS that names a .json file is the game's own list, used as it is.
function(_brambleleap_web_controls)
  set(WEB_CONTROLS "[]" PARENT_SCOPE)
  set(WEB_STYLE "" PARENT_SCOPE)
  if(GAME_CONTROLS MATCHES "^[^;=]*\\.json$")
    _brambleleap_game_path("${GAME_CONTROLS}" file)
    if(NOT EXISTS "${file}")
      message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): CONTROLS ${GAME_CONTROLS} does not exist")
    endif()
    file(READ "${file}" json)
    string(STRIP "${json}" json)
    set(WEB_CONTROLS "${json}" PARENT_SCOPE)
    return()
  endif()
  list(LENGTH GAME_CONTROLS count)
  math(EXPR left "(${count} + 1) / 2")
  set(entries "")
  set(style "")
  set(ids "")
  set(index 0)
  foreach(control IN LISTS GAME_CONTROLS)
    if(NOT control MATCHES "^([^=]+)=([A-Za-z0-9]+)$")
      message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): CONTROLS ${control} is not <label>=<key>")
    endif()
    set(label "${CMAKE_MATCH_1}")
    set(code "${CMAKE_MATCH_2}")
    _brambleleap_web_key_code(${code} key_code)
    if(NOT key_code)
      message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): CONTROLS ${control}: ${code} is not "
                          "a key the controls can send (a KeyboardEvent.code such as ArrowLeft, Space, KeyZ)")
    endif()
    string(TOLOWER "${label}" id)
    string(REGEX REPLACE "[^a-z0-9]+" "-" id "${id}")
    string(REGEX REPLACE "^-|-$" "" id "${id}")
    # A label of other letters, or one given twice, is told apart by its place.
    if(id STREQUAL "" OR id IN_LIST ids)
      set(id "${id}${index}")
    endif()
    list(APPEND ids "${id}")
    _brambleleap_json("${label}" label)
    list(APPEND entries "  {\"id\": \"${id}\", \"code\": \"${code}\", \"keyCode\": ${key_code}, \"label\": \"${label}\"}")
    if(index LESS left)
      math(EXPR offset "14 + 90 * ${index}")
      string(APPEND style "  #touch-${id} { left: ${offset}px; bottom: 22px; }\n")
    else()
      math(EXPR offset "14 + 90 * (${count} - 1 - ${index})")
      string(APPEND style "  #touch-${id} { right: ${offset}px; bottom: 22px; }\n")
    endif()
    math(EXPR index "${index} + 1")
  endforeach()
  if(entries)
    list(JOIN entries ",\n" entries)
    set(WEB_CONTROLS "[\n${entries}\n]" PARENT_SCOPE)
  endif()
  set(WEB_STYLE "${style}" PARENT_SCOPE)
endfunction()

# The page's texts: its title, and what it says when the program has ended, as PAGE_TEXTS
# gives them (ENDED=, AGAIN=, STOPPED=) or a game's by default.
macro(_brambleleap_web_texts)
  set(WEB_ENDED "The game has ended.")
  set(WEB_AGAIN "Play again")
  set(WEB_STOPPED "The game has stopped after an error.")
  foreach(text IN LISTS GAME_PAGE_TEXTS)
    if(NOT text MATCHES "^(ENDED|AGAIN|STOPPED)=(.+)$")
      message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): PAGE_TEXTS ${text} is not ENDED=, AGAIN= or STOPPED=<text>")
    endif()
    set(WEB_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
  endforeach()
  # The texts go into the page's markup and one into a script's string: escaped for both.
  foreach(text TITLE ENDED AGAIN STOPPED)
    if(text STREQUAL "TITLE")
      set(value "${GAME_TITLE}")
    else()
      set(value "${WEB_${text}}")
    endif()
    _brambleleap_markup("${value}" value)
    string(REPLACE "\"" "&quot;" value "${value}")
    string(REPLACE "'" "&#39;" value "${value}")
    string(REPLACE "\\" "&#92;" value "${value}")
    set(WEB_${text} "${value}")
  endforeach()
endmacro()

# The program linked as the page BIN/<NAME>.html, its data packed beside it.
function(_brambleleap_game_web)
  set(stage ${CMAKE_CURRENT_BINARY_DIR}/${GAME_NAME}_web)
  set(bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  if(NOT bin)
    set(bin ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  set(files ${BRAMBLELEAP_GAME_WEB_FILES})
  list(GET GAME_SIZE 0 WEB_WIDTH)
  list(GET GAME_SIZE 1 WEB_HEIGHT)
  set(WEB_ICON icon-192.png)
  set(WEB_PACK ${GAME_NAME}.pack)
  set(WEB_HEAD "")
  set(WEB_WORKER "")
  if(NOT GAME_PART_OF)
    set(WEB_HEAD "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n")
    set(WEB_WORKER service_worker.js)
  endif()
  _brambleleap_web_controls()
  if(GAME_WEB_STYLE)
    _brambleleap_game_path("${GAME_WEB_STYLE}" style)
    if(NOT EXISTS "${style}")
      message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): WEB_STYLE ${GAME_WEB_STYLE} does not exist")
    endif()
    file(READ "${style}" WEB_STYLE)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${style})
  endif()
  _brambleleap_web_texts()
  set(page ${stage}/page.html)
  configure_file(${files}/page.html ${page} @ONLY)

  set_target_properties(${GAME_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${bin} SUFFIX ".html")
  set(page_files data_pack.js web_rest.js touch_controls.js touch_controls.css)
  list(TRANSFORM page_files PREPEND ${files}/)
  # Relinked when any of the page's files changes, so that the steps after the link rerun.
  set_property(TARGET ${GAME_NAME} APPEND PROPERTY LINK_DEPENDS ${page} ${page_files})
  # ASYNCIFY lets the program's blocking loop run unchanged, resting in the clock's waits.
  target_link_options(${GAME_NAME} PRIVATE
    -O2 -sASYNCIFY -sASYNCIFY_STACK_SIZE=16384 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1
    -sENVIRONMENT=web -sMINIFY_HTML=0 -sFORCE_FILESYSTEM=1 --shell-file ${page}
    --pre-js ${files}/data_pack.js --js-library ${files}/web_rest.js
    "SHELL:-sASYNCIFY_IMPORTS=['web_rest_until']")
  _brambleleap_web_pack(${bin}/${WEB_PACK})
  add_custom_command(TARGET ${GAME_NAME} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${files}/touch_controls.js
            ${files}/touch_controls.css ${bin}
    VERBATIM)
  if(GAME_PART_OF)
    return()
  endif()
  _brambleleap_web_icons(${bin} icons)
  _brambleleap_web_bundle(${bin} "${icons}")
endfunction()

# The data as one pack: a tar archive compressed with gzip, each file under the name the
# program opens it by (a folder's files under the folder's name), in the order given, the
# files of a folder in name order, dated alike and with no time in gzip's header, so that the
# same files make the same pack. A source of the program, so that whatever the program's
# target waits for (the build of the data) comes first.
function(_brambleleap_web_pack pack)
  set(data_stage ${CMAKE_CURRENT_BINARY_DIR}/${GAME_NAME}_web/data)
  set(archive ${CMAKE_CURRENT_BINARY_DIR}/${GAME_NAME}_web/data.tar)
  set(copies "")
  set(members "")
  set(depends "")
  foreach(data ${GAME_DATA})
    _brambleleap_game_path("${data}" path)
    get_filename_component(name "${path}" NAME)
    if(IS_DIRECTORY "${path}")
      file(GLOB_RECURSE inside LIST_DIRECTORIES false RELATIVE "${path}" CONFIGURE_DEPENDS "${path}/*")
      list(SORT inside)
      list(TRANSFORM inside PREPEND "${name}/")
      list(APPEND members ${inside})
      list(TRANSFORM inside PREPEND "${path}/../" OUTPUT_VARIABLE inside_paths)
      list(APPEND depends ${inside_paths})
      list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy_directory "${path}" "${data_stage}/${name}")
    else()
      list(APPEND members "${name}")
      list(APPEND depends "${path}")
      list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy "${path}" "${data_stage}/${name}")
    endif()
  endforeach()
  # The page unpacks plain names only (data_pack.js): any other would be missing there.
  foreach(member IN LISTS members)
    if(NOT member MATCHES "^([A-Za-z0-9_][A-Za-z0-9_.-]*/)*[A-Za-z0-9_][A-Za-z0-9_.-]*$")
      message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): DATA ${member}: the browser's "
                          "data takes names of letters, digits and _ . - only")
    endif()
  endforeach()
  find_program(BRAMBLELEAP_GZIP gzip REQUIRED)
  add_custom_command(OUTPUT ${pack}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${data_stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${data_stage}
    ${copies}
    COMMAND ${CMAKE_COMMAND} -E chdir ${data_stage}
            ${CMAKE_COMMAND} -E tar cf ${archive} "--mtime=2005-01-01 00:00:00 UTC" ${members}
    COMMAND ${BRAMBLELEAP_GZIP} -n -9 -f ${archive}
    COMMAND ${CMAKE_COMMAND} -E rename ${archive}.gz ${pack}
    DEPENDS ${depends}
    COMMENT "Packing the data of ${GAME_NAME}"
    VERBATIM)
  target_sources(${GAME_NAME} PRIVATE ${pack})
  set_property(TARGET ${GAME_NAME} APPEND PROPERTY LINK_DEPENDS ${pack})
endfunction()

# The manifest's icons in BIN, 192 and 512 pixels: those the game draws (ICONS 192=, 512=),
# the others scaled from ICON. OUT is the list of them.
function(_brambleleap_web_icons bin out)
  _brambleleap_game_path("${GAME_ICON}" icon)
  set(made "")
  set(made_here "")
  foreach(size 192 512)
    set(target ${bin}/icon-${size}.png)
    list(APPEND made ${target})
    set(drawn ${GAME_ICONS})
    list(FILTER drawn INCLUDE REGEX "^${size}=")
    if(drawn)
      string(REGEX REPLACE "^[0-9]+=" "" drawn "${drawn}")
      _brambleleap_game_path("${drawn}" drawn)
      if(NOT drawn STREQUAL target)
        add_custom_command(OUTPUT ${target}
          COMMAND ${CMAKE_COMMAND} -E copy ${drawn} ${target} DEPENDS ${drawn} VERBATIM)
        list(APPEND made_here ${target})
      endif()
      continue()
    endif()
    find_program(BRAMBLELEAP_CONVERT NAMES convert magick)
    if(NOT BRAMBLELEAP_CONVERT)
      message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): ImageMagick (convert) is needed "
                          "to make the page's icons")
    endif()
    add_custom_command(OUTPUT ${target}
      COMMAND ${CMAKE_COMMAND} -DICON=${icon} -DNAME=${GAME_NAME} -P ${BRAMBLELEAP_GAME_TEMPLATES}/check_icon.cmake
      COMMAND ${BRAMBLELEAP_CONVERT} ${icon} -resize ${size}x${size} -background none -gravity center
              -extent ${size}x${size} -strip -define png:exclude-chunks=date,time PNG32:${target}
      DEPENDS ${icon}
      VERBATIM)
    list(APPEND made_here ${target})
  endforeach()
  # Made before the link, whose last step packs them; one the build makes elsewhere (already
  # in BIN) comes from what the program's target waits for.
  if(made_here)
    target_sources(${GAME_NAME} PRIVATE ${made_here})
  endif()
  set(${out} ${made} PARENT_SCOPE)
endfunction()

# The manifest (the game's own template WEB_MANIFEST, or one made from the call) and the
# service worker, each filled in now but for the build's hash; after each link the bundle
# script puts them beside the page and packs the zip.
function(_brambleleap_web_bundle bin icons)
  set(stage ${CMAKE_CURRENT_BINARY_DIR}/${GAME_NAME}_web)
  set(t ${BRAMBLELEAP_GAME_TEMPLATES})
  set(GAME_ORIENTATION landscape)
  list(GET GAME_SIZE 0 width)
  list(GET GAME_SIZE 1 height)
  if(height GREATER width)
    set(GAME_ORIENTATION portrait)
  endif()
  foreach(text TITLE SUMMARY)
    _brambleleap_json("${GAME_${text}}" GAME_${text}_JSON)
  endforeach()
  _brambleleap_game_template(WEB_MANIFEST ${t}/manifest.webmanifest.in ${stage}/manifest.webmanifest)
  set(BUILD_HASH "@BUILD_HASH@")
  set(BUILD_FILES "@BUILD_FILES@")
  configure_file(${t}/service_worker.js.in ${stage}/service_worker.js.in @ONLY)
  find_program(BRAMBLELEAP_PYTHON3 python3 REQUIRED)
  add_custom_command(TARGET ${GAME_NAME} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DNAME=${GAME_NAME} -DSTAGE=${stage} -DBIN=${bin}
            -DOUT=${PROJECT_BINARY_DIR}/${GAME_NAME}-web.zip -DDATE=${GAME_DATE}
            -DPYTHON3=${BRAMBLELEAP_PYTHON3} -P ${t}/web_bundle.cmake
    VERBATIM)
  set_property(TARGET ${GAME_NAME} APPEND PROPERTY LINK_DEPENDS ${stage}/manifest.webmanifest
               ${stage}/service_worker.js.in ${t}/web_bundle.cmake ${icons})
endfunction()
