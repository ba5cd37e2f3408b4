// Reading and printing against the C library on the inputs where a fast,
// almost-right method goes wrong: decimals next to the exact midpoint of two
// neighbouring doubles, and doubles whose tenth digit is an exact tie.
// AICONV_NUMBER_CHECKS scales the counts (default 1; CI's release run sets
// it higher).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "engine/number_text.h"
#include "reference.h"

namespace {

long Scale() {
    const char* text = std::getenv("AICONV_NUMBER_CHECKS");
    const long scale = text != nullptr ? std::strtol(text, nullptr, 10) : 1;
    return scale > 0 ? scale : 1;
}

std::uint64_t Bits(double x) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

double FromBits(std::uint64_t bits) {
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// Decimal digits of a non-negative integer, most significant first, kept in
// base 10^9 words while it is multiplied up.
std::string TimesPowers(std::uint64_t start, int twos, int fives) {
    std::vector<std::uint32_t> words{static_cast<std::uint32_t>(start % 1000000000),
                                     static_cast<std::uint32_t>(start / 1000000000 % 1000000000),
                                     static_cast<std::uint32_t>(start / 1000000000 / 1000000000)};
    auto multiply = [&](std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (auto& w : words) {
            carry += std::uint64_t{w} * factor;
            w = static_cast<std::uint32_t>(carry % 1000000000);
            carry /= 1000000000;
        }
        while (carry != 0) {
            words.push_back(static_cast<std::uint32_t>(carry % 1000000000));
            carry /= 1000000000;
        }
    };
    for (; twos > 0; twos -= 20) multiply(1u << (twos < 20 ? twos : 20));
    for (; fives > 0; fives -= 12) multiply(fives < 12 ? static_cast<std::uint32_t>(std::pow(5, fives)) : 244140625);
    std::string text;
    for (auto w = words.rbegin(); w != words.rend(); ++w) {
        const std::string part = std::to_string(*w);
        text += text.empty() ? part : std::string(9 - part.size(), '0') + part;
    }
    const std::size_t first = text.find_first_not_of('0');
    return first == std::string::npos ? "0" : text.substr(first);
}

// The exact decimal of the midpoint between x (finite, >= 0) and the next
// double up, as significant digits and the power of ten of the last one.
struct Decimal {
    std::string digits;
    int exponent;
};

Decimal MidpointAbove(double x) {
    const std::uint64_t bits = Bits(x);
    const int biased = static_cast<int>(bits >> 52);
    const std::uint64_t m = biased == 0 ? (bits & ((1ull << 52) - 1)) : ((bits & ((1ull << 52) - 1)) | (1ull << 52));
    const int e = (biased == 0 ? -1074 : biased - 1075) - 1;  // midpoint = (2m + 1) * 2^e
    if (e >= 0) return {TimesPowers(2 * m + 1, e, 0), 0};
    return {TimesPowers(2 * m + 1, 0, -e), e};  // (2m+1) * 5^-e * 10^e
}

// "d.ddd...e<exp>" from the digits, cut to n of them.
std::string Text(const std::string& digits, int exponent, std::size_t n) {
    const std::string kept = digits.substr(0, n);
    const int pointExponent = exponent + static_cast<int>(digits.size()) - 1;
    std::string text = kept.substr(0, 1);
    if (kept.size() > 1) text += "." + kept.substr(1);
    return text + "e" + std::to_string(pointExponent);
}

// The same number with its last digit one higher (carrying), as a digit string.
std::string PlusOneInLastPlace(std::string digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return digits;
        }
        digits[i] = '0';
    }
    return "1" + digits;
}

void ExpectReadAsStrtod(const std::string& text) {
    char* end = nullptr;
    const double expected = std::strtod(text.c_str(), &end);
    double value = 0;
    const std::size_t used = aiconv::ScanNumber(text.data(), text.data() + text.size(), &value);
    ASSERT_EQ(used, static_cast<std::size_t>(end - text.c_str())) << text;
    ASSERT_EQ(Bits(value), Bits(expected)) << text;
}

