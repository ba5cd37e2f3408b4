# ctest marks a skipped test "Skipped" and keeps the reason in its log; this
# prints each skipped case's reason after the run, from the results that the
# GoogleTest cases wrote and the .skip lines of other tests.
# -DRESULTS_DIR=dir [-DCLEAR=ON: only remove them]
file(GLOB results "${RESULTS_DIR}/*.xml")
file(GLOB notes "${RESULTS_DIR}/*.skip")
if(CLEAR)
  if(results OR notes)
    file(REMOVE ${results} ${notes})
  endif()
  return()
endif()
foreach(note IN LISTS notes)
  file(STRINGS "${note}" lines)
  foreach(line IN LISTS lines)
    message("${line}")
  endforeach()
endforeach()
string(ASCII 1 semicolon)  # a list would split at the entities' ';'
foreach(result IN LISTS results)
  file(READ "${result}" xml)
  string(REPLACE ";" "${semicolon}" xml "${xml}")
  string(REGEX MATCHALL "name=\"[^\"]*\"[^>]*classname=\"[^\"]*\">[ \t\n]*<skipped message=\"[^\"]*\""
         skips "${xml}")
  foreach(skip IN LISTS skips)
    string(REGEX MATCH "name=\"([^\"]*)\".*classname=\"([^\"]*)\".*message=\"([^\"]*)\"" _ "${skip}")
    set(test "${CMAKE_MATCH_2}.${CMAKE_MATCH_1}")
    set(reason "${CMAKE_MATCH_3}")
    string(REPLACE "${semicolon}" ";" reason "${reason}")
    string(REGEX REPLACE "^[^&]*&#x0A;" "" reason "${reason}")  # the file:line prefix
    string(REPLACE "&#x0A;" " " reason "${reason}")
    string(REPLACE "&quot;" "\"" reason "${reason}")
    string(REPLACE "&lt;" "<" reason "${reason}")
    string(REPLACE "&gt;" ">" reason "${reason}")
    string(REPLACE "&amp;" "&" reason "${reason}")
    message("skipped ${test}: ${reason}")
  endforeach()
endforeach()
