// The compiler's spellings, and the one policy for speed against size, for
// the engine and the module. GCC and clang build them (the build refuses
// other compilers), so there are no fallbacks to keep. Every macro here may
// be given from the build instead (-DAICONV_FOR_SIZE=1): this header then
// uses the definition provided. Internal to the engine and the module.
#pragma once

// ---- Spellings --------------------------------------------------------

// AICONV_NOINLINE keeps a function out of line, where size counts more
// than a call. AICONV_COLD also marks a rare road, kept small and out of
// the hot code (it is out of line too).
#ifndef AICONV_NOINLINE
#  define AICONV_NOINLINE __attribute__((noinline))
#endif
#ifndef AICONV_COLD
#  define AICONV_COLD __attribute__((cold, noinline))
#endif

// AICONV_ALWAYS_INLINE puts a small function into each caller even where
// the optimiser would weigh the growth against it: for the few word loops
// run on every byte of a query.
#ifndef AICONV_ALWAYS_INLINE
#  define AICONV_ALWAYS_INLINE __attribute__((always_inline)) inline
#endif

// AICONV_UNROLL(n) before a loop asks for it to be unrolled n times (clang
// takes GCC's spelling).
#define AICONV_PRAGMA(text) _Pragma(#text)
#ifndef AICONV_UNROLL
#  define AICONV_UNROLL(n) AICONV_PRAGMA(GCC unroll n)
#endif

// AICONV_RESTRICT: the pointer is the only way to what it points at, so the
// compiler may keep values in registers across writes through another.
#ifndef AICONV_RESTRICT
#  define AICONV_RESTRICT __restrict
#endif

// ---- Speed against size -----------------------------------------------
//
// Every build gives the same answers; these say which roads to them it
// carries. The libraries of 64-bit targets have room, and code there may
// grow for speed. The 32-bit ARM library, the microcontrollers and the
// WebAssembly module have budgets in bytes (docs/performance.md), and
// there a loop often costs less than the call a larger form becomes.

// AICONV_FOR_SIZE is 1 where the build asks for size (-Os: the
// microcontrollers and WebAssembly): shortcuts that only save time are
// left out.
#ifndef AICONV_FOR_SIZE
#  if defined(__OPTIMIZE_SIZE__)
#    define AICONV_FOR_SIZE 1
#  else
#    define AICONV_FOR_SIZE 0
#  endif
#endif

// AICONV_BYTES_FOR_SPEED is 1 where code may grow for speed beyond that:
// 64-bit targets.
#ifndef AICONV_BYTES_FOR_SPEED
#  if __SIZEOF_POINTER__ >= 8
#    define AICONV_BYTES_FOR_SPEED 1
#  else
#    define AICONV_BYTES_FOR_SPEED 0
#  endif
#endif

// AICONV_ONE_INSTRUCTION_PRODUCT is 1 where the full product of two 64-bit
// numbers is one instruction (the compiler has a 128-bit type: 64-bit
// targets and WebAssembly). Shortcuts that spare a product are worth their
// code only there; elsewhere it takes four 32-bit products.
#ifndef AICONV_ONE_INSTRUCTION_PRODUCT
#  if defined(__SIZEOF_INT128__)
#    define AICONV_ONE_INSTRUCTION_PRODUCT 1
#  else
#    define AICONV_ONE_INSTRUCTION_PRODUCT 0
#  endif
#endif

// AICONV_SOFT_DOUBLE is 1 where double arithmetic is a library call (ARM
// cores without a double-precision FPU: Cortex-M0 and M3, the M4F's FPU is
// single-precision), where integer arithmetic on a double's bits is the
// cheaper way to a number's digits.
#ifndef AICONV_SOFT_DOUBLE
#  if defined(__SOFTFP__) || (defined(__ARM_FP) && !(__ARM_FP & 8))
#    define AICONV_SOFT_DOUBLE 1
#  else
#    define AICONV_SOFT_DOUBLE 0
#  endif
#endif

// AICONV_HOT_INLINE puts a function on every query's road into each of its
// callers, unless the build is for size: there one copy serves them all.
#ifndef AICONV_HOT_INLINE
#  if AICONV_FOR_SIZE
#    define AICONV_HOT_INLINE
#  else
#    define AICONV_HOT_INLINE AICONV_ALWAYS_INLINE
#  endif
#endif

namespace aiconv {

inline constexpr bool kBytesForSpeed = AICONV_BYTES_FOR_SPEED;
inline constexpr bool kOneInstructionProduct = AICONV_ONE_INSTRUCTION_PRODUCT;

}  // namespace aiconv
