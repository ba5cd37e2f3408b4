# GoogleTest: the installed package for native builds; for cross builds the
# installed binaries are for the build machine, so build it from Debian's
# source tree with the cross compiler instead.
set(AICONV_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources for cross builds")

if(CMAKE_CROSSCOMPILING)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${AICONV_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Every test executable is registered the same way. Discovery gives one ctest
# entry per test case; under an emulator each entry is a process start, so
# cross builds register one entry per executable instead.
option(AICONV_DISCOVER_TESTS "Register each GoogleTest case with ctest" ON)

include(AIConverterSkipReasons)
function(aiconv_add_gtest target)
  target_link_libraries(${target} PRIVATE GTest::gtest_main)
  aiconv_target_options(${target})
  if(AICONV_DISCOVER_TESTS)
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
                         XML_OUTPUT_DIR ${AICONV_TEST_RESULTS})
  else()
    add_test(NAME ${target} COMMAND ${target})
  endif()
endfunction()
