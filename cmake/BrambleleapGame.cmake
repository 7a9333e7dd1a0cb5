# brambleleap_add_game(): a game on the engine, as its maker ships it. One call defines the
# game's program and, on Linux, the install rules and the Debian and RPM packages `cpack`
# makes of them:
#
# brambleleap_add_game(NAME <name> SOURCES <file>... TITLE <text> VERSION <x.y.z>
#   ICON <png> DATA <file or folder>...
#   [ID <reverse-DNS>] [SUMMARY <text>] [DESCRIPTION <text>] [LICENSE <SPDX>]
#   [HOMEPAGE <url>] [MAINTAINER "Name <address>"] [SIZE <w> <h>]
#   [CONTROLS <label>=<key>...] [CATEGORIES <desktop category>...]
#   [ICONS <size>=<png>...] [DESKTOP_KEYS <Key>=<value>...]
#   [METAINFO <template>] [MANUAL <template>] [COPYRIGHT <template>] [CHANGELOG <template>]
#   [WEB_MANIFEST <template>] [WEB_STYLE <css>] [PAGE_TEXTS <KEY>=<text>...]
#   [PART_OF <game>])
#
# A game that draws its icon for some sizes gives those in ICONS (the page's are 192 and
# 512); the others are scaled from ICON. DESKTOP_KEYS adds lines to the desktop entry or
# replaces its own (Comment=...). METAINFO, MANUAL, COPYRIGHT, CHANGELOG and WEB_MANIFEST are
# the game's own AppStream file, manual page, Debian copyright and changelog and web app
# manifest, filled in with configure_file(@ONLY) from the variables seen at the call.
#
# In the browser, CONTROLS are the touch buttons, each <label>=<key> with the key's
# KeyboardEvent.code (Left=ArrowLeft Jump=Space), laid out along the bottom; or a JSON file of
# the page's own list, with WEB_STYLE the game's CSS that places them. PAGE_TEXTS replaces
# what the page says when the program has ended (ENDED=, AGAIN= the button, STOPPED= after an
# error).
#
# PART_OF makes the program a part of another game's package instead of a package of its own:
# on Linux its launcher <game>-<NAME> (or NAME, when it starts so) and a manual page that is
# the game's, starting it in the game's data folder; in the browser its page beside the
# game's, without a manifest, worker or zip of its own.
#
# The program reads its data by bare name from its working folder: the launcher on the PATH
# starts it in the folder the data is installed to. The date the packages carry is
# BRAMBLELEAP_RELEASE_DATE (YYYY-MM-DD) when set, else today (or SOURCE_DATE_EPOCH's day).
include_guard(GLOBAL)
include(GNUInstallDirs)
# Seen from every folder, also beside the one that added the engine with add_subdirectory.
set(BRAMBLELEAP_GAME_TEMPLATES ${CMAKE_CURRENT_LIST_DIR}/game CACHE INTERNAL "The templates of brambleleap_add_game")
include(${CMAKE_CURRENT_LIST_DIR}/game/web.cmake)

# Sets <prefix>_EMAIL (Debian's changelog) and <prefix>_RPM (RPM's changelog) to DATE
# (YYYY-MM-DD) written their way, each with its weekday (Zeller's congruence).
function(brambleleap_dates date prefix)
  if(NOT date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "brambleleap_dates: \"${date}\" is not a date YYYY-MM-DD")
  endif()
  set(year ${CMAKE_MATCH_1})
  math(EXPR month "${CMAKE_MATCH_2} + 0")
  math(EXPR day "${CMAKE_MATCH_3} + 0")
  set(zy ${year})
  set(zm ${month})
  if(zm LESS 3)
    math(EXPR zm "${zm} + 12")
    math(EXPR zy "${zy} - 1")
  endif()
  math(EXPR weekday "(${day} + (13 * (${zm} + 1)) / 5 + ${zy} + ${zy} / 4 - ${zy} / 100 + ${zy} / 400) % 7")
  set(weekdays Sat Sun Mon Tue Wed Thu Fri)
  list(GET weekdays ${weekday} weekday_name)
  math(EXPR month_index "${month} - 1")
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET months ${month_index} month_name)
  if(day LESS 10)
    set(day 0${day})
  endif()
  set(${prefix}_EMAIL "${weekday_name}, ${day} ${month_name} ${year} 12:00:00 +0000" PARENT_SCOPE)
  set(${prefix}_RPM "${weekday_name} ${month_name} ${day} ${year}" PARENT_SCOPE)
endfunction()