// Doubles from every part of the range, the edges included.
double Sample(std::mt19937_64& random, long i) {
    const double kEdges[] = {0.0,
                                 std::numeric_limits<double>::denorm_min(),
                                 std::numeric_limits<double>::min(),
                                 std::nextafter(std::numeric_limits<double>::min(), 0.0),
                                 std::numeric_limits<double>::max(),
                                 std::nextafter(std::numeric_limits<double>::max(), 0.0),
                                 1.0,
                                 std::nextafter(1.0, 0.0),
                                 9007199254740992.0};
    if (i < static_cast<long>(std::size(kEdges))) return kEdges[i];
    double x;
    do {
        x = FromBits(random() & 0x7FFFFFFFFFFFFFFFull);
    } while (!std::isfinite(x) || x == std::numeric_limits<double>::max());
    return x;
}

TEST(ScanNumber, AgreesWithStrtodBesideMidpoints) {
#if !defined(__GLIBC__)
    GTEST_SKIP() << "the reference is glibc's correctly rounded strtod";
#endif
    std::mt19937_64 random(75);
    const long count = 20000 * Scale();
    long compared = 0;
    for (long i = 0; i < count; ++i) {
        const double x = Sample(random, i);
        const Decimal mid = MidpointAbove(x);
        const std::size_t n = 17 + random() % 29;  // 17 to 45 digits
        // Exactly at the midpoint (all its digits, up to 767), cut below it,
        // and one unit in the last kept digit above the cut.
        ExpectReadAsStrtod(Text(mid.digits, mid.exponent, mid.digits.size()));
        if (mid.digits.size() > n) {
            const std::string cut = mid.digits.substr(0, n);
            const int cutExponent = mid.exponent + static_cast<int>(mid.digits.size() - n);
            ExpectReadAsStrtod(Text(cut, cutExponent, n));
            const std::string up = PlusOneInLastPlace(cut);
            ExpectReadAsStrtod(Text(up, cutExponent + static_cast<int>(up.size() - n), up.size()));
            compared += 2;
        }
        compared += 1;
    }
    // Long plain digit strings, as a query may hold them.
    for (long i = 0; i < count; ++i) {
        std::string text = (i & 1) ? "-" : "";
        const int digits = 1 + static_cast<int>(random() % 62);
        const int point = static_cast<int>(random() % (digits + 1));
        for (int d = 0; d < digits; ++d) {
            if (d == point) text += '.';
            text += static_cast<char>('0' + random() % 10);
        }
        if (random() % 2) text += "e" + std::to_string(static_cast<int>(random() % 700) - 350);
        ExpectReadAsStrtod(text);
        ++compared;
    }
    // Beyond the 800 digits kept exactly, at the ends of the range, where the
    // big integers are largest.
    for (long i = 0; i < count / 200 + 20; ++i) {
        std::string text = "0.";
        text += std::string(random() % 2 ? 0 : 320, '0');
        const int digits = 700 + static_cast<int>(random() % 400);
        for (int d = 0; d < digits; ++d) text += static_cast<char>('0' + (d == 0 ? 1 + random() % 9 : random() % 10));
        text += "e" + std::to_string(static_cast<int>(random() % 12) + (random() % 2 ? 300 : -12));
        ExpectReadAsStrtod(text);
        ++compared;
    }
    std::printf("compared %ld readings with strtod\n", compared);
}

TEST(FormatNumber, AgreesWithPrintfOnTiesAndEdges) {
#if !defined(__GLIBC__)
    GTEST_SKIP() << "the reference is glibc's exact printf";
#endif
    std::mt19937_64 random(10);
    long compared = 0;
    auto check = [&](double x) {
        ASSERT_EQ(
            [&] {
                char text[aiconv::kNumberTextSize];
                aiconv::FormatNumber(x, text);
                return std::string(text);
            }(),
            aiconv_test::ReferenceFormat(x))
            << std::hexfloat << x;
        ++compared;
    };
    // A ten-digit integer plus one half is an exact tie at the tenth digit.
    const long count = 100000 * Scale();
    for (long i = 0; i < count; ++i) {
        const double whole = static_cast<double>(1000000000 + random() % 9000000000);
        check(whole + 0.5);
        check(-(whole + 0.5));
        // Odd multiples of powers of two: many are ties in decimal too.
        check(std::ldexp(static_cast<double>(2 * (random() % 4096) + 1), static_cast<int>(random() % 2100) - 1100));
        // Every kind of double, subnormals included.
        check(Sample(random, i));
        check(FromBits(random() % 0x0010000000000000ull));
    }
    std::printf("compared %ld texts with snprintf\n", compared);
}

}  // namespace
