# Cross toolchain: 64-bit Windows binaries from Linux with MinGW-w64 (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VORN_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VORN_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VORN_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VORN_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VORN_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Tests run through Wine; the wrapper sets the prefix and environment.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
