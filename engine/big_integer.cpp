#include "big_integer.h"

#include <cassert>

namespace aiconv {
namespace {

void Trim(BigInteger* a) noexcept {
    while (a->size > 0 && a->limb[a->size - 1] == 0) --a->size;
}

void ShiftRightOne(BigInteger* a) noexcept {
    for (int i = 0; i < a->size; ++i) {
        const std::uint32_t next = i + 1 < a->size ? a->limb[i + 1] : 0;
        a->limb[i] = (a->limb[i] >> 1) | (next << 31);
    }
    Trim(a);
}

// a -= b, for a >= b.
void Subtract(BigInteger* a, const BigInteger& b) noexcept {
    std::uint32_t borrow = 0;
    for (int i = 0; i < a->size; ++i) {
        const std::uint64_t sub = std::uint64_t{i < b.size ? b.limb[i] : 0u} + borrow;
        borrow = a->limb[i] < sub ? 1 : 0;
        a->limb[i] = static_cast<std::uint32_t>(a->limb[i] - sub);
    }
    Trim(a);
}

}  // namespace

void BigSet(BigInteger* a, std::uint64_t value) noexcept {
    a->limb[0] = static_cast<std::uint32_t>(value);
    a->limb[1] = static_cast<std::uint32_t>(value >> 32);
    a->size = 2;
    Trim(a);
}

void BigMulAdd(BigInteger* a, std::uint32_t factor, std::uint32_t addend) noexcept {
    std::uint64_t carry = addend;
    for (int i = 0; i < a->size; ++i) {
        carry += std::uint64_t{a->limb[i]} * factor;
        a->limb[i] = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    if (carry != 0) {
        assert(a->size < kBigLimbs);
        a->limb[a->size++] = static_cast<std::uint32_t>(carry);
    }
}

void BigMulPow5(BigInteger* a, int exponent) noexcept {
    constexpr std::uint32_t kPow5To13 = 1220703125;  // the largest power of 5 in 32 bits
    for (; exponent >= 13; exponent -= 13) BigMulAdd(a, kPow5To13, 0);
    std::uint32_t rest = 1;
    for (; exponent > 0; --exponent) rest *= 5;
    BigMulAdd(a, rest, 0);
}

void BigShiftLeft(BigInteger* a, int bits) noexcept {
    if (a->size == 0) return;
    const int limbs = bits / 32;
    const int shift = bits % 32;
    assert(a->size + limbs < kBigLimbs);
    a->limb[a->size] = 0;
    for (int i = a->size; i >= 0; --i) {
        const std::uint32_t high = shift == 0 ? a->limb[i] : (a->limb[i] << shift);
        const std::uint32_t low = (shift == 0 || i == 0) ? 0 : (a->limb[i - 1] >> (32 - shift));
        a->limb[i + limbs] = high | low;
    }
    for (int i = 0; i < limbs; ++i) a->limb[i] = 0;
    a->size += limbs + 1;
    Trim(a);
}

int BigBitLength(const BigInteger& a) noexcept {
    if (a.size == 0) return 0;
    int bits = 32 * (a.size - 1);
    for (std::uint32_t top = a.limb[a.size - 1]; top != 0; top >>= 1) ++bits;
    return bits;
}

int BigCompare(const BigInteger& a, const BigInteger& b) noexcept {
    if (a.size != b.size) return a.size < b.size ? -1 : 1;
    for (int i = a.size - 1; i >= 0; --i) {
        if (a.limb[i] != b.limb[i]) return a.limb[i] < b.limb[i] ? -1 : 1;
    }
    return 0;
}

// Schoolbook division one quotient bit at a time: at most 64 rounds, and
// only the exact roads come here.
std::uint64_t BigDivide(BigInteger* numerator, BigInteger* divisor) noexcept {
    int shift = BigBitLength(*numerator) - BigBitLength(*divisor);
    if (shift < 0) return 0;
    BigShiftLeft(divisor, shift);
    std::uint64_t quotient = 0;
    for (;; --shift) {
        quotient <<= 1;
        if (BigCompare(*numerator, *divisor) >= 0) {
            Subtract(numerator, *divisor);
            quotient |= 1;
        }
        if (shift == 0) return quotient;
        ShiftRightOne(divisor);
    }
}

}  // namespace aiconv
