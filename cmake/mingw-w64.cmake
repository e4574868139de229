# Cross-compiles the Windows program with the posix-threads flavour of
# mingw-w64. Tests run under Wine through the emulator wrapper.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TORVANE_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TORVANE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TORVANE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TORVANE_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TORVANE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-emulator.sh)
