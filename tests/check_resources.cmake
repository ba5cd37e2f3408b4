# Fails unless the DLL carries its version record (file and product version
# from the build, US English), the type library and the framework's message.
# Reads the resources back with windres, so nothing of the DLL is run; with
# READOBJ (llvm-readobj, for the DLLs windres cannot read) from the
# resource tree and the bytes of each resource.
# -DLIBRARY=path -DWINDRES=windres -DVERSION=x.y.z.w [-DREADOBJ=llvm-readobj]
include(${CMAKE_CURRENT_LIST_DIR}/run_tool.cmake)

# The hex digits of TEXT as UTF-16LE, as resources hold strings.
function(utf16_hex text out)
  string(HEX "${text}" hex)
  string(REGEX REPLACE "(..)" "\\100" hex "${hex}")
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

if(READOBJ)
  run(tree ${READOBJ} --coff-resources ${LIBRARY})
  # Every resource's bytes, in order, as one run of hex digits.
  string(REGEX MATCHALL "\n *[0-9A-F]+: ([0-9A-F]+ ?)+" rows "${tree}")
  list(TRANSFORM rows REPLACE "^\n *[0-9A-F]+: " "")
  string(REPLACE ";" "" bytes "${rows}")
  string(REPLACE " " "" bytes "${bytes}")
  string(TOLOWER "${bytes}" bytes)
  string(REPLACE "." ";" parts "${VERSION}")
  set(words "")
  foreach(part IN LISTS parts)
    math(EXPR word "${part}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${word}" 2 -1 word)
    string(PREPEND word "000")
    string(LENGTH "${word}" length)
    math(EXPR from "${length} - 4")
    string(SUBSTRING "${word}" ${from} 4 word)
    list(APPEND words "${word}")
  endforeach()
  # VS_FIXEDFILEINFO: its signature and structure version, then the file
  # and product versions, each as two little-endian 32-bit halves; the
  # translation US English, Unicode (0x0409, 1200).
  list(GET words 0 major)
  list(GET words 1 minor)
  list(GET words 2 patch)
  list(GET words 3 tweak)
  macro(le16 word out)
    string(SUBSTRING "${word}" 2 2 low)
    string(SUBSTRING "${word}" 0 2 high)
    set(${out} "${low}${high}")
  endmacro()
  le16(${major} a)
  le16(${minor} b)
  le16(${patch} c)
  le16(${tweak} d)
  set(quad "${b}${a}${d}${c}")
  utf16_hex("FileVersion" file_key)
  utf16_hex("ProductVersion" product_key)
  utf16_hex("${VERSION}" version_text)
  utf16_hex("040904B0" block_key)
  utf16_hex("The extension module could not be initialised." message)
  foreach(expected
      "Type: TYPELIB" "Type: VERSIONINFO" "Type: STRINGTABLE" "Name: (ID 3841)" "Language: (ID 1033)")
    string(FIND "${tree}" "${expected}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${LIBRARY} lacks the resource entry: ${expected}")
    endif()
  endforeach()
  foreach(expected "bd04effe00000100${quad}${quad}" "${file_key}" "${product_key}" "${version_text}"
                   "${block_key}" "0904b004" "${message}")
    string(TOLOWER "${expected}" expected)
    string(FIND "${bytes}" "${expected}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${LIBRARY} lacks the resource bytes ${expected}")
    endif()
  endforeach()
  message(STATUS "version ${VERSION}, type library and string table present")
  return()
endif()

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
