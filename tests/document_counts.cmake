# The documents that state how many units the table has state its count:
# each "<n> unit names" or "<n> units" in them must be UNIT_COUNT. (The
# manual pages are configured with it; the change log keeps history.)
# -DSOURCE_DIR -DUNIT_COUNT
file(GLOB documents ${SOURCE_DIR}/README.md ${SOURCE_DIR}/docs/*.md ${SOURCE_DIR}/wasm/README.md
     ${SOURCE_DIR}/packaging/debian/control ${SOURCE_DIR}/packaging/README-windows.txt)
set(checked 0)
foreach(document IN LISTS documents)
  file(READ ${document} text)
  string(REGEX MATCHALL "[0-9][0-9,]* unit names|[0-9][0-9,]* units" counts "${text}")
  foreach(count IN LISTS counts)
    string(REGEX REPLACE "[^0-9]" "" number "${count}")
    math(EXPR checked "${checked} + 1")
    if(NOT number EQUAL UNIT_COUNT)
      message(SEND_ERROR "${document} says \"${count}\"; the table has ${UNIT_COUNT} units")
    endif()
  endforeach()
endforeach()
message(STATUS "${checked} unit counts in the documents, each ${UNIT_COUNT}")
