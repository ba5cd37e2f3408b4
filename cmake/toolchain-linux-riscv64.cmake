# 64-bit RISC-V Linux, with fused multiply-add.
set(CMAKE_SYSTEM_PROCESSOR riscv64)
set(AICONV_LINUX_TRIPLE riscv64-linux-gnu)
set(AICONV_QEMU qemu-riscv64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross-common.cmake)
