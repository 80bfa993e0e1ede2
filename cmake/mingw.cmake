# Cross-compiles Windows programs with MinGW-w64 and runs them (tests, the
# program itself) through Wine. Included by the toolchain file of each width,
# which names the target triple and processor first.
set(CMAKE_SYSTEM_NAME Windows)
# The -posix thread model: GoogleTest needs std::mutex.
set(CMAKE_C_COMPILER ${KELVARO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELVARO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KELVARO_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KELVARO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run")
