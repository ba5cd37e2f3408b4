# Fails when an object file or archive calls for a stack probe (__chkstk,
# ___chkstk_ms): a frame of a page or more.
# -DNM=nm "-DOBJECTS=file;file..."
include(${CMAKE_CURRENT_LIST_DIR}/run_tool.cmake)
foreach(object IN LISTS OBJECTS)
  run(symbols ${NM} --undefined-only ${object})
  string(REGEX MATCHALL "[^\n]*chkstk[^\n]*" probes "${symbols}")
  if(probes)
    message(FATAL_ERROR "${object} calls for a stack probe: ${probes}")
  endif()
endforeach()
list(LENGTH OBJECTS count)
message(STATUS "no stack probe in ${count} files")
