# 32-bit Windows on ARM (ARMNT, machine 0x1C4: Thumb-2), built with Debian's
# LLVM: the processor of the devices the library was first made for.
set(CMAKE_SYSTEM_PROCESSOR ARM)
set(AICONV_WINDOWS_TRIPLE armv7-w64-windows-gnu)
set(AICONV_WINDRES_TARGET armv7-w64-mingw32)
set(AICONV_PE_MACHINE 0x1C4)
set(AICONV_DLLTOOL_MACHINE arm)
set(AICONV_WINE_ARCH armhf)
include(${CMAKE_CURRENT_LIST_DIR}/windows-llvm-common.cmake)
