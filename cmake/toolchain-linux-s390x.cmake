# 64-bit IBM Z Linux: big-endian, with fused multiply-add.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(AICONV_LINUX_TRIPLE s390x-linux-gnu)
set(AICONV_QEMU qemu-s390x)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross-common.cmake)
