// Decimal text to double, correctly rounded (ties to even), as strtod reads
// plain decimal notation in the "C" locale.
#include <cfloat>
#include <cstdint>
#include <cstring>

#include "big_integer.h"
#include "compiler.h"
#include "wide_arithmetic.h"
#include "number_text.h"
#include "power_of_ten.h"
#include "text.h"

namespace aiconv {
namespace {

constexpr bool IsDigit(char c) noexcept { return static_cast<unsigned char>(c - '0') <= 9; }

// Appends the digits at p to *digits (exact while at most 19 were read in
// all) and returns the end of them.
const char* ReadDigits(const char* p, const char* last, std::uint64_t* digits) noexcept {
    std::uint64_t v = *digits;
    for (; p < last; ++p) {
        const unsigned d = static_cast<unsigned char>(*p) - unsigned{'0'};
        if (d > 9) break;
        v = v * 10 + d;
    }
    *digits = v;
    return p;
}

// Any double, and any midpoint between two neighbours, has at most 767
// significant decimal digits. Past 800 digits only "is anything non-zero
// left" matters, which one extra digit 1 stands for exactly.
constexpr int kExactDigits = 800;
// Exponents beyond this read as infinity or zero whatever the digits.
constexpr long kExponentCap = 100000000;
// A value of 10^310 or more is infinity; one below 10^-323 (under half the
// smallest subnormal) is zero.
constexpr long kMaxMagnitude = 310;
constexpr long kMinMagnitude = -323;

// The exact road's largest operand: with a negative decimal exponent e the
// divisor is 5^-e, -e <= kExactDigits + 1 - kMinMagnitude, and the
// numerator is shifted to 64 bits above it; otherwise the numerator is
// below 10^(kMaxMagnitude + 1).
constexpr int kExactRoadBits = [] {
    const int divisor = BitsOfPow5(kExactDigits + 1 - static_cast<int>(kMinMagnitude)) + 64;
    const int numerator = BitsOfPow10(static_cast<int>(kMaxMagnitude) + 1);
    return divisor > numerator ? divisor : numerator;
}();
static_assert(BigLimbsFor(kExactRoadBits) <= kBigLimbs, "the exact reading's operands fit a BigInteger");

// The fast road rounds once, in double precision. Where doubles are
// evaluated in a wider format (x87: FLT_EVAL_METHOD 2) every operation
// would round twice, here and in the conversion itself.
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#  error "doubles must be evaluated in double precision (FLT_EVAL_METHOD 0); on 32-bit x86 build with -msse2 -mfpmath=sse"
#endif

constexpr std::uint64_t kInfinityBits = std::uint64_t{0x7FF} << 52;

double FromBits(std::uint64_t bits) noexcept {
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// Rounds q * 2^exponent (q has its top bit set; `sticky` says something
// non-zero lies below q's last bit) to the nearest double, ties to even.
double RoundToDouble(std::uint64_t q, int exponent, bool sticky) noexcept {
    constexpr std::uint64_t kHidden = std::uint64_t{1} << 52;
    int top = exponent + 63;  // exponent of q's leading bit
    if (top > 1023) return FromBits(kInfinityBits);
    int drop = 11;  // bits of q below a normal 53-bit mantissa
    if (top < -1022) drop += -1022 - top;
    if (drop > 64) return 0.0;  // below half the smallest subnormal
    std::uint64_t mantissa = drop == 64 ? 0 : q >> drop;
    const std::uint64_t half = std::uint64_t{1} << (drop - 1);
    const std::uint64_t below = q & (half | (half - 1));
    if (below > half || (below == half && (sticky || (mantissa & 1)))) ++mantissa;
    if (top < -1022) return FromBits(mantissa);  // subnormal; 2^52 becomes the smallest normal
    if (mantissa == 2 * kHidden) {
        mantissa = kHidden;
        if (++top > 1023) return FromBits(kInfinityBits);
    }
    return FromBits((static_cast<std::uint64_t>(top + 1022) << 52) + mantissa);
}

// Digits past the 19th are read only by the exact road; 10^-343 times
// 19 digits is below half the smallest subnormal, 10^309 times one digit
// is infinite.
constexpr int kFastDigits = 19;
constexpr long kFastMinScale = -343;
constexpr long kFastMaxScale = 309;
static_assert(kMinPowerOfTen <= kFastMinScale + 1 && kFastMaxScale - 1 <= kMaxPowerOfTen,
              "the power-of-ten table covers the fast reading");

// Rounds digits * 10^scale (digits != 0, scale within the bounds above)
// from its 128-bit product with the power of ten; false where that product
// is too close to a tie to decide (a decimal exactly halfway between two
// doubles, or within a few units of 2^-128 of that), or the value is too
// deep among the subnormals to round from 64 bits.
bool ReadFast(std::uint64_t digits, int scale, double* value) noexcept {
    const int zeros = CountLeadingZeros(digits);
    int exponent;
    Uint128 t = MultiplyByPowerOfTen(digits << zeros, scale, &exponent);
    exponent -= zeros;
    std::uint64_t slack = kPowerOfTenSlack;
    if (!(t.high >> 63)) {
        t = {(t.high << 1) | (t.low >> 63), t.low << 1};
        --exponent;
        slack *= 2;
    }
    // As RoundToDouble drops bits: 11 below a normal mantissa, more below
    // the smallest normal.
    const int top = exponent + 127;
    int drop = 11;
    if (top < -1022) drop += -1022 - top;
    if (drop > 64) return false;
    const std::uint64_t half = std::uint64_t{1} << (drop - 1);
    const std::uint64_t below = t.high & (half | (half - 1));
    // The exact value is within `slack` of t: near the tie it may lie on
    // either side. Near zero or the next mantissa either side rounds alike.
    if ((below == half && t.low < slack) || (below == half - 1 && t.low > ~slack)) return false;
    *value = RoundToDouble(t.high, exponent + 64, t.low != 0);
    return true;
}

// The digits in [first, last) (with at most one '.') without the leading
// zeros: only numbers written with more than 19 digits ask.
AICONV_NOINLINE long SignificantDigits(const char* first, const char* last) noexcept {
    while (first < last && (*first == '0' || *first == '.')) ++first;
    long count = 0;
    for (; first < last; ++first) count += *first != '.';
    return count;
}

// The exact road: digits (with at most one '.') in [first, last), times
// 10^exponent, read into a big integer and divided out to 64 bits.
AICONV_COLD double ReadExactly(const char* first, const char* last, long exponent) noexcept {
    BigInteger n;
    BigSet(&n, 0);
    int digits = 0;
    bool afterPoint = false;
    bool dropped = false;  // a non-zero digit past kExactDigits
    std::uint32_t chunk = 0;
    std::uint32_t chunkScale = 1;
    for (const char* p = first; p < last; ++p) {
        if (*p == '.') {
            afterPoint = true;
            continue;
        }
        const std::uint32_t d = static_cast<std::uint32_t>(*p - '0');
        if (digits == 0 && d == 0) {  // leading zero
            if (afterPoint) --exponent;
        } else if (digits < kExactDigits) {
            chunk = chunk * 10 + d;
            chunkScale *= 10;
            if (chunkScale == 1000000000) {
                BigMulAdd(&n, chunkScale, chunk);
                chunk = 0;
                chunkScale = 1;
            }
            ++digits;
            if (afterPoint) --exponent;
        } else {
            dropped = dropped || d != 0;
            if (!afterPoint) ++exponent;
        }
    }
    if (dropped) {
        chunk = chunk * 10 + 1;
        chunkScale *= 10;
        ++digits;
        --exponent;
    }
    BigMulAdd(&n, chunkScale, chunk);
    if (n.size == 0) return 0.0;

    // The value lies below 10^(digits + exponent).
    const long magnitude = digits + exponent;
    if (magnitude > kMaxMagnitude) return FromBits(kInfinityBits);
    if (magnitude < kMinMagnitude) return 0.0;

    // value = n / d * 2^exponent with n = digits * 5^exponent or d = 5^-exponent
    BigInteger d;
    BigSet(&d, 1);
    const int e = static_cast<int>(exponent);
    if (e >= 0) {
        BigMulPow5(&n, e);
    } else {
        BigMulPow5(&d, -e);
    }
    // Scale so that the quotient has 63 or 64 bits.
    const int scale = 63 - (BigBitLength(n) - BigBitLength(d));
    if (scale > 0) {
        BigShiftLeft(&n, scale);
    } else {
        BigShiftLeft(&d, -scale);
    }
    std::uint64_t q = BigDivide(&n, &d);
    int binaryExponent = e - scale;
    if (!(q >> 63)) {
        q <<= 1;
        --binaryExponent;
    }
    return RoundToDouble(q, binaryExponent, n.size != 0);
}

// More than 19 significant digits in [first, last) (with at most one '.'),
// their value times 10^scale, or times 10^exponent counted from the point.
// It lies in [w, w + 1) * 10^(scale + rest), w the first 19 significant
// digits and rest the count of those after them. Rounding keeps order, so
// where both ends round to one double the value does too; only a value
// that near a tie or a change of mantissa takes the exact road.
AICONV_NOINLINE double ReadManyDigits(const char* first, const char* last, long exponent, long scale) noexcept {
    const char* p = first;
    while (*p == '0' || *p == '.') ++p;  // a non-zero digit follows: there are more than 19
    std::uint64_t w = 0;
    for (int n = 0; n < kFastDigits; ++p) {
        if (*p == '.') continue;
        w = w * 10 + static_cast<unsigned>(*p - '0');
        ++n;
    }
    for (; p < last; ++p) scale += *p != '.';
    if (scale <= kFastMinScale) return 0;
    if (scale >= kFastMaxScale) return FromBits(kInfinityBits);
    double low;
    double high;
    if (ReadFast(w, static_cast<int>(scale), &low) && ReadFast(w + 1, static_cast<int>(scale), &high) &&
        low == high) {
        return low;
    }
    return ReadExactly(first, last, exponent);
}

// v (below 2^53) as a double, exactly: from two 32-bit halves, as a 64-bit
// conversion is a library call on 32-bit ARM.
AICONV_NOINLINE double ExactDouble(std::uint64_t v) noexcept {
    const std::uint32_t high = static_cast<std::uint32_t>(v >> 32);
    const double low = static_cast<double>(static_cast<std::uint32_t>(v));
    return high == 0 ? low : static_cast<double>(high) * 4294967296.0 + low;
}

// kFast: the fast roads where they decide; otherwise big integers alone.
template <bool kFast>
std::size_t Scan(const char* first, const char* last, double* value) noexcept {
    const char* p = first;
    while (p < last && IsSpace(*p)) ++p;
    bool negative = false;
    if (p < last && (*p == '+' || *p == '-')) negative = *p++ == '-';

    // Digits go into one integer, exact while at most 19 were read; the
    // fast road below takes at most 15, leading zeros included.
    const char* const mantissa = p;
    std::uint64_t digits = 0;
    p = ReadDigits(p, last, &digits);
    long count = p - mantissa;
    // Most numbers in queries are short ("10", "2.5"), up to nine digits
    // without an exponent: nothing more to read or to scale. Left out under
    // -Os, where bytes count (and a division of doubles may be a library
    // call). A whole one is read at once.
    constexpr bool kShortRoads = kFast && !AICONV_FOR_SIZE;
    if (kShortRoads && count != 0 && count <= 9 && (p == last || (*p != '.' && (*p | 0x20) != 'e'))) {
        const double v = static_cast<double>(static_cast<std::uint32_t>(digits));
        *value = negative ? -v : v;
        return static_cast<std::size_t>(p - first);
    }
    long fractionDigits = 0;
    if (p < last && *p == '.') {
        const char* const fraction = ++p;
        p = ReadDigits(p, last, &digits);
        fractionDigits = p - fraction;
        count += fractionDigits;
    }
    if (count == 0) return 0;  // "", ".", "+", "inf", "nan" ...
    // A short one with a fraction is a whole number over a power of ten
    // below 2^32, both exact doubles: one division rounds correctly.
    if (kShortRoads && count <= 9 && (p == last || (*p | 0x20) != 'e')) {
        const int f = static_cast<int>(fractionDigits);
        const double v = static_cast<double>(static_cast<std::uint32_t>(digits)) /
                         static_cast<double>(static_cast<std::uint32_t>(kSmallPowersOfFive.value[f] << f));  // 10^f
        *value = negative ? -v : v;
        return static_cast<std::size_t>(p - first);
    }
    const char* const mantissaEnd = p;

    long exponent = 0;
    if (p < last && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        bool negativeExponent = false;
        if (q < last && (*q == '+' || *q == '-')) negativeExponent = *q++ == '-';
        if (q < last && IsDigit(*q)) {  // else the 'e' is not part of the number
            for (; q < last && IsDigit(*q); ++q) {
                if (exponent < kExponentCap) exponent = exponent * 10 + (*q - '0');
            }
            if (negativeExponent) exponent = -exponent;
            p = q;
        }
    }

    double v = 0;
    const long scale = exponent - fractionDigits;
    if (!kFast) {
        v = ReadExactly(mantissa, mantissaEnd, exponent);
    } else if (count <= 15 && digits == 0) {
        v = 0;
    } else if (count <= 15 && scale >= -22 && scale <= 22) {
        // Both operands are exact doubles (15 digits fit in 53 bits), so one
        // correctly rounded operation gives the correctly rounded value.
        const double d =
            digits >> 32 == 0 ? static_cast<double>(static_cast<std::uint32_t>(digits)) : ExactDouble(digits);
        v = d;
        if (scale != 0) {
            // 10^k = 5^k 2^k: 5^k (k <= 22) is below 2^53, so exact as a
            // double, and scaling by 2^k is exact at these magnitudes (the
            // value stays a normal double): the one rounding is that of
            // d * 10^scale, and no table of powers of ten is needed.
            const long k = scale >= 0 ? scale : -scale;
            const double f = ExactDouble(PowerOfFive(static_cast<int>(k)));
            v = scale >= 0 ? d * f : d / f;
            std::uint64_t bits;
            std::memcpy(&bits, &v, sizeof bits);
            bits += static_cast<std::uint64_t>(scale) << 52;  // adds scale to the binary exponent
            std::memcpy(&v, &bits, sizeof v);
        }
    } else if (count <= kFastDigits || SignificantDigits(mantissa, mantissaEnd) <= kFastDigits) {
        // At most 19 significant digits: `digits` holds them exactly.
        if (digits == 0 || scale <= kFastMinScale) {
            v = 0;
        } else if (scale >= kFastMaxScale) {
            v = FromBits(kInfinityBits);
        } else if (!ReadFast(digits, static_cast<int>(scale), &v)) {
            v = ReadExactly(mantissa, mantissaEnd, exponent);
        }
    } else if (!AICONV_FOR_SIZE) {
        v = ReadManyDigits(mantissa, mantissaEnd, exponent, scale);
    } else {
        v = ReadExactly(mantissa, mantissaEnd, exponent);  // rare: not worth the bytes
    }
    *value = negative ? -v : v;
    return static_cast<std::size_t>(p - first);
}

}  // namespace

std::size_t ScanNumber(const char* first, const char* last, double* value) noexcept {
    return Scan<true>(first, last, value);
}

std::size_t ScanNumberExactly(const char* first, const char* last, double* value) noexcept {
    return Scan<false>(first, last, value);
}

}  // namespace aiconv
