# Fails unless the library's export table is exactly AIConverter.
# -DLIBRARY=path -DNM=nm -DOBJDUMP=objdump -DWINDOWS=0|1
function(dump_of out)
  execute_process(COMMAND ${ARGN} ${LIBRARY} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGV1} failed on ${LIBRARY}")
  endif()
  set(${out} "${dump}" PARENT_SCOPE)
endfunction()

if(WINDOWS)
  dump_of(dump ${OBJDUMP} -p)
  # The name table follows "[Ordinal/Name Pointer] Table" as "[ n] Name" rows.
  string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table[^\n]*\n(([ \t]*\\[ *[0-9]+\\][^\n]*\n)*)" _ "${dump}")
  string(REGEX MATCHALL "\\] [^\n]+" symbols "${CMAKE_MATCH_1}")
  list(TRANSFORM symbols REPLACE "\\] " "")
else()
  dump_of(dump ${NM} -D --defined-only --format=posix)
  string(REGEX MATCHALL "[^\n]+" symbols "${dump}")
  list(TRANSFORM symbols REPLACE " .*" "")
endif()

if(NOT symbols STREQUAL "AIConverter")
  message(FATAL_ERROR "exported symbols of ${LIBRARY} are [${symbols}], expected [AIConverter]")
endif()
message(STATUS "exports: ${symbols}")
