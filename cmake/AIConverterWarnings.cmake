# Warnings are errors on the project's own targets only, never on GoogleTest
# or other code built alongside.
function(aiconv_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# The engine and the module need the C library and nothing of the C++
# runtime: no exceptions, no RTTI, no unwind tables, no guarded statics.
# Anything that would pull in libstdc++ then fails to link the module.
function(aiconv_freestanding target)
  target_compile_options(${target} PRIVATE
      $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti -fno-threadsafe-statics>
      -fno-asynchronous-unwind-tables -fno-unwind-tables
      -ffunction-sections -fdata-sections)
endfunction()