# Stops the configure when an argument is missing or names what is not there.
function(_brambleleap_game_check)
  foreach(needed NAME SOURCES TITLE VERSION ICON DATA)
    if(NOT GAME_${needed})
      message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): ${needed} is missing")
    endif()
  endforeach()
  if(GAME_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): unknown arguments ${GAME_UNPARSED_ARGUMENTS}")
  endif()
  # The name is the package's, the program's and the launcher's.
  if(NOT GAME_NAME MATCHES "^[a-z0-9][a-z0-9.+-]+$")
    message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): NAME must be lower-case letters, digits and . + -")
  endif()
  if(NOT GAME_VERSION MATCHES "^[0-9][0-9A-Za-z.+~]*$")
    message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): VERSION ${GAME_VERSION} does not start with a digit")
  endif()
  if(GAME_ID AND NOT GAME_ID MATCHES "^[A-Za-z][A-Za-z0-9_-]*(\\.[A-Za-z0-9_-]+)+$")
    message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): ID ${GAME_ID} is not reverse-DNS (org.example.Game)")
  endif()
  if(GAME_SIZE AND NOT GAME_SIZE MATCHES "^[1-9][0-9]*;[1-9][0-9]*$")
    message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): SIZE wants a width and a height")
  endif()
  # A file the build makes is checked once it exists, when the icons are made from it.
  _brambleleap_game_path("${GAME_ICON}" icon)
  if(EXISTS "${icon}")
    file(READ "${icon}" magic LIMIT 8 HEX)
    if(NOT magic STREQUAL "89504e470d0a1a0a")
      message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): ICON ${GAME_ICON} is not a PNG file")
    endif()
  elseif(NOT _generated)
    message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): ICON ${GAME_ICON} does not exist")
  endif()
  foreach(data ${GAME_DATA})
    _brambleleap_game_path("${data}" path)
    if(NOT EXISTS "${path}" AND NOT _generated)
      message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): DATA ${data} does not exist")
    endif()
  endforeach()
  # The touch controls are read on every toolchain, so that a wrong key shows at once.
  if(GAME_CONTROLS)
    _brambleleap_web_controls()
  endif()
  if(GAME_PART_OF AND NOT GAME_PART_OF MATCHES "^[a-z0-9][a-z0-9.+-]+$")
    message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): PART_OF ${GAME_PART_OF} is not a game's NAME")
  endif()
  foreach(template METAINFO MANUAL COPYRIGHT CHANGELOG WEB_MANIFEST WEB_STYLE)
    if(GAME_${template})
      _brambleleap_game_path("${GAME_${template}}" path)
      if(NOT EXISTS "${path}")
        message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): ${template} ${GAME_${template}} does not exist")
      endif()
    endif()
  endforeach()
  foreach(icon ${GAME_ICONS})
    if(NOT icon MATCHES "^(16|32|48|64|128|192|256|512)=.")
      message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): ICONS ${icon} is not <size>=<png> "
                          "with a size of 16, 32, 48, 64, 128, 192, 256 or 512")
    endif()
  endforeach()
endfunction()

