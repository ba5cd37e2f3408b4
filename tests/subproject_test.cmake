# Builds tests/subproject (a parent that adds this project as a
# subdirectory) with GoogleTest and Google Benchmark made unfindable, runs
# it, and checks that installing the parent installs nothing of ours.
# -DSOURCE_DIR -DWORK_DIR -DPARENT_DIR -DC_COMPILER -DCXX_COMPILER
include(${CMAKE_CURRENT_LIST_DIR}/run_tool.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
run(_ ${CMAKE_COMMAND} -S ${PARENT_DIR} -B ${WORK_DIR}/build -G Ninja
    -DAICONV_SOURCE=${SOURCE_DIR} -DCMAKE_C_COMPILER=${C_COMPILER} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON)
run(_ ${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(_ ${WORK_DIR}/build/parent)
run(_ ${CMAKE_COMMAND} --install ${WORK_DIR}/build --prefix ${WORK_DIR}/prefix)
file(GLOB_RECURSE installed RELATIVE ${WORK_DIR}/prefix ${WORK_DIR}/prefix/*)
if(NOT installed STREQUAL "bin/parent")
  message(FATAL_ERROR "installing the parent installed: ${installed}")
endif()
