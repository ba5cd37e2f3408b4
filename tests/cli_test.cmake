# Runs aiconvert as a user would and checks its output and exit status.
# -DAICONVERT=path [-DEMULATOR=runner;args] -DWORK_DIR=dir -DVERSION=x.y.z.w
# -DMAN_PAGE=path -DWINDOWS=0|1 -DUNIT_COUNT=n
set(failures 0)

# expect(<status> <stdout> [INPUT <text>] [STDERR <regex>] ARGS <arg>...)
function(expect status output)
  cmake_parse_arguments(PARSE_ARGV 2 run "" "INPUT;STDERR" "ARGS")
  set(input_file ${WORK_DIR}/aiconvert_input.txt)
  file(WRITE ${input_file} "${run_INPUT}")
  execute_process(
      COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${EMULATOR} ${AICONVERT} ${run_ARGS}
      INPUT_FILE ${input_file}
      OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE rc)
  string(REPLACE "\r" "" actual "${actual}")
  if(NOT rc STREQUAL status OR NOT actual STREQUAL output OR NOT errors MATCHES "${run_STDERR}")
    message(SEND_ERROR "aiconvert ${run_ARGS} (input: ${run_INPUT})\n"
        "  expected status ${status} and:\n${output}\n"
        "  got status ${rc} and:\n${actual}${errors}\n  expected on stderr: ${run_STDERR}")
  endif()
endfunction()

expect(0 "10 km -> 6.213712 mi\n" ARGS 10 km to mi)
expect(0 "-40 c -> -40 f\n" ARGS "-40 c" to f)
expect(1 "ERROR: incompatible units (length vs mass)\n" ARGS 1 m to kg)
# Typed in a UTF-8 terminal, the micro sign reaches the library as one
# character that is no unit; invalid UTF-8 is no unit either.
expect(1 "ERROR: could not parse units or arrow\n" ARGS 5 kg to µg)
string(ASCII 255 not_utf8)
expect(1 "ERROR: could not parse units or arrow\n" INPUT "5 kg to ${not_utf8}\n")

# Standard input: one answer a line; the status reports any error line.
expect(0 "1 m -> 100 cm\n2 h -> 120 min\n" INPUT "1 m to cm\n2 h to min\n")
expect(1 "1 m -> 100 cm\nERROR: could not parse number\n1 kb -> 125 byte\n"
    INPUT "1 m to cm\n\n1 kb to byte")
expect(0 "" INPUT "")
# A 0x1A byte is data, not the end of input (text-mode Windows streams
# would stop there); CR LF ends a line.
string(ASCII 26 substitute)
expect(0 "1 m -> 100 cm\n2 h -> 120 min\n" INPUT "1 m to cm ${substitute}\r\n2 h to min\r\n")

# A misspelt unit, source or target, gets a hint on stderr; stdout is the
# library's answer alone.
set(bad "ERROR: could not parse units or arrow\n")
expect(1 "${bad}" STDERR "^aiconvert: no unit \"kmm\"; did you mean km, mm or km2\\?\n$" ARGS 10 kmm to mi)
expect(1 "${bad}" STDERR "^aiconvert: no unit \"Mille\"; did you mean mile or miles\\?\n$" ARGS 1 km to Mille)
expect(1 "${bad}" STDERR "^aiconvert: no unit \"fl\"; did you mean " ARGS 1 ml to fl oz)
expect(1 "${bad}" STDERR "^aiconvert: no unit \"parsec\"\n$" ARGS 10 km to parsec)
expect(1 "${bad}" STDERR "^$" ARGS 10 km)
# Where the parser read something else than the word typed, the hint says
# what it read, not a fragment: a target beginning with "to" gives the arrow;
# a number runs to its 63rd byte. A word far longer than any name has no
# near names (and costs no search).
expect(1 "${bad}" STDERR "^aiconvert: no unit \"n\": \"ton\" reads as the arrow \"to\" and \"n\"; write \"to ton\"\n$"
    ARGS 1 kg ton)
expect(1 "${bad}" STDERR "reads as the arrow \"to\" and \"rr\"; write \"to torr\"" ARGS 1 mbar torr)
string(REPEAT "7" 70 digits70)
expect(1 "${bad}" STDERR "^aiconvert: no unit \"7777777\": a number is read to its 63rd character" ARGS ${digits70} m to km)
string(REPEAT "k" 5000 long_word)
expect(1 "${bad}" STDERR "^aiconvert: no unit \"kkkk[k]*[^;]*\"\n$" ARGS 1 ${long_word} to m)
# Format characters are escaped like control characters: a right-to-left
# override would reorder the hint's text. Where the tool has no UTF-8 locale
# its bytes are no text and show as '?': Windows hands it its arguments in
# the ANSI code page, and under qemu a big-endian guest cannot read the
# host's locale files.
string(ASCII 226 128 174 right_to_left_override)  # U+202E in UTF-8
if(WINDOWS)
  set(shown "k\\?m")
