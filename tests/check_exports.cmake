# Fails unless the library's export table is exactly AIConverter, and, with
# READOBJ (llvm-readobj, for the DLLs GNU binutils cannot read), unless it
# is a DLL for the processor MACHINE (0xAA64, 0x1C4).
# -DLIBRARY=path -DNM=nm -DOBJDUMP=objdump -DWINDOWS=0|1 [-DREADOBJ=llvm-readobj -DMACHINE=0x...]
include(${CMAKE_CURRENT_LIST_DIR}/run_tool.cmake)

if(READOBJ)
  run(headers ${READOBJ} --file-headers ${LIBRARY})
  string(REGEX MATCH "Machine: [A-Z_0-9]+ \\((0x[0-9A-Fa-f]+)\\)" _ "${headers}")
  string(TOUPPER "${CMAKE_MATCH_1}" machine)
  string(TOUPPER "${MACHINE}" wanted)
  if(NOT machine STREQUAL wanted)
    message(FATAL_ERROR "${LIBRARY} is for machine ${machine}, expected ${wanted}")
  endif()
  message(STATUS "machine: ${machine}")
  run(dump ${READOBJ} --coff-exports ${LIBRARY})
  # Export { Ordinal, Name, RVA }: a slot at RVA 0 exports nothing (lld
  # leaves ordinal 0 so).
  string(REGEX MATCHALL "Name: [^\n]*\n *RVA: 0x[0-9A-Fa-f]+" entries "${dump}")
  set(symbols "")
  foreach(entry IN LISTS entries)
    if(NOT entry MATCHES "RVA: 0x0+$")
      string(REGEX REPLACE "Name: ([^\n]*)\n.*" "\\1" name "${entry}")
      list(APPEND symbols "${name}")
    endif()
  endforeach()
elseif(WINDOWS)
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
