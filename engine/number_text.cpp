#include "number_text.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>

#include "text.h"

namespace aiconv {
namespace {

constexpr bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

// from_chars reports a magnitude outside the double range without a value.
// Decide the side from the decimal exponent of the leading digit: the two
// failing ranges (above 1e308, below 1e-323) are far apart.
bool Overflows(const char* first, const char* last) noexcept {
    long leading = 0;       // decimal exponent + 1 of the first non-zero digit
    bool seenNonZero = false;
    bool afterPoint = false;
    const char* p = first;
    for (; p < last; ++p) {
        if (*p == '.') {
            afterPoint = true;
        } else if (IsDigit(*p)) {
            if (*p != '0') seenNonZero = true;
            if (!afterPoint && seenNonZero) ++leading;
            if (afterPoint && !seenNonZero) --leading;
        } else {
            break;
        }
    }
    long exponent = 0;
    if (p < last && (*p == 'e' || *p == 'E')) {
        ++p;
        bool negative = false;
        if (p < last && (*p == '+' || *p == '-')) negative = *p++ == '-';
        for (; p < last && IsDigit(*p); ++p) {
            if (exponent < 100000) exponent = exponent * 10 + (*p - '0');
        }
        if (negative) exponent = -exponent;
    }
    return leading + exponent > 0;
}

constexpr double kExactPowersOfTen[] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};

// Most queries hold short plain decimals ("10", "1.5", "1e3"). When the digits
// fit in 53 bits and the power of ten is exact, one multiplication or
// division of two exact doubles is correctly rounded, so the result is the
// one from_chars gives. Returns the end of the number, or null to leave the
// text to from_chars.
const char* ScanShortDecimal(const char* p, const char* last, double* value) noexcept {
    std::uint64_t digits = 0;
    int count = 0;
    int exponent = 0;
    for (; p < last && IsDigit(*p); ++p, ++count) digits = digits * 10 + static_cast<unsigned>(*p - '0');
    if (p < last && *p == '.') {
        for (++p; p < last && IsDigit(*p); ++p, ++count, --exponent) {
            digits = digits * 10 + static_cast<unsigned>(*p - '0');
        }
    }
    if (count == 0 || count > 15) return nullptr;  // 15 digits always fit in 53 bits
    if (p < last && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        bool negative = false;
        if (q < last && (*q == '+' || *q == '-')) negative = *q++ == '-';
        if (q < last && IsDigit(*q)) {  // else the 'e' is not part of the number
            int e = 0;
            for (; q < last && IsDigit(*q); ++q) {
                if (e > 1000) return nullptr;
                e = e * 10 + (*q - '0');
            }
            exponent += negative ? -e : e;
            p = q;
        }
    }
    if (exponent < -22 || exponent > 22) return nullptr;
    const double d = static_cast<double>(digits);
    *value = exponent >= 0 ? d * kExactPowersOfTen[exponent] : d / kExactPowersOfTen[-exponent];
    return p;
}

// Writes v < 10^20 in decimal and returns the end.
char* WriteUnsigned(char* out, std::uint64_t v) noexcept {
    char digits[20];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    while (n > 0) *out++ = digits[--n];
    return out;
}

// "%.6f" with trailing zeros and point trimmed, for x == 0 or
// 0.001 <= |x| < 1000000, rounded exactly as printf does: the binary value
// times 10^6, rounded half to even.
void FormatFixedTrimmed(double x, char* out) noexcept {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    if (bits >> 63) *out++ = '-';
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);

    std::uint64_t scaled = 0;  // round(|x| * 10^6)
    constexpr std::uint64_t kMillion = 1000000;
    if (biased != 0) {
        // |x| = mantissa * 2^-shift; the range above keeps shift in [33, 62].
        const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
        const int shift = 1075 - biased;
        // mantissa * 10^6 needs up to 73 bits: two 64-bit words.
        const std::uint64_t low = (mantissa & 0xFFFFFFFFu) * kMillion;
        const std::uint64_t high = (mantissa >> 32) * kMillion;
        const std::uint64_t lo = low + (high << 32);
        const std::uint64_t hi = (high >> 32) + (lo < low ? 1 : 0);
        const std::uint64_t quotient = (lo >> shift) | (hi << (64 - shift));
        const std::uint64_t rest = lo & ((std::uint64_t{1} << shift) - 1);
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        scaled = quotient + ((rest > half || (rest == half && (quotient & 1))) ? 1 : 0);
    }

    out = WriteUnsigned(out, scaled / kMillion);
    std::uint64_t fraction = scaled % kMillion;
    if (fraction != 0) {
        int places = 6;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --places;
        }
        *out++ = '.';
        for (int i = places - 1; i >= 0; --i) {
            out[i] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        out += places;
    }
    *out = '\0';
}

}  // namespace

std::size_t ScanNumber(const char* first, const char* last, double* value) noexcept {
    const char* p = first;
    while (p < last && IsSpace(*p)) ++p;
    bool negative = false;
    if (p < last && (*p == '+' || *p == '-')) negative = *p++ == '-';
    // from_chars takes a '-' itself; after our sign a second one is not a number.
    if (p < last && (*p == '+' || *p == '-')) return 0;

    if (const char* end = ScanShortDecimal(p, last, value)) {
        if (negative) *value = -*value;
        return static_cast<std::size_t>(end - first);
    }

    double v = 0;
    const std::from_chars_result r = std::from_chars(p, last, v, std::chars_format::general);
    if (r.ec == std::errc::invalid_argument) return 0;
    if (r.ec == std::errc::result_out_of_range) {
        v = Overflows(p, r.ptr) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    *value = negative ? -v : v;
    return static_cast<std::size_t>(r.ptr - first);
}

void FormatNumber(double x, char* buffer) noexcept {
    char* const last = buffer + NumberTextSize - 1;
    const double a = x < 0 ? -x : x;
    // Written so that nan fails the range test and takes the "%.10g" road.
    if (a != 0 && (!(a >= 0.001) || a >= 1000000.0)) {
        *std::to_chars(buffer, last, x, std::chars_format::general, 10).ptr = '\0';
        return;
    }
    FormatFixedTrimmed(x, buffer);
}

}  // namespace aiconv
