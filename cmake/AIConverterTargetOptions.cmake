# Options for this project's own targets, set per target so that nothing
# leaks into a parent project or into GoogleTest built alongside.

# Every target of ours: the language standard, warnings (errors when
# AICONV_WERROR), hidden symbols, IEEE double arithmetic as written on every
# processor, and the sanitizer and fuzzer instrumentation when those builds
# are asked for.
function(aiconv_target_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${AICONV_WERROR}>:-Werror>)
  # ISO C++17 and C99, without GNU extensions.
  set_target_properties(${target} PROPERTIES
      CXX_STANDARD 17 CXX_STANDARD_REQUIRED ON CXX_EXTENSIONS OFF
      C_STANDARD 99 C_STANDARD_REQUIRED ON C_EXTENSIONS OFF)
  # Nothing leaves a shared library unless it is exported on purpose.
  set_target_properties(${target} PROPERTIES
      C_VISIBILITY_PRESET hidden CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  # Each operation rounds once, in the order written: GCC (in C++) and clang
  # otherwise fuse a * b + c into one rounding wherever the processor has a
  # fused multiply-add (x86-64-v3, AArch64, POWER, RISC-V, s390x, Cortex-M7),
  # which changes the last digits of temperatures near zero.
  target_compile_options(${target} PRIVATE -ffp-contract=off)
  # 32-bit x86 would otherwise compute doubles on the x87 with 80-bit
  # intermediates, which changes the last digit of answers such as
  # "1.5 pt to ml". SSE2 gives IEEE double arithmetic, as every other target.
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86|X86|i[3-6]86)$")
    target_compile_options(${target} PRIVATE -msse2 -mfpmath=sse)
  endif()
  if(AICONV_SANITIZE)
    target_compile_options(${target} PRIVATE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(AICONV_BUILD_FUZZ)
    # Coverage for libFuzzer in every target; only fuzz targets link its main.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
endfunction()

# Not on Windows: MinGW's linker under LTO drops the export that the .def
# file names (and crashes when it is also marked dllexport).
if(NOT WIN32)
  include(CheckIPOSupported)
  check_ipo_supported(RESULT AICONV_IPO_SUPPORTED LANGUAGES C CXX)
endif()

# The engine and the module need the C library and nothing of the C++
# runtime: no exceptions, no RTTI, no unwind tables, no guarded statics.
# Anything that would pull in libstdc++ then fails to link the module.
# Optimised ELF builds compile them as one program: a call crosses the entry,
# parser, lookup and number files a dozen times, small calls the compiler
# inlines only when it sees them all.
function(aiconv_freestanding target)
  target_compile_options(${target} PRIVATE
      $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti -fno-threadsafe-statics>
      -fno-asynchronous-unwind-tables -fno-unwind-tables
      -ffunction-sections -fdata-sections)
  if(AICONV_IPO_SUPPORTED)
    set_property(TARGET ${target} PROPERTY INTERPROCEDURAL_OPTIMIZATION_RELEASE ON)
  endif()
  if(AICONV_TUNE_INLINING)
    target_compile_options(${target} PRIVATE --param=max-inline-insns-auto=200)
    target_link_options(${target} PRIVATE --param=max-inline-insns-auto=200)
  endif()
  if(AICONV_TUNE_SECTION_ANCHORS)
    target_compile_options(${target} PRIVATE -fno-section-anchors)
  endif()
endfunction()

# Tuning of the engine's code, per target: the flags it is built with beyond
# the build type, each with its reason, each an option a packager may turn
# off. None changes an answer; docs/performance.md has what they buy.
#
# A query crosses from the entry into the look-up and the number printer
# twice each: GCC's default limit leaves those calls out of line. Raised
# where a byte budget cannot feel the larger code (64-bit targets; the
# 32-bit ARM library would grow past its budget, and the Windows DLLs are
# not built as one program). Given to the link too, where link-time
# optimisation decides.
set(default OFF)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_SIZEOF_VOID_P EQUAL 8 AND NOT WIN32)
  set(default ON)
endif()
option(AICONV_TUNE_INLINING "Raise GCC's inlining limit for the engine (64-bit GCC builds other than Windows)" ${default})
# GCC on 32-bit ARM reaches constant data through one shared anchor plus an
# offset: an extra add for every byte the parser classifies through its
# table, and more code than each table's own address.
set(default OFF)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_SYSTEM_PROCESSOR STREQUAL "arm")
  set(default ON)
endif()
option(AICONV_TUNE_SECTION_ANCHORS "Build the engine without section anchors (GCC on 32-bit ARM)" ${default})
# Only the rare exact roads of number text use big integers: small beats fast.
option(AICONV_TUNE_SMALL_EXACT_ROAD "Build the engine's big-integer road for size (-Os)" ON)
unset(default)
message(STATUS "engine tuning: inlining ${AICONV_TUNE_INLINING}, no section anchors ${AICONV_TUNE_SECTION_ANCHORS}, "
               "small exact road ${AICONV_TUNE_SMALL_EXACT_ROAD}")

# The per-file part of that tuning, for the engine's own folder.
function(aiconv_engine_tuning)
  if(AICONV_TUNE_SMALL_EXACT_ROAD)
    set_source_files_properties(big_integer.cpp PROPERTIES COMPILE_OPTIONS -Os)
  endif()
endfunction()
