#include "power_of_ten.h"

namespace aiconv {
namespace {

// Every power of ten in range is one of these times 5^r * 2^r, r < 27: a
// whole table would be 27 times larger, which a microcontroller's flash
// cannot spare.
constexpr int kStep = 27;
constexpr int kBaseCount = (kMaxPowerOfTen - kMinPowerOfTen) / kStep + 1;
static_assert(kMinPowerOfTen + kStep * kBaseCount > kMaxPowerOfTen, "the bases reach the largest power");
static_assert(kStep <= 28, "5^r is a power of five below 2^63");

// 10^(kMinPowerOfTen + 27 j) scaled into [2^127, 2^128) and rounded to the
// nearest integer (tests/number_test.cpp recomputes each from big integers).
constexpr Uint128 kBases[kBaseCount] = {
    {0x8049A4AC0C5811AEu, 0x205B896D777D6279u},  // 10^-351
    {0xCF42894A5DCE35EAu, 0x52064CAC828675B9u},  // 10^-324
    {0xA76C582338ED2621u, 0xAF2AF2B80AF6F24Eu},  // 10^-297
    {0x873E4F75E2224E68u, 0x5A7744A6E804A292u},  // 10^-270
    {0xDA7F5BF590966848u, 0xAF39A475506A899Fu},  // 10^-243
    {0xB080392CC4349DECu, 0xBD8D794D96AACFB4u},  // 10^-216
    {0x8E938662882AF53Eu, 0x547EB47B7282EE9Cu},  // 10^-189
    {0xE65829B3046B0AFAu, 0x0CB4A5A3112A5113u},  // 10^-162
    {0xBA121A4650E4DDEBu, 0x92F34D62616CE413u},  // 10^-135
    {0x964E858C91BA2655u, 0x3A6A07F8D510F870u},  // 10^-108
    {0xF2D56790AB41C2A2u, 0xFAE27299423FB9C3u},  // 10^-81
    {0xC428D05AA4751E4Cu, 0xAA97E14C3C26B887u},  // 10^-54
    {0x9E74D1B791E07E48u, 0x775EA264CF55347Eu},  // 10^-27
    {0x8000000000000000u, 0x0000000000000000u},  // 10^0
    {0xCECB8F27F4200F3Au, 0x0000000000000000u},  // 10^27
    {0xA70C3C40A64E6C51u, 0x999090B65F67D924u},  // 10^54
    {0x86F0AC99B4E8DAFDu, 0x69A028BB3DED71A4u},  // 10^81
    {0xDA01EE641A708DE9u, 0xE80E6F4820CC9496u},  // 10^108
    {0xB01AE745B101E9E4u, 0x5EC05DCFF72E7F90u},  // 10^135
    {0x8E41ADE9FBEBC27Du, 0x14588F13BE847307u},  // 10^162
    {0xE5D3EF282A242E81u, 0x8F1668C8A86DA5FBu},  // 10^189
    {0xB9A74A0637CE2EE1u, 0x6D953E2BD7173693u},  // 10^216
    {0x95F83D0A1FB69CD9u, 0x4ABDAF101564F98Eu},  // 10^243
    {0xF24A01A73CF2DCCFu, 0xBC633B39673C8CECu},  // 10^270
    {0xC3B8358109E84F07u, 0x0A862F80EC4700C8u},  // 10^297
    {0x9E19DB92B4E31BA9u, 0x6C07A2C26A8346D1u},  // 10^324
};

// floor(q * log2(10)) for every q of the table's range (the product's
// position, which the tests check for each q, depends on it).
constexpr int FloorLog2OfPowerOfTen(int q) noexcept { return (q * 1741647) >> 19; }
static_assert(FloorLog2OfPowerOfTen(1) == 3 && FloorLog2OfPowerOfTen(-1) == -4 &&
                  FloorLog2OfPowerOfTen(kMaxPowerOfTen) == 1162 && FloorLog2OfPowerOfTen(kMinPowerOfTen) == -1166,
              "the binary exponent of a power of ten");

// The top 128 bits of the 192-bit product a * b.
constexpr Uint128 Top128(const Uint128& a, std::uint64_t b) noexcept {
    const Uint128 high = Multiply(a.high, b);
    const Uint128 low = Multiply(a.low, b);
    std::uint64_t middle = high.low + low.high;
    std::uint64_t top = high.high + (middle < high.low ? 1 : 0);
    return {top, middle};
}

// 10^q as p * 2^(FloorLog2OfPowerOfTen(q) - 127), p in [2^127, 2^128):
// the base times 5^r (exact in 192 bits) cut to its top 128 bits, within
// 1.6 units of the exact p.
constexpr Uint128 DerivedPower(int q) noexcept {
    const int index = (q - kMinPowerOfTen) / kStep;
    const int r = q - kMinPowerOfTen - index * kStep;
    Uint128 p = kBases[index];
    if (r != 0) {
        const Uint128 product = Top128(p, PowerOfFive(r));
        const std::uint64_t dropped = p.low * PowerOfFive(r);  // the lowest 64 bits
        const int shift = CountLeadingZeros(product.high);
        p = {shift == 0 ? product.high : (product.high << shift) | (product.low >> (64 - shift)),
             shift == 0 ? product.low : (product.low << shift) | (dropped >> (64 - shift))};
    }
    return p;
}

// The same p for 10^-1 .. 10^-27, derived once by the compiler: every
// double of 10^10 or more prints through one of them. Used only where the
// compiler has a 128-bit type (64-bit targets and WebAssembly, whose
// budgets have room for the 432 bytes).
struct NegativePowers {
    Uint128 p[kStep];
    constexpr NegativePowers() : p{} {
        for (int i = 0; i < kStep; ++i) p[i] = DerivedPower(-1 - i);
    }
};
constexpr NegativePowers kNegativePowers;

}  // namespace

Uint128 MultiplyByPowerOfTen(std::uint64_t w, int q, int* exponent) noexcept {
    *exponent = FloorLog2OfPowerOfTen(q) - 127 + 64;
    if (kOneInstructionProduct && q >= 0 && q <= kStep) {
        // 10^q = 5^q * 2^q with 5^q below 2^63: one product, and exact.
        const std::uint64_t five = PowerOfFive(q);
        return Multiply(five << CountLeadingZeros(five), w);
    }
    const Uint128 p = kOneInstructionProduct && q < 0 && q >= -kStep ? kNegativePowers.p[-1 - q] : DerivedPower(q);
    // w * p to its top 128 bits: within 2.6 units of w * 10^q.
    return Top128(p, w);
}

}  // namespace aiconv
