// 64-bit products to 128 bits and leading zeros, for the number roads: one
// instruction each where the target has them (AICONV_ONE_INSTRUCTION_PRODUCT),
// 32-bit products elsewhere. Internal to the engine.
#pragma once

#include <cstdint>

#include "compiler.h"

namespace aiconv {

struct Uint128 {
    std::uint64_t high;
    std::uint64_t low;
};

// The full product of two 64-bit numbers.
constexpr Uint128 Multiply(std::uint64_t a, std::uint64_t b) noexcept {
#if AICONV_ONE_INSTRUCTION_PRODUCT
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

// The same for a 32-bit factor: two 32-bit products without a 128-bit type.
inline Uint128 MultiplyBy32(std::uint64_t a, std::uint32_t b) noexcept {
#if AICONV_ONE_INSTRUCTION_PRODUCT
    return Multiply(a, b);
#else
    const std::uint64_t low = (a & 0xFFFFFFFFu) * b;
    const std::uint64_t middle = (a >> 32) * b + (low >> 32);
    return {middle >> 32, (middle << 32) | (low & 0xFFFFFFFFu)};
#endif
}

// The number of leading zero bits of v, which must not be 0.
constexpr int CountLeadingZeros(std::uint64_t v) noexcept { return __builtin_clzll(v); }

}  // namespace aiconv
