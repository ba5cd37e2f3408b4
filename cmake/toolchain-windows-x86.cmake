# 32-bit Windows: 32-bit pointers and 16-bit wchar_t, like the target devices.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(AICONV_MINGW_TRIPLE i686-w64-mingw32)
set(AICONV_WINE /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
