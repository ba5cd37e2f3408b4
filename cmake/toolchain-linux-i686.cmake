# 32-bit x86 Linux: 32-bit pointers and the x86 instruction set, run under
# qemu-user on any x86-64 kernel, whether or not it executes 32-bit programs
# itself. Doubles use SSE2 (set per target), as on 32-bit Windows.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_FIND_ROOT_PATH /usr/i686-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The library path keeps the guest on the cross root's C library: an x86-64
# Debian machine may also hold a 32-bit libc in /lib32, listed in the host's
# ld.so.cache, which qemu hands to the guest; a libc of another build than
# the cross root's ld.so hangs the first thread start.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386 -L /usr/i686-linux-gnu -E LD_LIBRARY_PATH=/usr/i686-linux-gnu/lib)
