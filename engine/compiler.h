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

// AICONV_UNROLL(n) before a loop asks for it to be unrolled n times (clang
// takes GCC's spelling).
#if defined(__GNUC__)
#  define AICONV_PRAGMA(text) _Pragma(#text)
#  define AICONV_UNROLL(n) AICONV_PRAGMA(GCC unroll n)
#else
#  define AICONV_UNROLL(n)
#endif

namespace aiconv {

// The number of leading zero bits of v, which must not be 0.
inline int CountLeadingZeros(std::uint64_t v) noexcept {
#if defined(__GNUC__)
    return __builtin_clzll(v);
#else
    int n = 0;
    for (std::uint64_t bit = std::uint64_t{1} << 63; (v & bit) == 0; bit >>= 1) ++n;
    return n;
#endif
}

}  // namespace aiconv
