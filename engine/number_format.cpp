// Double to text as printf's "%.6f" and "%.10g" write it in the "C" locale:
// digits correctly rounded from the exact binary value, ties to even.
#include <cstdint>
#include <cstring>

#include "big_integer.h"
#include "compiler.h"
#include "wide_arithmetic.h"
#include "number_text.h"
#include "power_of_ten.h"

namespace aiconv {
namespace {

constexpr std::uint64_t kTenToThe9 = 1000000000;
constexpr std::uint64_t kTenToThe10 = 10000000000;

// floor(m * 2^e * 10^k), and how the part it drops compares with one half.
enum Rest { kRestZero, kRestBelowHalf, kRestHalf, kRestAboveHalf };
struct Scaled {
    std::uint64_t floor;
    Rest rest;
};

// floor(m * 2^e * 10^k) from the 128-bit product with the power of ten,
// which is within kPowerOfTenSlack units of the exact value: the dropped
// part decides unless it lies that close to one half (false: the exact
// road decides). Close to zero or to one, the value is within a hair of an
// integer, which it rounds to whichever side it lies: so that integer is
// the floor and nothing is dropped, and the digits and the decimal
// exponent come out as the exact road gives them.
bool ScaleFast(std::uint64_t m, int e, int k, Scaled* out) noexcept {
    if (k < kMinPowerOfTen || k > kMaxPowerOfTen) return false;
    const int zeros = CountLeadingZeros(m);
    int exponent;
    const Uint128 t = MultiplyByPowerOfTen(m << zeros, k, &exponent);
    const int fractionBits = zeros - e - exponent - 64;  // of t.high
    if (fractionBits < 2 || fractionBits > 63) return false;  // not ten digits or so
    const std::uint64_t one = std::uint64_t{1} << fractionBits;
    const std::uint64_t half = one >> 1;
    const std::uint64_t fraction = t.high & (one - 1);
    const std::uint64_t floor = t.high >> fractionBits;
    constexpr std::uint64_t kSlack = kPowerOfTenSlack;
    if (fraction == 0 && t.low < kSlack) {
        *out = {floor, kRestZero};
    } else if (fraction == one - 1 && t.low > ~kSlack) {
        *out = {floor + 1, kRestZero};
    } else if ((fraction == half && t.low < kSlack) || (fraction == half - 1 && t.low > ~kSlack)) {
        return false;
    } else {
        *out = {floor, fraction >= half ? kRestAboveHalf : kRestBelowHalf};
    }
    return true;
}

// Bounds of the exact road's operands, from the range of doubles
// (m < 2^53, e from -1074 to 971) and of the decimal scale k = 9 - exponent
// (the decimal exponent lies within -325..308): the numerator is at most
// m 5^k 2^(e + k), the divisor 5^-k 2^-(e + k), and the divisor is shifted
// up to the numerator and the remainder doubled once.
constexpr int kMinBinaryExponent = -1074;
constexpr int kMaxBinaryExponent = 971;
constexpr int kMaxDecimalScale = 9 + 325;
constexpr int kMinDecimalScale = 9 - 308;
constexpr int kExactRoadBits = [] {
    const int numerator = 53 + BitsOfPow5(kMaxDecimalScale) + kMaxBinaryExponent + kMaxDecimalScale;
    const int divisor = BitsOfPow5(-kMinDecimalScale) - kMinBinaryExponent - kMinDecimalScale;
    return (numerator > divisor ? numerator : divisor) + 1;
}();
static_assert(BigLimbsFor(kExactRoadBits) <= kBigLimbs, "the exact printing's operands fit a BigInteger");

// The same for any double and power of ten, in big integers.
AICONV_COLD void ScaleExactly(std::uint64_t m, int e, int k, Scaled* out) noexcept {
    BigInteger n;
    BigInteger d;
    BigSet(&n, m);
    BigSet(&d, 1);
    if (k >= 0) {
        BigMulPow5(&n, k);
    } else {
        BigMulPow5(&d, -k);
    }
    if (e + k >= 0) {
        BigShiftLeft(&n, e + k);
    } else {
        BigShiftLeft(&d, -(e + k));
    }
    out->floor = BigDivide(&n, &d);
    if (n.size == 0) {
        out->rest = kRestZero;
        return;
    }
    BigShiftLeft(&n, 1);
    const int c = BigCompare(n, d);
    out->rest = c < 0 ? kRestBelowHalf : c == 0 ? kRestHalf : kRestAboveHalf;
}

template <bool kFast>
void Scale(std::uint64_t m, int e, int k, Scaled* out) noexcept {
    if (!kFast || !ScaleFast(m, e, k, out)) ScaleExactly(m, e, k, out);
}

std::uint64_t RoundHalfEven(const Scaled& s) noexcept {
    const bool up = s.rest == kRestAboveHalf || (s.rest == kRestHalf && (s.floor & 1));
    return s.floor + (up ? 1 : 0);
}

// "00" "01" ... "99": two digits per division.
constexpr struct DigitPairs {
    char text[200];
    constexpr DigitPairs() : text{} {
        for (int i = 0; i < 100; ++i) {
            text[2 * i] = static_cast<char>('0' + i / 10);
            text[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
    }
} kDigitPairs;

constexpr bool HundredsByMultiplication() {
    for (std::uint32_t v = 0; v < 1000; ++v) {
        if ((v * 41) >> 12 != v / 100) return false;
    }
    return true;
}
static_assert(HundredsByMultiplication(), "(v * 41) >> 12 is v / 100 below 1000");

// The three digits of v < 1000, leading zeros kept; returns the end. No
// division: below 1000, v / 100 is (v * 41) >> 12, and the last two digits
// come from the pair table. Bytes are stored one by one: a two-byte copy is
// a library call where stores must be aligned (Cortex-M0).
char* WriteThreeDigits(char* out, std::uint32_t v) noexcept {
    const std::uint32_t hundreds = (v * 41) >> 12;
    const char* pair = kDigitPairs.text + 2 * (v - 100 * hundreds);
    out[0] = static_cast<char>('0' + hundreds);
    out[1] = pair[0];
    out[2] = pair[1];
    return out + 3;
}

// Writes exactly `count` digits of v (1 <= count <= 9, leading zeros kept)
// and returns the end: three at a time from the right, so one division by
// 1000 per three (a library call on a core without a divide instruction).
AICONV_ALWAYS_INLINE char* WriteDigits(char* out, std::uint32_t v, int count) noexcept {
    char* const end = out + count;
    char* p = end;
    for (; count > 3; count -= 3) {
        const std::uint32_t high = v / 1000;
        p -= 3;
        WriteThreeDigits(p, v - high * 1000);
        v = high;
    }
    if (count == 3) {
        WriteThreeDigits(out, v);
    } else if (count == 2) {
        out[0] = kDigitPairs.text[2 * v];
        out[1] = kDigitPairs.text[2 * v + 1];
    } else {
        out[0] = static_cast<char>('0' + v);
    }
    return end;
}

// Writes v < 10^9 in decimal, without leading zeros, and returns the end.
// (The callers' values are at most 10^6: a whole part or an exponent.)
AICONV_HOT_INLINE char* WriteUnsigned(char* out, std::uint32_t v) noexcept {
    if constexpr (!AICONV_FOR_SIZE) {
        // The usual lengths, each with its digit count known to the compiler.
        if (v < 10) return WriteDigits(out, v, 1);
        if (v < 100) return WriteDigits(out, v, 2);
        if (v < 1000) return WriteDigits(out, v, 3);
    }
    int count = 1;
    for (std::uint32_t limit = 10; count < 9 && v >= limit; limit *= 10) ++count;
    return WriteDigits(out, v, count);
}

// A finite double as sign, 53-bit integer and binary exponent: |x| = m * 2^e.
struct Binary {
    bool negative;
    std::uint64_t m;
    int e;
};

constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << 52;
constexpr int kSpecialExponent = 0x7FF - 1075;  // what infinity and nan decompose to

Binary Decompose(double x) noexcept {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & (kHiddenBit - 1);
    if (biased == 0) return {(bits >> 63) != 0, fraction, -1074};
    return {(bits >> 63) != 0, fraction | kHiddenBit, biased - 1075};
}

// round(f * 10^6), ties to even, for the fraction f = fraction / 2^shift
// (33 <= shift <= 62): f * 15625 / 2^(shift - 6) in integers, exactly.
std::uint32_t Millionths(std::uint64_t fraction, int shift) noexcept {
    const Uint128 p = MultiplyBy32(fraction, 15625);  // below 2^76
    const int drop = shift - 6;                       // 27..56 bits
    const std::uint64_t floor = (p.high << (64 - drop)) | (p.low >> drop);
    const std::uint64_t rest = p.low & ((std::uint64_t{1} << drop) - 1);
    const std::uint64_t half = std::uint64_t{1} << (drop - 1);
    const bool up = rest > half || (rest == half && (floor & 1));
    return static_cast<std::uint32_t>(floor) + (up ? 1 : 0);
}

// |x| in [0.001, 10^6), or 0, as its whole part and its fraction in
// millionths, rounded (10^6 when it rounds up to the next whole).
struct FixedParts {
    std::uint32_t whole;
    std::uint32_t millionths;
};

// Exactly, in integers, from the bits of |x|: m 2^-shift with
// 2^52 <= m < 2^53 and 33 <= shift <= 62. Where double arithmetic is a
// library call (no FPU for it), this is also the fast way.
FixedParts FixedInIntegers(std::uint64_t magnitudeBits) noexcept {
    if (magnitudeBits == 0) return {0, 0};
    const int shift = 1075 - static_cast<int>(magnitudeBits >> 52);
    const std::uint64_t m = (magnitudeBits & (kHiddenBit - 1)) | kHiddenBit;
    const std::uint64_t fraction = m & ((std::uint64_t{1} << shift) - 1);
    return {static_cast<std::uint32_t>(m >> shift), fraction == 0 ? 0 : Millionths(fraction, shift)};
}

// The same in hardware doubles, which take fewer instructions: f * 10^6
// (f = a - whole, exact) is below 2^20 and off by at most 2^-34, so its
// nearest integer is the exact one unless it lies within that of a half;
// then (once in hundreds of millions of values) the integers decide.
FixedParts FixedInDoubles(std::uint64_t magnitudeBits) noexcept {
    double a;
    std::memcpy(&a, &magnitudeBits, sizeof a);
    const std::uint32_t whole = static_cast<std::uint32_t>(a);  // exact: a < 10^6
    if (static_cast<double>(whole) == a) return {whole, 0};
    const double scaled = (a - whole) * 1e6;
    const std::uint32_t floor = static_cast<std::uint32_t>(scaled);
    const double rest = scaled - floor;
    constexpr double kDoubt = 1.0 / (1u << 30);
    if (rest < 0.5 - kDoubt) return {whole, floor};
    if (rest > 0.5 + kDoubt) return {whole, floor + 1};
    return FixedInIntegers(magnitudeBits);
}

// "%.6f" with trailing zeros and point trimmed, for x == 0 or
// 0.001 <= |x| < 1000000, from the bits of |x|. Returns the end of the text.
template <bool kFast>
char* FormatFixedTrimmed(bool negative, std::uint64_t magnitudeBits, char* out) noexcept {
    if (negative) *out++ = '-';  // -0 too, as printf writes it
    FixedParts parts = kFast && !AICONV_SOFT_DOUBLE ? FixedInDoubles(magnitudeBits) : FixedInIntegers(magnitudeBits);
    if (parts.millionths == 1000000) parts = {parts.whole + 1, 0};
    out = WriteUnsigned(out, parts.whole);
    if (parts.millionths != 0) {
        *out++ = '.';
        // Typed fractions are short: "2.5" needs three digits written, not six.
        const std::uint32_t thousandths = parts.millionths / 1000;
        out = WriteThreeDigits(out, thousandths);
        const std::uint32_t rest = parts.millionths - thousandths * 1000;
        if (rest != 0) out = WriteThreeDigits(out, rest);
        while (out[-1] == '0') --out;  // stops at a non-zero digit
    }
    return out;
}

// "%.10g": ten significant digits, then the shorter of the fixed and the
// exponent form as printf chooses, trailing zeros removed.
template <bool kFast>
AICONV_NOINLINE char* FormatGeneral(double x, char* out) noexcept {
    const Binary b = Decompose(x);
    if (b.negative) *out++ = '-';
    if (b.e == kSpecialExponent) {
        std::memcpy(out, b.m == kHiddenBit ? "inf" : "nan", 3);
        return out + 3;
    }
    if (b.m == 0) {
        *out = '0';
        return out + 1;
    }

    // Decimal exponent: start from floor(log10(2) * leading bit) and correct.
    const int top = b.e + 63 - CountLeadingZeros(b.m);
    // (GCC and clang shift a negative int arithmetically: this is the floor.)
    int exponent = (top * 78913) >> 18;
    Scaled s;
    for (;;) {
        Scale<kFast>(b.m, b.e, 9 - exponent, &s);
        if (s.floor >= kTenToThe10) {
            ++exponent;
        } else if (s.floor < kTenToThe9) {
            --exponent;
        } else {
            break;
        }
    }
    std::uint64_t q = RoundHalfEven(s);
    if (q == kTenToThe10) {
        q = kTenToThe9;
        ++exponent;
    }

    // The ten digits are written where they end up, from one place right of
    // the text's start: where a point follows the first digits (the
    // exponent form, and the fixed one from 1 up) those then move one place
    // left; below 1 they come after "0." and the zeros.
    const bool fixedForm = exponent >= -4 && exponent < 10;
    char* const digits = fixedForm && exponent < 0 ? out + 1 - exponent : out + 1;
    // q < 10^10: two halves of five digits. q / 2^5 is below 2^29, so the
    // division by 10^5 is one of 32 bits (a 64-bit one is a library call on
    // 32-bit ARM).
    const std::uint32_t high = static_cast<std::uint32_t>(q >> 5) / 3125u;
    WriteDigits(digits, high, 5);
    WriteDigits(digits + 5, static_cast<std::uint32_t>(q - std::uint64_t{high} * 100000), 5);
    int kept = 10;
    while (kept > 1 && digits[kept - 1] == '0') --kept;

    if (fixedForm && exponent < 0) {
        out[0] = '0';
        out[1] = '.';
        for (char* zero = out + 2; zero < digits; ++zero) *zero = '0';
        return digits + kept;
    }
    const int whole = fixedForm ? exponent + 1 : 1;
    for (int i = 0; i < whole; ++i) out[i] = digits[i];
    if (kept > whole) {
        out[whole] = '.';
        out = digits + kept;
    } else {
        out += whole;
    }
    if (fixedForm) return out;
    *out++ = 'e';
    *out++ = exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) *out++ = '0';
    return WriteUnsigned(out, static_cast<std::uint32_t>(magnitude));
}

template <bool kFast>
AICONV_ALWAYS_INLINE std::size_t Format(double x, char* buffer) noexcept {
    // The range test on the bits of |x|, which order as the values do (nan
    // and infinity above every finite value: they take the "%.10g" road).
    // In integers: a double comparison is a library call where there is no
    // FPU.
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    const std::uint64_t magnitude = bits & ~(std::uint64_t{1} << 63);
    constexpr std::uint64_t kThousandthBits = 0x3F50624DD2F1A9FCu;  // 0.001
    constexpr std::uint64_t kMillionBits = 0x412E848000000000u;     // 1000000
    // On 32-bit targets (no kBytesForSpeed), where 64-bit compares take
    // pairs of registers, the high 32 bits alone decide all but the edges of
    // the range, in one.
    const std::uint32_t high = static_cast<std::uint32_t>(magnitude >> 32);
    constexpr std::uint32_t kInsideLow = static_cast<std::uint32_t>(kThousandthBits >> 32) + 1;
    constexpr std::uint32_t kInsideHigh = static_cast<std::uint32_t>(kMillionBits >> 32);
    const bool nearOrOutside = kBytesForSpeed || high - kInsideLow >= kInsideHigh - kInsideLow;
    const bool general =
        nearOrOutside && magnitude != 0 && (magnitude < kThousandthBits || magnitude >= kMillionBits);
    char* const end = general ? FormatGeneral<kFast>(x, buffer)
                              : FormatFixedTrimmed<kFast>(bits != magnitude, magnitude, buffer);
    *end = '\0';
    return static_cast<std::size_t>(end - buffer);
}

}  // namespace

std::size_t FormatNumber(double x, char* buffer) noexcept { return Format<true>(x, buffer); }

// The fixed form by integers, the "%.10g" one by big integers.
std::size_t FormatNumberExactly(double x, char* buffer) noexcept { return Format<false>(x, buffer); }

}  // namespace aiconv