# The absolute path of PATH (from the calling folder), and in _generated whether the build
# makes it: a file in the build folder is taken as one, and checked once it is made.
macro(_brambleleap_game_path path out)
  get_filename_component(${out} "${path}" ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  string(FIND "${${out}}" "${CMAKE_BINARY_DIR}/" _generated)
  if(_generated EQUAL 0)
    set(_generated TRUE)
  else()
    set(_generated FALSE)
  endif()
endmacro()

# The texts the templates take, escaped for XML, roff and the changelog where needed.
macro(_brambleleap_game_texts)
  if(NOT GAME_ID AND GAME_PART_OF)
    set(GAME_ID "io.brambleleap.games.${GAME_PART_OF}.${GAME_NAME}")
  elseif(NOT GAME_ID)
    set(GAME_ID "io.brambleleap.games.${GAME_NAME}")
    message(WARNING "brambleleap_add_game(${GAME_NAME}): no ID given; using ${GAME_ID}")
  endif()
  foreach(optional SUMMARY:${GAME_TITLE} LICENSE:LicenseRef-proprietary
                   MAINTAINER:${GAME_TITLE}\ maker\ <nobody@${GAME_NAME}.invalid>)
    string(REGEX MATCH "^[A-Z]+" key "${optional}")
    string(LENGTH "${key}:" skip)
    string(SUBSTRING "${optional}" ${skip} -1 default)
    if(NOT GAME_${key})
      set(GAME_${key} "${default}")
    endif()
  endforeach()
  # Lists, which the loop above would take apart.
  if(NOT GAME_CATEGORIES)
    set(GAME_CATEGORIES Game ArcadeGame)
  endif()
  if(NOT GAME_SIZE)
    set(GAME_SIZE 640 480)
  endif()
  if(NOT GAME_DESCRIPTION)
    set(GAME_DESCRIPTION "${GAME_SUMMARY}.")
  endif()
  string(REGEX REPLACE " *<.*$" "" GAME_DEVELOPER "${GAME_MAINTAINER}")
  list(JOIN GAME_CATEGORIES ";" GAME_CATEGORIES)
  string(APPEND GAME_CATEGORIES ";")
  string(REGEX REPLACE ";;$" ";" GAME_CATEGORIES "${GAME_CATEGORIES}")
  if(BRAMBLELEAP_RELEASE_DATE)
    set(GAME_DATE ${BRAMBLELEAP_RELEASE_DATE})
  else()
    string(TIMESTAMP GAME_DATE "%Y-%m-%d" UTC)
  endif()
  string(SUBSTRING ${GAME_DATE} 0 4 GAME_YEAR)
  brambleleap_dates(${GAME_DATE} GAME_DATE)
  string(TOUPPER "${GAME_NAME}" GAME_NAME_UPPER)
  string(REPLACE "-" "\\-" GAME_NAME_MAN "${GAME_NAME}")
  string(REPLACE "-" "\\-" GAME_SUMMARY_MAN "${GAME_SUMMARY}")
  string(REPLACE "\n\n" "\n.PP\n" GAME_DESCRIPTION_MAN "${GAME_DESCRIPTION}")
  set(xml_texts TITLE SUMMARY DEVELOPER DESCRIPTION)
  foreach(text ${xml_texts})
    _brambleleap_markup("${GAME_${text}}" GAME_${text}_XML)
  endforeach()
  # The description's paragraphs are parted by an empty line.
  string(REPLACE "\n\n" "</p>\n    <p>" GAME_DESCRIPTION_XML "${GAME_DESCRIPTION_XML}")
  set(GAME_DESCRIPTION_XML "\n    <p>${GAME_DESCRIPTION_XML}</p>")
  set(GAME_URL_XML "")
  if(GAME_HOMEPAGE)
    set(GAME_URL_XML "\n  <url type=\"homepage\">${GAME_HOMEPAGE}</url>")
  endif()
endmacro()

# OUT: the project's LICENSE or COPYING file beside its top CMakeLists.txt, or empty.
function(_brambleleap_game_licence_file out)
  set(${out} "" PARENT_SCOPE)
  foreach(name LICENSE LICENSE.txt LICENSE.md COPYING)
    if(EXISTS ${PROJECT_SOURCE_DIR}/${name})
      set(${out} ${PROJECT_SOURCE_DIR}/${name} PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

# The copyright file's licence: the text of the project's licence file, or, for a licence
# Debian holds, a pointer to it.
function(_brambleleap_game_licence out)
  set(text "")
  _brambleleap_game_licence_file(file)
  if(file)
    file(READ ${file} text)
  endif()
  if(text STREQUAL "" AND EXISTS /usr/share/common-licenses/${GAME_LICENSE})
    set(text "On Debian systems, the full text of this licence is in\n/usr/share/common-licenses/${GAME_LICENSE}.")
  endif()
  string(STRIP "${text}" text)
  if(text STREQUAL "")
    set(${out} "" PARENT_SCOPE)
    return()
  endif()
  # Each line indented by one space, an empty one written as a dot.
  string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" text "${text}")
  string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" text "${text}")
  string(REPLACE "\n" "\n " text "${text}")
  set(${out} "\n ${text}" PARENT_SCOPE)
endfunction()

# Called in the top folder of its project, the call also includes CPack there, with the
# game's settings, once that folder has been read (so CPACK_ variables set after the call
# count too). Called further down, it leaves the settings in a file named by the global
# property BRAMBLELEAP_GAME_CPACK_FILES, for the folder that includes CPack to include first.
function(brambleleap_add_game)
  cmake_parse_arguments(PARSE_ARGV 0 GAME ""
    "NAME;TITLE;VERSION;ICON;ID;SUMMARY;DESCRIPTION;LICENSE;HOMEPAGE;MAINTAINER;METAINFO;MANUAL;COPYRIGHT;CHANGELOG;WEB_MANIFEST;WEB_STYLE;PART_OF"
    "SOURCES;DATA;SIZE;CONTROLS;CATEGORIES;ICONS;DESKTOP_KEYS;PAGE_TEXTS")
  _brambleleap_game_check()
  _brambleleap_game_texts()
  add_executable(${GAME_NAME} ${GAME_SOURCES})
  target_link_libraries(${GAME_NAME} PRIVATE Brambleleap::engine)
  if(EMSCRIPTEN)
    _brambleleap_game_web()
  elseif(WIN32 AND GAME_PART_OF)
    install(TARGETS ${GAME_NAME} RUNTIME DESTINATION . COMPONENT ${GAME_PART_OF})
  elseif(WIN32)
    _brambleleap_game_windows()
  elseif(GAME_PART_OF AND NOT APPLE)
    _brambleleap_game_linux_part()
  elseif(NOT APPLE)
    _brambleleap_game_linux()
  endif()
endfunction()

# A part of another game's package: the program beside the game's, its data with the game's,
# a launcher that starts it in the game's data folder, and a manual page that is the game's.
function(_brambleleap_game_linux_part)
  set(game ${GAME_PART_OF})
  set(stage ${CMAKE_CURRENT_BINARY_DIR}/${GAME_NAME}_package)
  set(launcher ${GAME_NAME})
  string(FIND "${GAME_NAME}" "${game}-" at)
  if(NOT at EQUAL 0)
    set(launcher ${game}-${GAME_NAME})
  endif()
  _brambleleap_game_install(${game} ${launcher} ${stage})
  set(manual ${stage}/${launcher}.6.gz)
  file(WRITE ${stage}/${launcher}.6 ".so man6/${game}.6\n")
  add_custom_command(OUTPUT ${manual}
    COMMAND gzip -9nc ${stage}/${launcher}.6 > ${manual}
    DEPENDS ${stage}/${launcher}.6)
  install(FILES ${manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT ${game})
  add_custom_target(${GAME_NAME}_package_files ALL DEPENDS ${manual})
endfunction()

# The program in GAME's folder under libexec, DATA in its folder under share/games, and the
# launcher LAUNCHER (made in STAGE) that starts the one in the other, all in GAME's package.
function(_brambleleap_game_install game launcher stage)
  set(programs_dir ${CMAKE_INSTALL_LIBEXECDIR}/${game})
  set(data_dir ${CMAKE_INSTALL_DATADIR}/games/${game})
  install(TARGETS ${GAME_NAME} RUNTIME DESTINATION ${programs_dir} COMPONENT ${game})
  foreach(data ${GAME_DATA})
    _brambleleap_game_path("${data}" path)
    if(IS_DIRECTORY "${path}")
      install(DIRECTORY "${path}" DESTINATION ${data_dir} COMPONENT ${game})
    else()
      install(FILES "${path}" DESTINATION ${data_dir} COMPONENT ${game})
    endif()
  endforeach()
  file(RELATIVE_PATH GAME_LAUNCHER_TO_DATA /games /${data_dir})
  file(RELATIVE_PATH GAME_LAUNCHER_TO_PROGRAMS /games /${programs_dir})
  set(GAME_PROGRAM ${GAME_NAME})
  # Not in the template, which would read as a script that cannot run.
  set(GAME_SHEBANG "#!/bin/sh")
  configure_file(${BRAMBLELEAP_GAME_TEMPLATES}/launcher.sh.in ${stage}/${launcher} @ONLY)
  install(PROGRAMS ${stage}/${launcher} DESTINATION games COMPONENT ${game})
endfunction()

# The usual games layout: the program apart from its data under libexec, the data under
# share/games, the launcher in games; desktop entry, icons, metainfo, manual page, and
# Debian's copyright and changelog.
function(_brambleleap_game_linux)
  set(stage ${CMAKE_CURRENT_BINARY_DIR}/${GAME_NAME}_package)
  set(component ${GAME_NAME})
  set(GAME_DATA_PATH ${CMAKE_INSTALL_FULL_DATADIR}/games/${GAME_NAME})
  set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${GAME_NAME})
  _brambleleap_game_install(${GAME_NAME} ${GAME_NAME} ${stage})
  set(t ${BRAMBLELEAP_GAME_TEMPLATES})
  _brambleleap_game_desktop(${stage}/${GAME_ID}.desktop)
  install(FILES ${stage}/${GAME_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
          COMPONENT ${component})
  foreach(text TITLE SUMMARY DEVELOPER)
    set(GAME_${text} "${GAME_${text}_XML}")
  endforeach()
  _brambleleap_game_template(METAINFO ${t}/metainfo.xml.in ${stage}/${GAME_ID}.metainfo.xml)
  install(FILES ${stage}/${GAME_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
          COMPONENT ${component})
  _brambleleap_game_licence(GAME_LICENSE_TEXT)
  _brambleleap_game_template(COPYRIGHT ${t}/copyright.in ${stage}/copyright)
  _brambleleap_game_template(CHANGELOG ${t}/changelog.in ${stage}/changelog)
  _brambleleap_game_template(MANUAL ${t}/manual.6.in ${stage}/${GAME_NAME}.6)
  install(FILES ${stage}/copyright DESTINATION ${doc_dir} COMPONENT ${component})

  # The manual page and the changelog compressed as Debian wants them, and the icons.
  set(made ${stage}/${GAME_NAME}.6.gz ${stage}/changelog.gz)
  add_custom_command(OUTPUT ${made}
    COMMAND gzip -9nc ${stage}/${GAME_NAME}.6 > ${stage}/${GAME_NAME}.6.gz
    COMMAND gzip -9nc ${stage}/changelog > ${stage}/changelog.gz
    DEPENDS ${stage}/${GAME_NAME}.6 ${stage}/changelog)
  install(FILES ${stage}/${GAME_NAME}.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6
          COMPONENT ${component})
  install(FILES ${stage}/changelog.gz DESTINATION ${doc_dir} COMPONENT ${component})
  _brambleleap_game_icons(icons)
  add_custom_target(${GAME_NAME}_package_files ALL DEPENDS ${made} ${icons})
  _brambleleap_game_cpack()
endfunction()

# OUT configured from the game's own template given in ARGUMENT, else from DEFAULT.
macro(_brambleleap_game_template argument default out)
  if(GAME_${argument})
    _brambleleap_game_path("${GAME_${argument}}" _template)
    configure_file(${_template} ${out} @ONLY)
  else()
    configure_file(${default} ${out} @ONLY)
  endif()
endmacro()

# The desktop entry: the template's keys, each replaced by the one of that name in
# DESKTOP_KEYS, then the others of DESKTOP_KEYS. A value may hold semicolons (a list).
function(_brambleleap_game_desktop out)
  configure_file(${BRAMBLELEAP_GAME_TEMPLATES}/desktop.in ${out}.in @ONLY)
  file(READ ${out}.in lines)
  string(STRIP "${lines}" lines)
  string(REPLACE ";" "@semicolon@" lines "${lines}")
  string(REPLACE "\n" ";" lines "${lines}")
  # The semicolons of a quoted value come escaped from the argument parsing.
  list(JOIN GAME_DESKTOP_KEYS ";" keys)
  string(REPLACE "\\;" ";" keys "${keys}")
  string(REGEX REPLACE ";([A-Za-z][A-Za-z0-9-]*=)" "\n\\1" keys "${keys}")
  string(REPLACE ";" "@semicolon@" keys "${keys}")
  string(REPLACE "\n" ";" keys "${keys}")
  set(text "")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "^[A-Za-z][A-Za-z0-9-]*=" key "${line}")
    foreach(given IN LISTS keys)
      if(key AND given MATCHES "^${key}")
        set(line "${given}")
        list(REMOVE_ITEM keys "${given}")
        break()
      endif()
    endforeach()
    string(APPEND text "${line}\n")
  endforeach()
  foreach(given IN LISTS keys)
    if(NOT given MATCHES "^[A-Za-z][A-Za-z0-9-]*=")
      message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): DESKTOP_KEYS ${given} is not <Key>=<value>")
    endif()
    string(APPEND text "${given}\n")
  endforeach()
  string(REPLACE "@semicolon@" ";" text "${text}")
  file(WRITE ${out} "${text}")
endfunction()

# The hicolor icons, each size made from the one PNG with ImageMagick, with no date in them
# so that the same PNG makes the same icons.
function(_brambleleap_game_icons out)
  _brambleleap_game_path("${GAME_ICON}" icon)
  set(icons_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  set(stage ${CMAKE_CURRENT_BINARY_DIR}/${GAME_NAME}_package/icons)
  set(icons "")
  set(scaled "")
  foreach(size 16 32 48 64 128 256)
    set(drawn ${GAME_ICONS})
    list(FILTER drawn INCLUDE REGEX "^${size}=")
    if(NOT drawn)
      list(APPEND scaled ${size})
      continue()
    endif()
    # The game's own picture for this size, named as the others.
    string(REGEX REPLACE "^[0-9]+=" "" drawn "${drawn}")
    _brambleleap_game_path("${drawn}" drawn)
    install(FILES ${drawn} DESTINATION ${icons_dir}/${size}x${size}/apps RENAME ${GAME_ID}.png
            COMPONENT ${GAME_NAME})
    list(APPEND icons ${drawn})
  endforeach()
  set(${out} ${icons} PARENT_SCOPE)
  if(NOT scaled)
    return()
  endif()
  find_program(BRAMBLELEAP_CONVERT NAMES convert magick)
  if(NOT BRAMBLELEAP_CONVERT AND NOT EXISTS "${icon}")
    message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): ImageMagick (convert) is needed "
                        "for an icon the build makes")
  elseif(NOT BRAMBLELEAP_CONVERT)
    # Without it the PNG goes in as it is, at the size it has.
    file(READ "${icon}" size OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${size}" 0 8 width)
    math(EXPR width "0x${width}")
    message(WARNING "brambleleap_add_game(${GAME_NAME}): ImageMagick (convert) not found: "
                    "the icon is installed at ${width} pixels only")
    install(FILES "${icon}" DESTINATION ${icons_dir}/${width}x${width}/apps
            RENAME ${GAME_ID}.png COMPONENT ${GAME_NAME})
    return()
  endif()
  foreach(size ${scaled})
    set(made ${stage}/${size}/${GAME_ID}.png)
    add_custom_command(OUTPUT ${made}
      COMMAND ${CMAKE_COMMAND} -DICON=${icon} -DNAME=${GAME_NAME} -P ${BRAMBLELEAP_GAME_TEMPLATES}/check_icon.cmake
      COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/${size}
      COMMAND ${BRAMBLELEAP_CONVERT} ${icon} -resize ${size}x${size} -background none -gravity center
              -extent ${size}x${size} -strip -define png:exclude-chunks=date,time PNG32:${made}
      DEPENDS ${icon}
      VERBATIM)
    install(FILES ${made} DESTINATION ${icons_dir}/${size}x${size}/apps COMPONENT ${GAME_NAME})
    list(APPEND icons ${made})
  endforeach()
  set(${out} ${icons} PARENT_SCOPE)
endfunction()

# TEXT with the three characters that markup reads as its own (& < >) written as entities.
function(_brambleleap_markup text out)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Appends to s the line that sets VARIABLE to VALUE, quoted for CMake.
# (A function, not a macro: a macro would read the backslashes in VALUE once more.)
function(_brambleleap_put variable value)
  string(REPLACE "\\" "\\\\" v "${value}")
  string(REPLACE "\"" "\\\"" v "${v}")
  string(REPLACE "$" "\\$" v "${v}")
  string(APPEND s "set(${variable} \"${v}\")\n")
  set(s "${s}" PARENT_SCOPE)
endfunction()

# What cpack makes of the game: a Debian and an RPM package named after it, with the font
# the engine draws text in among its dependencies; written as a file of settings to include
# before CPack.
function(_brambleleap_game_cpack)
  string(TOUPPER ${GAME_NAME} C)
  string(REPLACE "-" "_" C ${C})
  _brambleleap_wrap("${GAME_DESCRIPTION}" long)
  string(SUBSTRING "${GAME_SUMMARY}" 0 1 first)
  string(TOLOWER "${first}" lower)
  string(SUBSTRING "${GAME_SUMMARY}" 1 -1 rest)
  set(s "")
  string(APPEND s "list(APPEND CPACK_COMPONENTS_ALL ${GAME_NAME})\n")
  _brambleleap_put(CPACK_DEB_COMPONENT_INSTALL ON)
  _brambleleap_put(CPACK_RPM_COMPONENT_INSTALL ON)
  _brambleleap_put(CPACK_STRIP_FILES ON)
  _brambleleap_put(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  _brambleleap_put(CPACK_RPM_FILE_NAME RPM-DEFAULT)
  _brambleleap_put(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  _brambleleap_put(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  _brambleleap_put(CPACK_DEBIAN_PACKAGE_MAINTAINER "${GAME_MAINTAINER}")
  _brambleleap_put(CPACK_RPM_PACKAGE_LICENSE "${GAME_LICENSE}")
  _brambleleap_put(CPACK_RPM_PACKAGE_RELEASE 1)
  # With SOURCE_DATE_EPOCH set, the packages carry its time and no build host.
  _brambleleap_put(CPACK_RPM_SPEC_MORE_DEFINE "%define packager ${GAME_MAINTAINER}
%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1
%define _buildhost reproducible")
  string(APPEND s "list(APPEND CPACK_PRE_BUILD_SCRIPTS ${BRAMBLELEAP_GAME_TEMPLATES}/clamp_times.cmake)\n")
  _brambleleap_put(CPACK_RPM_CHANGELOG_FILE ${CMAKE_CURRENT_BINARY_DIR}/${GAME_NAME}_package/rpm_changelog)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${GAME_NAME}_package/rpm_changelog
       "* ${GAME_DATE_RPM} ${GAME_MAINTAINER} - ${GAME_VERSION}-1\n- Release ${GAME_VERSION}.\n")
  if(NOT CPACK_PACKAGE_NAME)
    _brambleleap_put(CPACK_PACKAGE_NAME ${GAME_NAME})
    _brambleleap_put(CPACK_PACKAGE_VERSION ${GAME_VERSION})
  endif()
  if(GAME_HOMEPAGE)
    _brambleleap_put(CPACK_DEBIAN_${C}_PACKAGE_HOMEPAGE "${GAME_HOMEPAGE}")
    _brambleleap_put(CPACK_RPM_PACKAGE_URL "${GAME_HOMEPAGE}")
  endif()
  _brambleleap_put(CPACK_DEBIAN_${C}_PACKAGE_NAME ${GAME_NAME})
  _brambleleap_put(CPACK_DEBIAN_${C}_PACKAGE_SECTION games)
  # The engine draws text in DejaVu Sans (fontconfig finds another font without it).
  _brambleleap_put(CPACK_DEBIAN_${C}_PACKAGE_DEPENDS fonts-dejavu-core)
  _brambleleap_put(CPACK_DEBIAN_${C}_DESCRIPTION "${lower}${rest}\n${long}")
  _brambleleap_put(CPACK_RPM_${C}_PACKAGE_NAME ${GAME_NAME})
  _brambleleap_put(CPACK_RPM_${C}_PACKAGE_GROUP Amusements/Games)
  _brambleleap_put(CPACK_RPM_${C}_PACKAGE_ARCHITECTURE ${CMAKE_SYSTEM_PROCESSOR})
  _brambleleap_put(CPACK_RPM_${C}_PACKAGE_REQUIRES dejavu-sans-fonts)
  string(TOUPPER "${first}" upper)
  _brambleleap_put(CPACK_RPM_${C}_PACKAGE_SUMMARY "${upper}${rest}")
  _brambleleap_put(CPACK_RPM_${C}_PACKAGE_DESCRIPTION "${long}")
  # Folders every system owns already; the package must not claim them.
  set(owned /usr/games /usr/libexec /usr/share/applications /usr/share/metainfo /usr/share/icons
      /usr/share/icons/hicolor /usr/share/games /usr/share/man /usr/share/man/man6 /usr/share/doc)
  foreach(size 16 32 48 64 128 256)
    list(APPEND owned /usr/share/icons/hicolor/${size}x${size}
         /usr/share/icons/hicolor/${size}x${size}/apps)
  endforeach()
  string(APPEND s "list(APPEND CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION ${owned})\n")
  _brambleleap_game_cpack_file("${s}")
endfunction()

# Writes the settings S for cpack, to be included before CPack (see brambleleap_add_game).
function(_brambleleap_game_cpack_file s)
  set(file ${CMAKE_CURRENT_BINARY_DIR}/${GAME_NAME}_package/cpack.cmake)
  file(WRITE ${file} "${s}")
  set_property(GLOBAL APPEND PROPERTY BRAMBLELEAP_GAME_CPACK_FILES ${file})
  if(CMAKE_CURRENT_SOURCE_DIR STREQUAL PROJECT_SOURCE_DIR)
    # The arguments of a deferred call are read when it runs: the path goes in as it is now.
    cmake_language(EVAL CODE "cmake_language(DEFER CALL _brambleleap_game_include_cpack [[${file}]])")
  endif()
endfunction()

function(_brambleleap_game_include_cpack settings)
  include(${settings})
  include(CPack)
endfunction()

# TEXT with its lines broken at spaces to at most 72 characters, its empty lines kept.
function(_brambleleap_wrap text out)
  string(REPLACE ";" "@semicolon@" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(result "")
  foreach(line IN LISTS lines)
    set(current "")
    string(REPLACE " " ";" words "${line}")
    foreach(word IN LISTS words)
      string(LENGTH "${current} ${word}" length)
      if(current STREQUAL "")
        set(current "${word}")
      elseif(length GREATER 72)
        string(APPEND result "${current}\n")
        set(current "${word}")
      else()
        string(APPEND current " ${word}")
      endif()
    endforeach()
    string(APPEND result "${current}\n")
  endforeach()
  string(STRIP "${result}" result)
  string(REPLACE "@semicolon@" ";" result "${result}")
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

# Windows (MinGW-w64): the program with its icon and version resource, its data beside it,
# and the licences of the compiler's runtime linked into it; `cpack` makes a zip of one
# folder and an installer with a Start-menu shortcut and an uninstaller, which shows the
# project's licence file where it has one. A game whose SOURCES hold a resource script (.rc)
# brings its own icon and version resource; the installer's icon is still made from ICON.
function(_brambleleap_game_windows)
  set(stage ${CMAKE_CURRENT_BINARY_DIR}/${GAME_NAME}_package)
  _brambleleap_game_path("${GAME_ICON}" icon)
  find_program(BRAMBLELEAP_CONVERT NAMES convert magick)
  if(NOT BRAMBLELEAP_CONVERT)
    message(FATAL_ERROR "brambleleap_add_game(${GAME_NAME}): ImageMagick (convert) is needed to make the icon")
  endif()
  set(GAME_ICO ${stage}/${GAME_NAME}.ico)
  add_custom_command(OUTPUT ${GAME_ICO}
    COMMAND ${CMAKE_COMMAND} -DICON=${icon} -DNAME=${GAME_NAME} -P ${BRAMBLELEAP_GAME_TEMPLATES}/check_icon.cmake
    COMMAND ${BRAMBLELEAP_CONVERT} ${icon} -background none -define icon:auto-resize=256,48,32,16 ${GAME_ICO}
    DEPENDS ${icon} VERBATIM)
  string(REGEX MATCHALL "[0-9]+" numbers "${GAME_VERSION}.0.0.0")
  list(SUBLIST numbers 0 4 numbers)
  list(JOIN numbers "," GAME_VERSION_NUMBERS)
  list(JOIN numbers "." version_dotted)
  foreach(text TITLE DEVELOPER)
    string(REPLACE "\"" "\"\"" GAME_${text} "${GAME_${text}}")
  endforeach()
  set(GAME_LEGAL_COPYRIGHT "Copyright (c) ${GAME_YEAR} ${GAME_DEVELOPER}")
  if(NOT GAME_SOURCES MATCHES "\\.rc(;|$)")
    configure_file(${BRAMBLELEAP_GAME_TEMPLATES}/windows.rc.in ${stage}/${GAME_NAME}.rc @ONLY)
    set_source_files_properties(${stage}/${GAME_NAME}.rc PROPERTIES OBJECT_DEPENDS ${GAME_ICO})
    target_sources(${GAME_NAME} PRIVATE ${stage}/${GAME_NAME}.rc)
  else()
    # Made with the program, for the installer.
    target_sources(${GAME_NAME} PRIVATE ${GAME_ICO})
  endif()
  set_target_properties(${GAME_NAME} PROPERTIES WIN32_EXECUTABLE ON)
  install(TARGETS ${GAME_NAME} RUNTIME DESTINATION . COMPONENT ${GAME_NAME})
  foreach(data ${GAME_DATA})
    _brambleleap_game_path("${data}" path)
    if(IS_DIRECTORY "${path}")
      install(DIRECTORY "${path}" DESTINATION . COMPONENT ${GAME_NAME})
    else()
      install(FILES "${path}" DESTINATION . COMPONENT ${GAME_NAME})
    endif()
  endforeach()
  foreach(notice gcc-mingw-w64-base mingw-w64-common)
    if(EXISTS /usr/share/doc/${notice}/copyright)
      install(FILES /usr/share/doc/${notice}/copyright DESTINATION licenses RENAME ${notice}.txt
              COMPONENT ${GAME_NAME})
    endif()
  endforeach()

  set(s "")
  _brambleleap_put(CPACK_GENERATOR "ZIP;NSIS")
  # The installer's script lines below go to makensis as they are written.
  _brambleleap_put(CPACK_VERBATIM_VARIABLES ON)
  _brambleleap_put(CPACK_PACKAGE_NAME ${GAME_NAME})
  _brambleleap_put(CPACK_PACKAGE_VERSION ${GAME_VERSION})
  _brambleleap_put(CPACK_PACKAGE_VENDOR "${GAME_DEVELOPER}")
  _brambleleap_put(CPACK_PACKAGE_INSTALL_DIRECTORY "${GAME_TITLE}")
  _brambleleap_put(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${GAME_NAME})
  _brambleleap_put(CPACK_STRIP_FILES ON)
  _brambleleap_game_licence_file(licence)
  if(licence)
    _brambleleap_put(CPACK_RESOURCE_FILE_LICENSE ${licence})
  endif()
  _brambleleap_put(CPACK_PROJECT_CONFIG_FILE ${BRAMBLELEAP_GAME_TEMPLATES}/windows_generators.cmake)
  string(APPEND s "list(APPEND CPACK_PRE_BUILD_SCRIPTS ${BRAMBLELEAP_GAME_TEMPLATES}/clamp_times.cmake)\n")
  _brambleleap_put(CPACK_NSIS_PACKAGE_NAME "${GAME_TITLE}")
  _brambleleap_put(CPACK_NSIS_DISPLAY_NAME "${GAME_TITLE}")
  _brambleleap_put(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
  _brambleleap_put(CPACK_NSIS_MUI_ICON ${GAME_ICO})
  _brambleleap_put(CPACK_NSIS_MUI_UNIICON ${GAME_ICO})
  _brambleleap_put(CPACK_NSIS_INSTALLED_ICON_NAME ${GAME_NAME}.exe)
  _brambleleap_put(CPACK_NSIS_UNINSTALL_NAME Uninstall)
  if(GAME_HOMEPAGE)
    _brambleleap_put(CPACK_NSIS_URL_INFO_ABOUT ${GAME_HOMEPAGE})
  endif()
  # The game reads its data from its working folder: the shortcut starts it in the install
  # folder. The installer has a version resource of its own and keeps no file times.
  _brambleleap_put(CPACK_NSIS_CREATE_ICONS_EXTRA
    "  SetOutPath \"$INSTDIR\"\n  CreateShortCut \"$SMPROGRAMS\\$STARTMENU_FOLDER\\${GAME_TITLE}.lnk\" \"$INSTDIR\\${GAME_NAME}.exe\"")
  _brambleleap_put(CPACK_NSIS_DELETE_ICONS_EXTRA "  Delete \"$SMPROGRAMS\\$MUI_TEMP\\${GAME_TITLE}.lnk\"")
  _brambleleap_put(CPACK_NSIS_DEFINES "SetDateSave off
VIProductVersion ${version_dotted}
VIAddVersionKey /LANG=1033 ProductName \"${GAME_TITLE}\"
VIAddVersionKey /LANG=1033 ProductVersion ${GAME_VERSION}
VIAddVersionKey /LANG=1033 FileVersion ${GAME_VERSION}
VIAddVersionKey /LANG=1033 FileDescription \"${GAME_TITLE} installer\"
VIAddVersionKey /LANG=1033 CompanyName \"${GAME_DEVELOPER}\"
VIAddVersionKey /LANG=1033 LegalCopyright \"${GAME_LEGAL_COPYRIGHT}\"")
  brambleleap_makensis_amd64(${stage} wrapper)
  if(wrapper)
    _brambleleap_put(CPACK_NSIS_EXECUTABLE ${wrapper})
  endif()
  _brambleleap_game_cpack_file("${s}")
endfunction()

# A 64-bit installer, like the program: CPack passes no option with a space in it, so
# makensis is called through a script, written into DIR, that sets the target first. OUT is
# that script, or empty where there is no makensis.
function(brambleleap_makensis_amd64 dir out)
  find_program(MAKENSIS makensis)
  set(${out} "" PARENT_SCOPE)
  if(MAKENSIS)
    set(wrapper ${dir}/makensis_amd64.sh)
    file(WRITE ${wrapper} "#!/bin/sh\nexec '${MAKENSIS}' '-XTarget amd64-unicode' \"$@\"\n")
    file(CHMOD ${wrapper} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
         GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(${out} ${wrapper} PARENT_SCOPE)
  endif()
endfunction()
