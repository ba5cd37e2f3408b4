# aiconvert under failing standard streams: each case must end (no hang),
# name the failure on standard error and exit with status 2.
# -DAICONVERT=path [-DEMULATOR=runner;args]
list(JOIN EMULATOR " " runner)
set(tool "${runner} ${AICONVERT}")

# case(<name> <shell command> <stderr regex>)
set(failures 0)
function(case name command pattern)
  execute_process(COMMAND sh -c "${command}" TIMEOUT 60
      OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT err MATCHES "${pattern}")
    message(SEND_ERROR "${name}: `${command}` ended with ${rc}\nstderr: ${err}\nexpected: ${pattern}")
  endif()
endfunction()

# "status N" is the tool's own exit status, printed by the shell.
case("disk full" "${tool} 10 km to mi > /dev/full; echo status $? >&2"
     "aiconvert: cannot write standard output: [^\n]+\nstatus 2\n$")
case("stdout closed" "${tool} 10 km to mi >&-; echo status $? >&2"
     "aiconvert: cannot write standard output: [^\n]+\nstatus 2\n$")
case("stdout closed, reading lines" "echo '1 m to cm' | ${tool} >&-; echo status $? >&2"
     "aiconvert: cannot write standard output: [^\n]+\nstatus 2\n$")
# A closed pipe is reported the same whether or not the parent ignores
# SIGPIPE: the tool ignores it itself.
case("broken pipe"
     "{ yes '10 km to mi' | ${tool}; echo status $? >&2; } | head -n 1 >/dev/null"
     "aiconvert: cannot write standard output: .*status 2\n$")
case("broken pipe with SIGPIPE ignored"
     "trap '' PIPE; { yes '10 km to mi' | ${tool}; echo status $? >&2; } | head -n 1 >/dev/null"
     "aiconvert: cannot write standard output: .*status 2\n$")
case("stdin closed" "${tool} <&-; echo status $? >&2"
     "aiconvert: cannot read standard input: [^\n]+\nstatus 2\n$")
case("stdin a directory" "${tool} < /; echo status $? >&2"
     "aiconvert: cannot read standard input: [^\n]+\nstatus 2\n$")
