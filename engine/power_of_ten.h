// Powers of ten to 128 bits, for the fast roads of number reading and
// printing: a product with one is within a few units of its last bit of
// the exact value, which decides the rounding of nearly every number; the
// exact roads (big integers) take the rest. Internal to the engine.
#pragma once

#include <cstdint>

#include "compiler.h"

namespace aiconv {

// The powers of ten the fast roads reach: reading 19 digits times 10^q
// needs -342 <= q <= 308 (beyond, the value is zero or infinite whatever
// the digits); printing any double to ten digits needs 10^k with
// -300 <= k <= 334.
inline constexpr int kMinPowerOfTen = -351;
inline constexpr int kMaxPowerOfTen = 350;

// The most the product below may be off, in units of its last bit.
inline constexpr std::uint64_t kPowerOfTenSlack = 3;

// w * 10^q (w with its top bit set, q within the range above) as
// t * 2^*exponent, t in [2^126, 2^128), less than kPowerOfTenSlack away from
// the exact value.
Uint128 MultiplyByPowerOfTen(std::uint64_t w, int q, int* exponent) noexcept;

// 5^0 .. 5^27, the powers of five below 2^63.
struct PowersOfFive {
    std::uint64_t value[28];
    constexpr PowersOfFive() : value{} {
        value[0] = 1;
        for (int i = 1; i < 28; ++i) value[i] = value[i - 1] * 5;
    }
};
inline constexpr PowersOfFive kPowersOfFive;

}  // namespace aiconv
