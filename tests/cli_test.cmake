# Runs aiconvert as a user would and checks its output and exit status.
# -DAICONVERT=path [-DEMULATOR=runner;args] -DWORK_DIR=dir -DVERSION=x.y.z.w
# -DMAN_PAGE=path
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
expect(1 "ERROR: could not parse units or arrow\n" INPUT "5 kg to \xff\n")

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
expect(1 "ERROR: could not parse number\n" STDERR "^$" ARGS km to m)

expect(0 "aiconvert ${VERSION}\n" ARGS --version)
expect(2 "" ARGS --frobnicate)
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

execute_process(COMMAND ${EMULATOR} ${AICONVERT} --list-units OUTPUT_VARIABLE units RESULT_VARIABLE rc)
string(REPLACE "\r" "" units "${units}")
string(REGEX MATCHALL "[^\n]+" lines "${units}")
list(LENGTH lines count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 12
   OR NOT units MATCHES "^length: m meter metre meters km "
   OR NOT units MATCHES "\nvolume: m3 cubic meter l "
   OR NOT units MATCHES "\ndata: bit bits kb mb gb tb kib mib gib byte bytes b\n$")
  message(SEND_ERROR "--list-units: status ${rc}\n${units}")
endif()
