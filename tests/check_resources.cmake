# Fails unless the DLL carries its version record (file and product version
# from the build, US English), the type library and the framework's message.
# Reads the resources back with windres, so nothing of the DLL is run.
# -DLIBRARY=path -DWINDRES=windres -DVERSION=x.y.z.w
include(${CMAKE_CURRENT_LIST_DIR}/run_tool.cmake)
run(rc_text ${WINDRES} -J coff -O rc -i ${LIBRARY})

string(REPLACE "." ", " quad "${VERSION}")
foreach(expected
    "FILEVERSION ${quad}" "PRODUCTVERSION ${quad}"
    "VALUE \"FileVersion\", \"${VERSION}\"" "VALUE \"ProductVersion\", \"${VERSION}\""
    "VALUE \"Translation\", 0x409, 1200" "1 \"TYPELIB\""
    "61440, \"The extension module could not be initialised.\"")
  string(FIND "${rc_text}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${LIBRARY} lacks the resource line: ${expected}")
  endif()
endforeach()
message(STATUS "version ${VERSION}, type library and string table present")
