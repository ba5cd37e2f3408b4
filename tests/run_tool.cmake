# run(OUT COMMAND...): runs a tool for a test script and puts what it
# printed in OUT (name it _ when nothing is wanted); fails the test, showing
# the command and all it printed, when the tool fails. Every test script
# that runs tools includes this one helper.
function(run out)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE text ERROR_VARIABLE errors RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${text}\n${errors}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
