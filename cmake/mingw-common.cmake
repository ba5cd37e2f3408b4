# Shared part of the MinGW-w64 toolchains. Set AICONV_MINGW_TRIPLE and
# AICONV_WINE before including.
set(CMAKE_SYSTEM_NAME Windows)
# The -posix compilers: GoogleTest does not build with the win32 thread model.
set(CMAKE_C_COMPILER ${AICONV_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${AICONV_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${AICONV_MINGW_TRIPLE}-windres)
set(AICONV_WIDL ${AICONV_MINGW_TRIPLE}-widl)
set(CMAKE_FIND_ROOT_PATH /usr/${AICONV_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The C++ runtime, libgcc and winpthread go inside each binary: the DLL then
# needs nothing but system DLLs and the framework.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
# Every test runs under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${AICONV_WINE})
