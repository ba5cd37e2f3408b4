# 32-bit x86 Linux: 32-bit pointers and the x86 instruction set, run under
# qemu-user on any x86-64 kernel, whether or not it executes 32-bit programs
# itself. Doubles use SSE2 (set per target), as on 32-bit Windows.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(AICONV_LINUX_TRIPLE i686-linux-gnu)
set(AICONV_QEMU qemu-i386)
# The library path keeps the guest on the cross root's C library: an x86-64
# Debian machine may also hold a 32-bit libc in /lib32, listed in the host's
# ld.so.cache, which qemu hands to the guest; a libc of another build than
# the cross root's ld.so hangs the first thread start.
set(AICONV_QEMU_OPTIONS -E LD_LIBRARY_PATH=/usr/${AICONV_LINUX_TRIPLE}/lib)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross-common.cmake)
