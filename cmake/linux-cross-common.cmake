# Shared part of the Linux cross toolchains: Debian's cross compiler for
# AICONV_LINUX_TRIPLE, its root for libraries and headers, and every test
# run under qemu-user (AICONV_QEMU) with that root. Set both before
# including.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${AICONV_LINUX_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${AICONV_LINUX_TRIPLE}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${AICONV_LINUX_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${AICONV_QEMU} -L /usr/${AICONV_LINUX_TRIPLE} ${AICONV_QEMU_OPTIONS})
