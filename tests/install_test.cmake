# Installs the build tree, then builds and runs a C consumer against the
# installed tree through find_package and through pkg-config.
# -DBUILD_DIR -DWORK_DIR -DCONSUMER_DIR -DC_COMPILER
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# find_package(AIConverter) and AIConverter::aiconverter
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/cmake-consumer -G Ninja
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_C_COMPILER=${C_COMPILER})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/cmake-consumer)
run(${WORK_DIR}/cmake-consumer/consumer)

# pkg-config --cflags --libs aiconverter
file(GLOB_RECURSE pc_files ${prefix}/*/aiconverter.pc)
list(GET pc_files 0 pc_file)
get_filename_component(pc_dir ${pc_file} DIRECTORY)
run(${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pc_dir} pkg-config --cflags --libs aiconverter)
separate_arguments(flags UNIX_COMMAND "${run_output}")
get_filename_component(lib_dir ${pc_dir} DIRECTORY)
run(${C_COMPILER} ${CONSUMER_DIR}/../header_c_test.c ${flags} -o ${WORK_DIR}/pc-consumer)
run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${lib_dir} ${WORK_DIR}/pc-consumer)

# The installed command-line host finds its library by itself.
run(${prefix}/bin/aiconvert 10 km to mi)
if(NOT run_output STREQUAL "10 km -> 6.213712 mi\n")
  message(FATAL_ERROR "installed aiconvert answered: ${run_output}")
endif()
