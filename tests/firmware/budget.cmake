# Flash and RAM of everything the firmware library adds, as linked: the
# input sections from the engine's and the entries' archives that
# --gc-sections kept, read from the link map. Fails past a budget; also
# reports the whole program's figures.
# -DMAP=file.map -DCPU=name -DWHAT=text -DFLASH_BUDGET=bytes -DRAM_BUDGET=bytes
file(READ ${MAP} map)
string(FIND "${map}" "Linker script and memory map" start)
string(SUBSTRING "${map}" ${start} -1 map)  # what was kept, not what was discarded
# An input section: its name (maybe on a line of its own), address, size, object.
string(REGEX MATCHALL "\n (\\.[A-Za-z0-9_.$]+)[ \n]+0x[0-9a-f]+ +0x([0-9a-f]+) +[^\n]*" sections "${map}")
set(code 0)
set(constants 0)
set(data 0)
set(bss 0)
foreach(section IN LISTS sections)
  if(NOT section MATCHES "lib(aiconv_engine|aiconverter_firmware_code)\\.a\\(")
    continue()
  endif()
  string(REGEX MATCH "\n (\\.[A-Za-z0-9_.$]+)[ \n]+0x[0-9a-f]+ +0x([0-9a-f]+)" _ "${section}")
  set(name ${CMAKE_MATCH_1})
  math(EXPR size "0x${CMAKE_MATCH_2}")
  if(name MATCHES "^\\.text")
    math(EXPR code "${code} + ${size}")
  elseif(name MATCHES "^\\.rodata")
    math(EXPR constants "${constants} + ${size}")
  elseif(name MATCHES "^\\.data")
    math(EXPR data "${data} + ${size}")
  elseif(name MATCHES "^\\.bss|^COMMON")
    math(EXPR bss "${bss} + ${size}")
  endif()
endforeach()
math(EXPR flash "${code} + ${constants} + ${data}")
math(EXPR ram "${data} + ${bss}")
message(STATUS "${CPU} ${WHAT}: flash ${flash} bytes (${code} code, ${constants} constants, ${data} data; "
               "budget ${FLASH_BUDGET}), RAM ${ram} bytes (${data} data, ${bss} bss; budget ${RAM_BUDGET})")

# The whole program, for comparison: every output section's size.
string(REGEX MATCHALL "\n(\\.text|\\.ARM\\.exidx|\\.data|\\.bss)[ \n]+0x[0-9a-f]+ +0x([0-9a-f]+)" outputs "${map}")
set(whole_flash 0)
set(whole_ram 0)
foreach(output IN LISTS outputs)
  string(REGEX MATCH "\n([^ \n]+)[ \n]+0x[0-9a-f]+ +0x([0-9a-f]+)" _ "${output}")
  set(name ${CMAKE_MATCH_1})
  math(EXPR size "0x${CMAKE_MATCH_2}")
  if(NOT name STREQUAL ".bss")
    math(EXPR whole_flash "${whole_flash} + ${size}")
  endif()
  if(name STREQUAL ".data" OR name STREQUAL ".bss")
    math(EXPR whole_ram "${whole_ram} + ${size}")
  endif()
endforeach()
message(STATUS "${CPU} whole test program: flash ${whole_flash} bytes, RAM ${whole_ram} bytes "
               "(with the test harness, libgcc and the C library)")

if(code EQUAL 0)
  message(FATAL_ERROR "no sections of the firmware library found in ${MAP}")
endif()
if(flash GREATER FLASH_BUDGET OR ram GREATER RAM_BUDGET)
  message(FATAL_ERROR "the firmware library is over its budget")
endif()
