// Powers of ten to 128 bits, for the fast roads of number reading and
// printing: a product with one is within a few units of its last bit of
// the exact value, which decides the rounding of nearly every number; the
// exact roads (big integers) take the rest. Internal to the engine.
#pragma once

#include <cstdint>

#include "wide_arithmetic.h"

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

// 5^0 .. 5^13, the powers of five in 32 bits.
struct SmallPowersOfFive {
    std::uint32_t value[14];
    constexpr SmallPowersOfFive() : value{} {
        value[0] = 1;
        for (int i = 1; i < 14; ++i) value[i] = value[i - 1] * 5;
    }
};
inline constexpr SmallPowersOfFive kSmallPowersOfFive;

// 5^r for 0 <= r <= 27 (below 2^63), from the 32-bit ones: a table of all
// 28 would take 168 more bytes of a microcontroller's flash.
constexpr std::uint64_t PowerOfFive(int r) noexcept {
    constexpr std::uint64_t kFiveToThe14 = std::uint64_t{kSmallPowersOfFive.value[7]} * kSmallPowersOfFive.value[7];
    return r < 14 ? kSmallPowersOfFive.value[r] : kSmallPowersOfFive.value[r - 14] * kFiveToThe14;
}

}  // namespace aiconv