elseif(EMULATOR)
  set(shown "k(\\\\u202e|\\?\\?\\?)m")
else()
  set(shown "k\\\\u202em")
endif()
expect(1 "${bad}" STDERR "^aiconvert: no unit \"${shown}\"" ARGS "1 k${right_to_left_override}m to mi")
expect(1 "ERROR: could not parse number\n" STDERR "^$" ARGS km to m)

# Options as people type them; a negative number is a query.
expect(0 "-40 c -> -40 f\n" ARGS -40 c to f)
expect(0 "-40 c -> -40 f\n" ARGS -- -40 c to f)
expect(0 "-0.5 m -> -50 cm\n" ARGS -.5 m to cm)
foreach(version_option --version -V)
  execute_process(COMMAND ${EMULATOR} ${AICONVERT} ${version_option} OUTPUT_VARIABLE text RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT text MATCHES "^aiconvert ${VERSION} \\(line editing: (libedit|plain)\\)\r?\n$")
    message(SEND_ERROR "${version_option}: status ${rc}\n${text}")
  endif()
endforeach()
expect(2 "" STDERR "^aiconvert: unknown option --frobnicate\nusage:" ARGS --frobnicate)
expect(2 "" STDERR "^aiconvert: unknown option -x\nusage:" ARGS -x 10 km to mi)
expect(2 "" STDERR "^aiconvert: too many arguments for -h\n" ARGS -h 10)
expect(2 "" STDERR "^aiconvert: too many arguments for --list-units\n" ARGS --list-units a b)

# Notes where the case typed means another unit than the one read: one row
# each, and spellings that need none. The answer itself never changes.
set(case_notes
    "1 mW to W|mw -> 1000000 w|\"mW\" reads as mw \\(megawatt\\). units ignore case, and there is no milliwatt"
    "1 mPa to pa|mpa -> 1000000 pa|\"mPa\" reads as mpa \\(megapascal\\).*no millipascal"
    "1 mJ to j|mj -> 1000000 j|\"mJ\" reads as mj \\(megajoule\\).*no millijoule"
    "1 Mm to km|mm -> 1e-06 km|\"Mm\" reads as mm \\(millimetre\\).*no megametre"
    "1 Mm2 to m2|mm2 -> 1e-06 m2|\"Mm2\" reads as mm2 \\(square millimetre\\)"
    "1 Mg to kg|mg -> 1e-06 kg|\"Mg\" reads as mg \\(milligram\\).*no megagram"
    "1 ML to l|ml -> 0.001 l|\"ML\" reads as ml \\(millilitre\\).*no megalitre"
    "1 Mbar to pa|mbar -> 100 pa|\"Mbar\" reads as mbar \\(millibar\\).*no megabar"
    "1 kB to bit|kb -> 1000 bit|\"kB\" reads as kb \\(kilobit, 1000 bit\\). bytes are \"b\"/\"byte\""
    "1 MB to kb|mb -> 1000 kb|\"MB\" reads as mb \\(megabit, 1000000 bit\\). bytes are \"b\"/\"byte\""
    "1 GB to mb|gb -> 1000 mb|\"GB\" reads as gb \\(gigabit"
    "1 TB to gb|tb -> 1000 gb|\"TB\" reads as tb \\(terabit"
    "1 KiB to bit|kib -> 1024 bit|\"KiB\" reads as kib \\(kibibit"
    "1 bit to MiB|mib|\"MiB\" reads as mib \\(mebibit"
    "1 GiB to mb|gib -> 1073.741824 mb|\"GiB\" reads as gib \\(gibibit"
    "1 MW to kw|mw -> 1000 kw|^$"
    "1 Mb to kb|mb -> 1000 kb|^$"
    "1 mm to m|mm -> 0.001 m|^$"
    "1 B to bit|b -> 8 bit|^$")
foreach(row IN LISTS case_notes)
  string(REGEX MATCH "^([^|]*)\\|([^|]*)\\|(.*)$" _ "${row}")
  set(query "${CMAKE_MATCH_1}")
  set(answer "${CMAKE_MATCH_2}")
  set(note "${CMAKE_MATCH_3}")
  if(NOT note STREQUAL "^$")
    set(note "^aiconvert: note: ${note}")
  endif()
  separate_arguments(words UNIX_COMMAND "${query}")
  execute_process(COMMAND ${EMULATOR} ${AICONVERT} ${words}
      OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "${answer}" OR NOT err MATCHES "${note}")
    message(SEND_ERROR "aiconvert ${query}: status ${rc}\n${out}${err}expected note: ${note}")
  endif()
