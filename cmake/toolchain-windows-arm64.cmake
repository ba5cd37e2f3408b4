# Windows on ARM64 (machine 0xAA64), built with Debian's LLVM.
set(CMAKE_SYSTEM_PROCESSOR ARM64)
set(AICONV_WINDOWS_TRIPLE aarch64-w64-windows-gnu)
set(AICONV_WINDRES_TARGET aarch64-w64-mingw32)
set(AICONV_PE_MACHINE 0xAA64)
set(AICONV_DLLTOOL_MACHINE arm64)
set(AICONV_WINE_ARCH arm64)
include(${CMAKE_CURRENT_LIST_DIR}/windows-llvm-common.cmake)
