# ctest shows a skipped test without its reason: the tests write their
# results into AICONV_TEST_RESULTS (GoogleTest's XML, or a NAME.skip line),
# and ctest prints the reasons of the skipped ones after the run.
set(AICONV_TEST_RESULTS ${CMAKE_BINARY_DIR}/test-results)
set(aiconv_skip_script ${PROJECT_SOURCE_DIR}/tests/skip_reasons.cmake)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/CTestCustom.cmake @ONLY CONTENT [==[
set(CTEST_CUSTOM_PRE_TEST "\"@CMAKE_COMMAND@\" \"-DRESULTS_DIR=@AICONV_TEST_RESULTS@\" -DCLEAR=ON -P \"@aiconv_skip_script@\"")
set(CTEST_CUSTOM_POST_TEST "\"@CMAKE_COMMAND@\" \"-DRESULTS_DIR=@AICONV_TEST_RESULTS@\" -P \"@aiconv_skip_script@\"")
]==])
