# Bare-metal 32-bit ARM (Cortex-M) with Debian's arm-none-eabi GCC and
# newlib-nano: the engine and its 8-bit entry, no operating system. Tests
# run under qemu-system-arm with semihosting. AICONV_CPU picks the core:
# cortex-m3 (qemu machine mps2-an385) or cortex-m0 (microbit).
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CMAKE_C_COMPILER arm-none-eabi-gcc)
set(CMAKE_CXX_COMPILER arm-none-eabi-g++)
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

set(AICONV_CPU cortex-m3 CACHE STRING "Cortex-M core: cortex-m3 or cortex-m0")
if(AICONV_CPU STREQUAL "cortex-m0")
  set(AICONV_QEMU_MACHINE microbit CACHE INTERNAL "qemu machine with that core")
else()
  set(AICONV_QEMU_MACHINE mps2-an385 CACHE INTERNAL "qemu machine with that core")
endif()
set(CMAKE_C_FLAGS_INIT "-mcpu=${AICONV_CPU} -mthumb")
set(CMAKE_CXX_FLAGS_INIT "-mcpu=${AICONV_CPU} -mthumb")
# newlib-nano for memcpy and the like; start-up code is the program's own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-mcpu=${AICONV_CPU} -mthumb --specs=nano.specs -nostartfiles")

set(AICONV_ENGINE_HOST firmware)
# The program is the machine's kernel; it reports and exits by semihosting.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-system-arm -M ${AICONV_QEMU_MACHINE} -nographic
    -semihosting-config enable=on,target=native -monitor none -serial none -kernel)
