// Compiler-specific spellings in one place, each with a plain fallback for
// other compilers: the code stays correct without them, only larger or
// slower. Internal to the engine and the module.
#pragma once

#include <cstdint>

// AICONV_NOINLINE keeps a function out of line, where size counts more than a call.
// AICONV_COLD also marks a rare road, kept small and out of the hot code.
#if defined(__GNUC__)
#  define AICONV_NOINLINE __attribute__((noinline))
#  define AICONV_COLD __attribute__((cold, noinline))
#else
#  define AICONV_NOINLINE
#  define AICONV_COLD
#endif

// AICONV_ALWAYS_INLINE puts a small function into each caller even where
// the optimiser would weigh the growth against it: for the few word loops
// run on every byte of a query.
#if defined(__GNUC__)
#  define AICONV_ALWAYS_INLINE __attribute__((always_inline)) inline
#else
#  define AICONV_ALWAYS_INLINE inline
#endif

// AICONV_FOR_SIZE is 1 where the build asks for size (-Os: the
// microcontrollers and WebAssembly, whose budgets are in bytes): shortcuts
// that only save time are left out there.
#if defined(__OPTIMIZE_SIZE__)
#  define AICONV_FOR_SIZE 1
#else
#  define AICONV_FOR_SIZE 0
#endif

// AICONV_HOT_INLINE does the same as AICONV_ALWAYS_INLINE unless the build
// asks for size, for functions on every query's road that have more than
// one caller.
#if defined(__GNUC__) && !AICONV_FOR_SIZE
#  define AICONV_HOT_INLINE __attribute__((always_inline)) inline
#else
#  define AICONV_HOT_INLINE
#endif

// AICONV_UNROLL(n) before a loop asks for it to be unrolled n times (clang
// takes GCC's spelling).
#if defined(__GNUC__)
#  define AICONV_PRAGMA(text) _Pragma(#text)
#  define AICONV_UNROLL(n) AICONV_PRAGMA(GCC unroll n)
#else
#  define AICONV_UNROLL(n)
#endif

// AICONV_RESTRICT: the pointer is the only way to what it points at, so the
// compiler may keep values in registers across writes through another.
#if defined(__GNUC__)
#  define AICONV_RESTRICT __restrict
#else
#  define AICONV_RESTRICT
#endif

// AICONV_SOFT_DOUBLE is 1 where double arithmetic is a library call (ARM
// cores without a double-precision FPU: Cortex-M0 and M3, the M4F's FPU is
// single-precision), where integer arithmetic on a double's bits is the
// cheaper way to a number's digits.
#if defined(__SOFTFP__) || (defined(__ARM_FP) && !(__ARM_FP & 8))
#  define AICONV_SOFT_DOUBLE 1
#else
#  define AICONV_SOFT_DOUBLE 0
#endif

namespace aiconv {

// The full product of two 64-bit numbers: one instruction where the
// compiler has a 128-bit type, four 32-bit products elsewhere.
struct Uint128 {
    std::uint64_t high;
    std::uint64_t low;
};

constexpr Uint128 Multiply(std::uint64_t a, std::uint64_t b) noexcept {
#if defined(__SIZEOF_INT128__)
    const unsigned __int128 p = static_cast<unsigned __int128>(a) * b;
    return {static_cast<std::uint64_t>(p >> 64), static_cast<std::uint64_t>(p)};
#else
    const std::uint64_t a0 = a & 0xFFFFFFFFu, a1 = a >> 32;
    const std::uint64_t b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
    const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const std::uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
    return {p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32), (middle << 32) | (p00 & 0xFFFFFFFFu)};
#endif
}

// Whether that product is one instruction (a 128-bit type). Shortcuts that
// spare a product are worth their code only there: a 32-bit core's library
// counts its bytes.
#if defined(__SIZEOF_INT128__)
inline constexpr bool kOneInstructionProduct = true;
#else
inline constexpr bool kOneInstructionProduct = false;
#endif

// Whether code may grow for speed: on 64-bit targets, whose libraries have
// room. The 32-bit ARM library and the microcontrollers count their bytes,
// and there a loop often costs less than the call a larger form becomes.
inline constexpr bool kBytesForSpeed = sizeof(void*) >= 8;

// The same for a 32-bit factor: two 32-bit products without a 128-bit type.
inline Uint128 MultiplyBy32(std::uint64_t a, std::uint32_t b) noexcept {
#if defined(__SIZEOF_INT128__)
    return Multiply(a, b);
#else
    const std::uint64_t low = (a & 0xFFFFFFFFu) * b;
    const std::uint64_t middle = (a >> 32) * b + (low >> 32);
    return {middle >> 32, (middle << 32) | (low & 0xFFFFFFFFu)};
#endif
}

// The number of leading zero bits of v, which must not be 0.
constexpr int CountLeadingZeros(std::uint64_t v) noexcept {
#if defined(__GNUC__)
    return __builtin_clzll(v);
#else
    int n = 0;
    for (std::uint64_t bit = std::uint64_t{1} << 63; (v & bit) == 0; bit >>= 1) ++n;
    return n;
#endif
}

}  // namespace aiconv
