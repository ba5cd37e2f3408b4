# Warnings are errors on the project's own targets only, never on GoogleTest
# or other code built alongside.
function(aiconv_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
