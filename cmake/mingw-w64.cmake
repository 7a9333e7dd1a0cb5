# Cross-compiles the game for 64-bit Windows with MinGW-w64 (Debian's g++-mingw-w64-x86-64).
# The runtime libraries of the compiler are linked in, so the program needs only the
# system's own DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${MINGW_PREFIX}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")

# Installed beside the engine's CMake package, the file points find_package at it: the search
# above looks under MinGW-w64's own folder only, where Debian's packages put nothing of ours.
if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/BrambleleapEngineConfig.cmake)
  set(BrambleleapEngine_DIR ${CMAKE_CURRENT_LIST_DIR} CACHE PATH "The engine's CMake package")
endif()
