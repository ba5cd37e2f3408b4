cmake_minimum_required(VERSION 3.25)  # lists keep empty elements (an empty query)
# The golden set: queries with the answers of the native library, for the
# builds that cannot run the native tests (WebAssembly, microcontrollers),
# which compare their own answers with it; every Linux build checks that the
# library still gives them (tests/golden_test.cpp).
#
#   cmake -DAICONVERT=path [-DEMULATOR=runner;args] -DGOLDEN=tests/golden/golden.tsv -P golden.cmake
#       makes the queries and writes each with the answer of aiconvert, the
#       tool that calls the library
#
# One line a query: the query (UTF-8, no tab or line break), a tab, the
# answer. aiconvert reads UTF-8 in the C.UTF-8 locale and calls the library
# as any host does, so the answers are AIConverter's for the same text.

# Answers from aiconvert, one a line, for the queries in the list QUERIES.
function(answers_of queries out)
  string(RANDOM LENGTH 8 tag)
  set(input ${CMAKE_CURRENT_BINARY_DIR}/golden-queries-${tag}.txt)  # the working folder
  list(JOIN queries "\n" text)
  file(WRITE ${input} "${text}\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${EMULATOR} ${AICONVERT}
      INPUT_FILE ${input} OUTPUT_VARIABLE output ERROR_QUIET RESULT_VARIABLE rc)
  file(REMOVE ${input})
  if(NOT rc MATCHES "^[01]$")
    message(FATAL_ERROR "aiconvert failed (${rc})")
  endif()
  string(REGEX REPLACE "\n$" "" output "${output}")
  string(REPLACE ";" "\\;" output "${output}")
  string(REPLACE "\n" ";" lines "${output}")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# The queries. Every pair of units within each category, with
# numbers of both printed forms and the three arrows in turn; every pair of
# categories (an error each); then errors, non-ASCII text, over-long input
# and numbers on the exact road.
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${EMULATOR} ${AICONVERT} --list-units
    OUTPUT_VARIABLE list RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "aiconvert --list-units failed")
endif()
string(REPLACE "\n" ";" lines "${list}")
set(categories "")
foreach(line IN LISTS lines)
  if(line MATCHES "^([a-z]+):$")
    set(category ${CMAKE_MATCH_1})
    list(APPEND categories ${category})
    set(units_${category} "")
  elseif(line MATCHES "^  \"([^\"]+)\" " OR line MATCHES "^  ([^ ]+) ")
    list(APPEND units_${category} "${CMAKE_MATCH_1}")
  endif()
endforeach()

set(numbers 1 2.5 -40 0.001 1e-7 123456789 1e300 3.14159265358979 0 -0 7e22 42 0.1
            999999.9999999 12345678901234567890 1.5e3 .5 5. +3 0.000123 -2.75 100)
set(arrows " to " " -> " " ")
set(queries "")
set(turn 0)
foreach(category IN LISTS categories)
  foreach(from IN LISTS units_${category})
    foreach(to IN LISTS units_${category})
      list(LENGTH numbers n)
      math(EXPR pick "${turn} % ${n}")
      list(GET numbers ${pick} number)
      math(EXPR pick "${turn} % 3")
      list(GET arrows ${pick} arrow)
      set(source "${from}")
      math(EXPR pick "${turn} % 11")
      if(pick EQUAL 0)
        string(TOUPPER "${from}" source)  # units ignore A-Z case
      endif()
      list(APPEND queries "${number} ${source}${arrow}${to}")
      math(EXPR turn "${turn} + 1")
    endforeach()
  endforeach()
endforeach()
foreach(a IN LISTS categories)
  foreach(b IN LISTS categories)
    if(NOT a STREQUAL b)
      list(GET units_${a} 0 from)
      list(GET units_${b} -1 to)
      list(APPEND queries "3 ${from} to ${to}")
    endif()
  endforeach()
endforeach()

# Errors and the query language's corners.
list(APPEND queries "" " " "km to m" "10" "10 " "10 km" "10 km to" "10 km ->" "nan km to m"
    "inf m to km" "-Infinity m to km" "0x10 m to cm" "1e m to cm" "1e+ m to cm" "- 5 m to cm"
    "10 km to parsec" "10 parsec to km" "10km mi" "10 km tomi" "5 kg tonne" "5 kg to tonne"
    "1 lbs. to kg" "1 KM. to m" "2 cubic   meter l" "1 FL OZ to ml" "1 fl oz -> ml" "1 ml to fl oz"
    "10 km to mi and more" "10 km->mi" "10 km ->mi" "   10 km to mi" "1e999 m to km" "-1e999 m to km"
    "1e-999 m to km" "72 fahrenheit -> c" "-459.67 f to k" "0 k to c" "100 centigrade to kelvin"
    "1 c to c" "451 F to C" "1 kelvin to celsius")
