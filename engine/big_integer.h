// Unsigned integers of up to a few thousand bits on a fixed array, for the
// exact roads of number reading and printing, which the fast roads leave
// only for rare inputs. Plain functions over a plain struct; nothing here
// throws or allocates. Internal to the engine.
#pragma once

#include <cstdint>

#include "cold.h"

namespace aiconv {

// Room for the largest operand of either road: a decimal reading keeps up
// to 800 significant digits (2658 bits) and scales by up to 5^1123 and
// 2^64; printing needs under 1000 bits.
inline constexpr int kBigLimbs = 88;

struct BigInteger {
    std::uint32_t limb[kBigLimbs];  // least significant first
    int size;                      // limbs in use; limb[size - 1] != 0
};

void BigSet(BigInteger* a, std::uint64_t value) noexcept;
// a = a * factor + addend
void BigMulAdd(BigInteger* a, std::uint32_t factor, std::uint32_t addend) noexcept;
void BigMulPow5(BigInteger* a, int exponent) noexcept;
void BigShiftLeft(BigInteger* a, int bits) noexcept;
int BigBitLength(const BigInteger& a) noexcept;
// -1, 0 or 1 as a <, == or > b.
int BigCompare(const BigInteger& a, const BigInteger& b) noexcept;
// Sets *numerator to its remainder by *divisor and returns the quotient,
// which must be below 2^64. The divisor is left as it was.
std::uint64_t BigDivide(BigInteger* numerator, BigInteger* divisor) noexcept;

}  // namespace aiconv
