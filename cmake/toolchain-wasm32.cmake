# WebAssembly: the engine alone, compiled by Debian's clang for wasm32-wasi
# against wasi-libc (for memcpy and the like; no system interface is
# imported) and linked by lld. Tests run under Node.js.
set(CMAKE_SYSTEM_NAME Generic)  # no operating system CMake knows
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# memory.copy and memory.fill (every current browser and Node.js has them)
# instead of the C library's byte loops for memcpy and memset.
set(CMAKE_C_FLAGS_INIT -mbulk-memory)
set(CMAKE_CXX_FLAGS_INIT -mbulk-memory)
# A test program cannot run here; a static library shows the compiler works.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
# What the project builds around the engine for this target.
set(AICONV_ENGINE_HOST wasm)
# wasm-ld reads the symbol index of LLVM's archiver, not of binutils' ar.
find_program(AICONV_LLVM_AR NAMES llvm-ar llvm-ar-14)
find_program(AICONV_LLVM_RANLIB NAMES llvm-ranlib llvm-ranlib-14)
if(NOT AICONV_LLVM_AR OR NOT AICONV_LLVM_RANLIB)
  message(FATAL_ERROR "the WebAssembly build archives with LLVM's llvm-ar and llvm-ranlib (Debian: apt-get install llvm)")
endif()
set(CMAKE_AR ${AICONV_LLVM_AR})
set(CMAKE_RANLIB ${AICONV_LLVM_RANLIB})
