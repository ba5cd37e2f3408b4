// Unsigned integers of up to a few thousand bits on a fixed array, for the
// exact roads of number reading and printing, which the fast roads leave
// only for rare inputs. Plain functions over a plain struct; nothing here
// throws or allocates. Internal to the engine.
#pragma once

#include <cstdint>

#include "compiler.h"

namespace aiconv {

// Room for the largest operand of either road. Each road bounds its own
// operands from its limits and checks them against this at compile time
// (BigLimbsFor below); the reading needs the most, 85 limbs.
inline constexpr int kBigLimbs = 88;

// Upper bounds of the bit length of 5^k and 10^k (log2 5 < 2.322,
// log2 10 < 3.322).
constexpr int BitsOfPow5(int k) { return k * 2322 / 1000 + 1; }
constexpr int BitsOfPow10(int k) { return k * 3322 / 1000 + 1; }
// Limbs for an operand of `bits` bits: rounded up, and one more, which a
// shift writes (as zero) above the operand before moving it.
constexpr int BigLimbsFor(int bits) { return (bits + 31) / 32 + 1; }

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