endforeach()

# (A list element cannot hold a semicolon: "." stands for the notes' ones.)

# Words echoed to the terminal: control bytes escaped, bytes that are not
# UTF-8 as '?', a long word cut after 40 characters.
string(ASCII 27 escape)
string(ASCII 7 bell)
string(REPEAT "x" 100 long)
expect(1 "${bad}" STDERR "^aiconvert: no unit \"k\\\\x1b\\[31mm\\\\x07\"\n$" ARGS "10 k${escape}[31mm${bell} to mi")
if(NOT WINDOWS)  # there the C library reads every byte as a character
  expect(1 "${bad}" STDERR "^aiconvert: no unit \"k\\?m\"" INPUT "10 k${not_utf8}m to mi\n")
endif()
string(REPEAT "x" 40 shown)
# (an ellipsis in the terminal's encoding, or "...")
expect(1 "${bad}" STDERR "^aiconvert: no unit \"${shown}[^x\"]+\"\n$" ARGS "10 ${long} to mi")
expect(2 "" STDERR "^aiconvert: unknown option --a\\\\tb\n" ARGS "--a\tb")
execute_process(COMMAND ${EMULATOR} ${AICONVERT} --help OUTPUT_VARIABLE help RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT help MATCHES "usage: aiconvert")
  message(SEND_ERROR "--help: status ${rc}\n${help}")
endif()
# The man page keeps in step with --help: every option, every exit status.
file(READ ${MAN_PAGE} man)
string(REGEX MATCHALL "--[a-z-]+" options "${help}")
foreach(option IN LISTS options)
  string(REPLACE "-" "\\-" escaped "${option}")
  string(FIND "${man}" "${escaped}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "the man page does not mention ${option}")
  endif()
endforeach()
foreach(status 0 1 2)
  if(NOT help MATCHES "${status} " OR NOT man MATCHES "\n\\.B ${status}\n")
    message(SEND_ERROR "exit status ${status} is missing from --help or the man page")
  endif()
endforeach()

# The unit list: every unit on a line of its own under its category, with
# what it is; an argument keeps a category or the names that hold it.
execute_process(COMMAND ${EMULATOR} ${AICONVERT} --list-units OUTPUT_VARIABLE units RESULT_VARIABLE rc)
string(REPLACE "\r" "" units "${units}")
string(REGEX MATCHALL "\n  [^\n]+" rows "${units}")
list(LENGTH rows count)
if(NOT rc EQUAL 0 OR NOT count EQUAL UNIT_COUNT
   OR NOT units MATCHES "^length:\n  m +metre, 1 m\n"
   OR NOT units MATCHES "\n  mi +mile, 1609.344 m\n"
   OR NOT units MATCHES "\n  \"cubic meter\" +cubic metre, 1 m3\n"
   OR NOT units MATCHES "\n  c +degree Celsius\n"
   OR NOT units MATCHES "\n  ton +US short ton, 907.18474 kg\n"
   OR NOT units MATCHES "\ndata:\n  bit +1 bit\n")
  message(SEND_ERROR "--list-units: status ${rc}, ${count} units\n${units}")
endif()
execute_process(COMMAND ${EMULATOR} ${AICONVERT} --list-units Temperature OUTPUT_VARIABLE units RESULT_VARIABLE rc)
string(REPLACE "\r" "" units "${units}")
if(NOT rc EQUAL 0 OR NOT units MATCHES "^temperature:\n  c +degree Celsius\n(  [^\n]+\n)+$")
  message(SEND_ERROR "--list-units Temperature: status ${rc}\n${units}")
endif()
execute_process(COMMAND ${EMULATOR} ${AICONVERT} --list-units oz OUTPUT_VARIABLE units RESULT_VARIABLE rc)
string(REPLACE "\r" "" units "${units}")
if(NOT rc EQUAL 0 OR NOT units MATCHES "^mass:\n  oz +ounce[^\n]*\nvolume:\n  \"fl oz\" [^\n]*\n  floz [^\n]*\n$")
  message(SEND_ERROR "--list-units oz: status ${rc}\n${units}")
endif()
expect(1 "" STDERR "^aiconvert: no category or unit name holds \"parsec\"\n$" ARGS --list-units parsec)
