set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(AICONV_MINGW_TRIPLE x86_64-w64-mingw32)
set(AICONV_WINE /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