# Numbers on the exact road: long digit strings, extreme exponents.
list(APPEND queries "1e-320 m to km" "4.9e-324 m to m" "2.2250738585072011e-308 m to m"
    "0.1000000000000000055511151231257827021181583404541015625 m to cm"
    "9007199254740993 m to m" "123456789012345678901234567890 mm to km" "1.7976931348623157e308 m to km"
    "0.30000000000000004 m to cm" "1.00000000000000011102230246251565404236316680908203125 m to m")
# Text outside ASCII: never part of a number or unit; after the target, ignored.
list(APPEND queries "5 kg to µg" "5 µg to kg" "10 km to mi é" "10 km to mi Ж" "10 km to mi 中文"
    "10² m to cm" "2³ m3 to l" "−40 c to f" "１０ km to mi" "₁₀ m to cm" "10 km to mi 😀" "😀 10 km to mi"
    "10 km to m😀" "10 ㎞ to mi" "€5 to kg" "5 € to kg" "10 km to mï" "­10 km to mi" "10 km to mi ­")
# Over-long input: the library reads the first 999 bytes.
string(REPEAT " " 991 pad991)
string(REPEAT " " 992 pad992)
string(REPEAT "x" 1500 x1500)
string(REPEAT " " 1200 pad1200)
string(REPEAT " " 2000 pad2000)
string(REPEAT " " 59 pad59)
string(REPEAT "7" 70 digits70)
list(APPEND queries "1 m to${pad991}cm" "1 m to${pad992}cm" "5 m to cm ${x1500}" "${pad1200}"
    "5${pad2000}m to cm" "${pad59}12345 km to mi" "${digits70} m to km" "1 ${x1500} to m"
    "10 km to mi ${pad1200}é")

# Temperatures whose results fall near zero, where each formula's rounding
# shows in the printed digits (a fused multiply-add changes them): every
# pair's zero point cut to 2 to 17 significant digits, with its neighbours
# in the last digit, the scales written short and long in turn.
set(zero_points "c f -17.777777777777777777" "f c 31.999999999999999999" "c k -273.14999999999999999"
    "k c 273.14999999999999999" "f k -459.66999999999999999" "k f 255.37222222222222222")
set(scale_c c celsius centigrade)
set(scale_f f fahrenheit F)
set(scale_k k kelvin K)
set(turn 0)
foreach(point IN LISTS zero_points)
  string(REPLACE " " ";" point "${point}")
  list(GET point 0 from)
  list(GET point 1 to)
  list(GET point 2 number)
  string(REGEX MATCH "^(-?)([0-9]+)\.([0-9]+)$" _ "${number}")
  set(sign "${CMAKE_MATCH_1}")
  set(whole "${CMAKE_MATCH_2}")
  set(digits "${CMAKE_MATCH_2}${CMAKE_MATCH_3}")
  string(LENGTH "${whole}" whole_length)
  foreach(significant RANGE 2 17)
    if(significant LESS whole_length)
      continue()
    endif()
    math(EXPR kept "${significant} - 1")
    string(SUBSTRING "${digits}" 0 ${kept} head)
    string(SUBSTRING "${digits}" ${kept} 1 last)
    foreach(step -1 0 1)
      math(EXPR digit "${last} + ${step}")
      if(digit LESS 0 OR digit GREATER 9)
        continue()
      endif()
      set(cut "${head}${digit}")
      string(SUBSTRING "${cut}" 0 ${whole_length} integer)
      string(SUBSTRING "${cut}" ${whole_length} -1 fraction)
      set(value "${sign}${integer}")
      if(NOT fraction STREQUAL "")
        string(APPEND value ".${fraction}")
      endif()
      math(EXPR pick "${turn} % 3")
      list(GET scale_${from} ${pick} source)
      math(EXPR pick "(${turn} / 3) % 3")
      list(GET scale_${to} ${pick} target)
      list(GET arrows ${pick} arrow)
      list(APPEND queries "${value} ${source}${arrow}${target}")
      math(EXPR turn "${turn} + 1")
    endforeach()
  endforeach()
endforeach()

answers_of("${queries}" answers)
list(LENGTH queries count)
list(LENGTH answers answer_count)
if(NOT count EQUAL answer_count)
  message(FATAL_ERROR "${count} queries but ${answer_count} answers")
endif()
set(text "")
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  list(GET queries ${i} query)
  list(GET answers ${i} answer)
  string(APPEND text "${query}\t${answer}\n")
endforeach()
file(WRITE ${GOLDEN} "${text}")
message(STATUS "${count} queries written to ${GOLDEN}")
