# Installs the build tree, then builds and runs a C consumer against the
# installed tree through find_package and through pkg-config.
# -DBUILD_DIR -DWORK_DIR -DCONSUMER_DIR -DC_COMPILER
include(${CMAKE_CURRENT_LIST_DIR}/run_tool.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
run(_ ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# find_package(AIConverter) and AIConverter::aiconverter
run(_ ${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/cmake-consumer -G Ninja
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_C_COMPILER=${C_COMPILER})
run(_ ${CMAKE_COMMAND} --build ${WORK_DIR}/cmake-consumer)
run(_ ${WORK_DIR}/cmake-consumer/consumer)

# pkg-config --cflags --libs aiconverter
file(GLOB_RECURSE pc_files ${prefix}/*/aiconverter.pc)
list(GET pc_files 0 pc_file)
get_filename_component(pc_dir ${pc_file} DIRECTORY)
run(pc_flags ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pc_dir} pkg-config --cflags --libs aiconverter)
separate_arguments(flags UNIX_COMMAND "${pc_flags}")
get_filename_component(lib_dir ${pc_dir} DIRECTORY)
run(_ ${C_COMPILER} ${CONSUMER_DIR}/../header_c_test.c ${flags} -o ${WORK_DIR}/pc-consumer)
run(_ ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${lib_dir} ${WORK_DIR}/pc-consumer)

# The installed command-line host finds its library by itself.
run(answer ${prefix}/bin/aiconvert 10 km to mi)
if(NOT answer STREQUAL "10 km -> 6.213712 mi\n")
  message(FATAL_ERROR "installed aiconvert answered: ${answer}")
endif()
