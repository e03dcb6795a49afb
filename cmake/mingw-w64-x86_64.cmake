# Cross-compiling for 64-bit Windows with Debian's MinGW-w64. The -posix
# compilers, because the default win32 thread model has no std::thread or
# std::mutex, which the speech worker needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(SUDOKU_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SUDOKU_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SUDOKU_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${SUDOKU_MINGW_PREFIX}-windres)

# Look for libraries, headers and packages only in the cross root and in the
# prefixes that scripts/windows-libs prints (wxWidgets, GoogleTest,
# nlohmann-json), never on the build host.
set(CMAKE_FIND_ROOT_PATH /usr/${SUDOKU_MINGW_PREFIX} ${SUDOKU_WX_PREFIX} ${SUDOKU_GTEST_PREFIX}
                         ${SUDOKU_JSON_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Windows programs are tested under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
