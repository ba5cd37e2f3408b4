# 32-bit ARM Linux: 32-bit pointers and an unsigned plain char. Tests run
# under qemu-user with the cross root as the library root.
set(CMAKE_SYSTEM_PROCESSOR arm)
set(AICONV_LINUX_TRIPLE arm-linux-gnueabihf)
set(AICONV_QEMU qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross-common.cmake)
