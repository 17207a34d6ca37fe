# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TV_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TV_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TV_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TV_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TV_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Tests run through Wine in the project's own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
