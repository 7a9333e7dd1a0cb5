# Finishes a game's browser build after each link (cmake -P): puts its manifest and its
# service worker (from STAGE, the worker with the build's hash) and its page once more as
# index.html beside the page NAME.html in BIN, then packs them into OUT with the page's other
# files, every file at the top, paths relative, ready to unpack into any folder of a static
# web server.
#   cmake -DNAME=<game> -DSTAGE=<its web folder in the build> -DBIN=<the page's folder>
#         -DOUT=<zip> -DDATE=<YYYY-MM-DD> -DPYTHON3=<python3> -P web_bundle.cmake
foreach(variable NAME STAGE BIN OUT DATE PYTHON3)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "web_bundle.cmake: ${variable} is not set")
  endif()
endforeach()

configure_file(${STAGE}/manifest.webmanifest ${BIN}/manifest.webmanifest COPYONLY)
configure_file(${BIN}/${NAME}.html ${BIN}/index.html COPYONLY)

# What the worker keeps (the page comes from its own address), and the hash that names the
# cache: a new build of any of them makes a new worker.
set(cached ${NAME}.js ${NAME}.wasm ${NAME}.pack touch_controls.js touch_controls.css
    manifest.webmanifest icon-192.png icon-512.png)
set(hashes "")
foreach(file index.html ${cached})
  if(NOT EXISTS ${BIN}/${file})
    message(FATAL_ERROR "web_bundle.cmake: ${BIN}/${file} is missing")
  endif()
  file(SHA256 ${BIN}/${file} hash)
  string(APPEND hashes "${file} ${hash}\n")
endforeach()
string(SHA256 BUILD_HASH "${hashes}")
string(SUBSTRING ${BUILD_HASH} 0 16 BUILD_HASH)
list(TRANSFORM cached REPLACE "(.+)" "'\\1'" OUTPUT_VARIABLE quoted)
list(JOIN quoted ", " BUILD_FILES)
configure_file(${STAGE}/service_worker.js.in ${BIN}/service_worker.js @ONLY)

get_filename_component(out_dir ${OUT} DIRECTORY)
get_filename_component(out_name ${OUT} NAME_WE)
set(zip_stage ${out_dir}/${out_name})
file(REMOVE_RECURSE ${zip_stage})
file(MAKE_DIRECTORY ${zip_stage})
foreach(file index.html service_worker.js ${cached})
  file(COPY ${BIN}/${file} DESTINATION ${zip_stage})
endforeach()
# The licences of what emscripten links into the program (its runtime, musl, libc++...), as
# Debian ships them; read by people, not by the page.
set(notices /usr/share/doc/emscripten/copyright)
if(EXISTS ${notices})
  configure_file(${notices} ${zip_stage}/licenses/emscripten.txt COPYONLY)
else()
  message(FATAL_ERROR "web_bundle.cmake: ${notices} not found: install emscripten's package")
endif()
file(GLOB_RECURSE packed RELATIVE ${zip_stage} ${zip_stage}/*)
list(SORT packed)
file(REMOVE ${OUT})
# Members in name order, dated at noon of the release's day: the same files make the same zip.
execute_process(COMMAND ${PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/../reproducible_zip.py ${OUT}
                        ${DATE} ${packed}
                WORKING_DIRECTORY ${zip_stage} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "web_bundle.cmake: cannot write ${OUT}")
endif()
