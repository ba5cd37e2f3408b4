#include "number_text.h"

#include <charconv>
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

}  // namespace

std::size_t ScanNumber(const char* first, const char* last, double* value) noexcept {
    const char* p = first;
    while (p < last && IsSpace(*p)) ++p;
    bool negative = false;
    if (p < last && (*p == '+' || *p == '-')) negative = *p++ == '-';
    // from_chars takes a '-' itself; after our sign a second one is not a number.
    if (p < last && (*p == '+' || *p == '-')) return 0;

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
    char* end = std::to_chars(buffer, last, x, std::chars_format::fixed, 6).ptr;
    while (end > buffer && end[-1] == '0') --end;
    if (end > buffer && end[-1] == '.') --end;
    *end = '\0';
}

}  // namespace aiconv
