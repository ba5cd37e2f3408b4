# Bare-metal 32-bit ARM (Cortex-M) with Debian's arm-none-eabi GCC and
# newlib-nano (or picolibc: AICONV_LIBC): the engine and its 8-bit entries,
# no operating system. Tests
# run under qemu-system-arm with semihosting. AICONV_CPU picks the core and
# the qemu machine that has it:
#   cortex-m0  microbit     no FPU, Thumb-1 only
#   cortex-m3  mps2-an385   no FPU
#   cortex-m4f mps2-an386   single-precision FPU (doubles in software)
#   cortex-m7  mps2-an500   double-precision FPU with fused multiply-add
#   cortex-m33 mps2-an505   single-precision FPU, Armv8-M
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CMAKE_C_COMPILER arm-none-eabi-gcc)
set(CMAKE_CXX_COMPILER arm-none-eabi-g++)
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

set(AICONV_CPU cortex-m3 CACHE STRING "Cortex-M core: cortex-m0, cortex-m3, cortex-m4f, cortex-m7 or cortex-m33")
set_property(CACHE AICONV_CPU PROPERTY STRINGS cortex-m0 cortex-m3 cortex-m4f cortex-m7 cortex-m33)
if(AICONV_CPU STREQUAL "cortex-m0")
  set(machine microbit)
  set(core_flags -mcpu=cortex-m0)
elseif(AICONV_CPU STREQUAL "cortex-m3")
  set(machine mps2-an385)
  set(core_flags -mcpu=cortex-m3)
elseif(AICONV_CPU STREQUAL "cortex-m4f")
  set(machine mps2-an386)
  set(core_flags -mcpu=cortex-m4 -mfpu=fpv4-sp-d16 -mfloat-abi=hard)
elseif(AICONV_CPU STREQUAL "cortex-m7")
  set(machine mps2-an500)
  set(core_flags -mcpu=cortex-m7 -mfpu=fpv5-d16 -mfloat-abi=hard)
elseif(AICONV_CPU STREQUAL "cortex-m33")
  set(machine mps2-an505)
  set(core_flags -mcpu=cortex-m33 -mfpu=fpv5-sp-d16 -mfloat-abi=hard)
else()
  message(FATAL_ERROR "unknown AICONV_CPU ${AICONV_CPU}")
endif()
set(AICONV_QEMU_MACHINE ${machine} CACHE INTERNAL "qemu machine with that core")
list(JOIN core_flags " " core_flags)

# The C library gives memcpy and the like; start-up code is the program's own.
set(AICONV_LIBC newlib-nano CACHE STRING "C library: newlib-nano or picolibc")
set_property(CACHE AICONV_LIBC PROPERTY STRINGS newlib-nano picolibc)
# picolibc's specs also give its headers, so they go with every compile (and
# from there to the link, where a second copy is refused).
set(CMAKE_C_FLAGS_INIT "${core_flags} -mthumb")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-nostartfiles")
if(AICONV_LIBC STREQUAL "picolibc")
  string(APPEND CMAKE_C_FLAGS_INIT " --specs=picolibc.specs")
else()
  string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " --specs=nano.specs")
endif()
set(CMAKE_CXX_FLAGS_INIT "${CMAKE_C_FLAGS_INIT}")

set(AICONV_ENGINE_HOST firmware)
# The program is the machine's kernel; it reports and exits by semihosting.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-system-arm -M ${AICONV_QEMU_MACHINE} -nographic
    -semihosting-config enable=on,target=native -monitor none -serial none -kernel)
