# Builds tests/firmware/consumer with this build's toolchain, checks that it
# links with the C driver and nothing of libstdc++, and runs it on the
# target. -DSOURCE_DIR -DWORK_DIR -DTOOLCHAIN -DCPU -DLIBC -DLINKER_SCRIPT -DEMULATOR
include(${CMAKE_CURRENT_LIST_DIR}/../run_tool.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
run(_ ${CMAKE_COMMAND} -S ${SOURCE_DIR}/tests/firmware/consumer -B ${WORK_DIR} -G Ninja
    -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DAICONV_CPU=${CPU} -DAICONV_LIBC=${LIBC} -DCMAKE_BUILD_TYPE=MinSizeRel
    -DAICONV_SOURCE=${SOURCE_DIR} -DHARNESS=${SOURCE_DIR}/tests/firmware -DLINKER_SCRIPT=${LINKER_SCRIPT})
run(log ${CMAKE_COMMAND} --build ${WORK_DIR} --verbose)
string(REGEX MATCH "[^\n]* -o firmware[^\n]*" link "${log}")
message(STATUS "link line: ${link}")
if(NOT link MATCHES "arm-none-eabi-gcc " OR link MATCHES "stdc\\+\\+")
  message(FATAL_ERROR "the firmware is not linked by the C driver alone")
endif()
run(_ ${EMULATOR} ${WORK_DIR}/firmware)
