# 64-bit ARM Linux: a processor with fused multiply-add in every build.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(AICONV_LINUX_TRIPLE aarch64-linux-gnu)
set(AICONV_QEMU qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross-common.cmake)
