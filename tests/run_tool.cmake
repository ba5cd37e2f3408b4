# run(OUT COMMAND...): runs a tool on the library and puts what it printed in
# OUT; fails the check when the tool fails. For the scripts that inspect the
# built library (LIBRARY is the script's own argument).
function(run out)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE text ERROR_VARIABLE errors RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGV1} failed on ${LIBRARY}: ${errors}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
