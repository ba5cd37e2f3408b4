# 64-bit little-endian POWER Linux, with fused multiply-add.
set(CMAKE_SYSTEM_PROCESSOR ppc64le)
set(AICONV_LINUX_TRIPLE powerpc64le-linux-gnu)
set(AICONV_QEMU qemu-ppc64le)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross-common.cmake)
