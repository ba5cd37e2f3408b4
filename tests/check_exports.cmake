# Fails unless the library's export table is exactly AIConverter.
# -DLIBRARY=path -DNM=nm -DOBJDUMP=objdump -DWINDOWS=0|1
include(${CMAKE_CURRENT_LIST_DIR}/run_tool.cmake)

if(WINDOWS)
  run(dump ${OBJDUMP} -p ${LIBRARY})
  # The name table follows "[Ordinal/Name Pointer] Table" as "[ n] Name" rows.
  string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table[^\n]*\n(([ \t]*\\[ *[0-9]+\\][^\n]*\n)*)" _ "${dump}")
  string(REGEX MATCHALL "\\] [^\n]+" symbols "${CMAKE_MATCH_1}")
  list(TRANSFORM symbols REPLACE "\\] " "")
else()
  run(dump ${NM} -D --defined-only --format=posix ${LIBRARY})
  string(REGEX MATCHALL "[^\n]+" symbols "${dump}")
  list(TRANSFORM symbols REPLACE " .*" "")
endif()

if(NOT symbols STREQUAL "AIConverter")
  message(FATAL_ERROR "exported symbols of ${LIBRARY} are [${symbols}], expected [AIConverter]")
endif()
message(STATUS "exports: ${symbols}")
