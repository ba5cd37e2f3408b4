// Reading and printing numbers: fixed cases, and differential loops against
// the C library's strtod and snprintf (and std::to_chars for the fixed
// form), on random values and on the inputs where a fast, almost-right
// method goes wrong: decimals next to the exact midpoint of two neighbouring
// doubles, and doubles whose tenth digit is an exact tie.
// The fast roads are also compared with the engine's own big-integer road
// on random numbers of the kinds that trip them. AICONV_NUMBER_CHECKS
// scales the counts of those and the last two loops (default 1; CI's
// release run sets it to 100: a million of each).
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "engine/big_integer.h"
#include "engine/power_of_ten.h"
#include "number_samples.h"
#include "reference.h"

using aiconv::FormatNumber;
using aiconv::ScanNumber;
using aiconv_test::Bits;
using aiconv_test::FromBits;
using aiconv_test::ReferenceFormat;

namespace {

std::string Format(double x) {
    char text[aiconv::kNumberTextSize];
    std::memset(text, 'x', sizeof text);
    FormatNumber(x, text);
    return text;
}

struct FormatCase {
    double value;
    const char* text;
};

class FormatFixed : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatFixed, Renders) { EXPECT_EQ(Format(GetParam().value), GetParam().text); }

const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, FormatFixed,
    testing::Values(FormatCase{0.0, "0"}, FormatCase{-0.0, "-0"}, FormatCase{10.0, "10"},
                    FormatCase{10.5, "10.5"}, FormatCase{-40.0, "-40"},
                    FormatCase{0.001, "0.001"}, FormatCase{-0.001, "-0.001"},
                    FormatCase{999999.0, "999999"}, FormatCase{1000000.0, "1000000"},
                    FormatCase{1e-6, "1e-06"}, FormatCase{1609344000000.0, "1.609344e+12"},
                    FormatCase{1e100, "1e+100"}, FormatCase{-2.5e-7, "-2.5e-07"},
                    FormatCase{6.21371192237334, "6.213712"},
                    // Rounds up across the point and stays on the "%.6f" road.
                    FormatCase{999999.9999999, "1000000"},
                    FormatCase{0.00099999999, "0.00099999999"},
                    FormatCase{kInf, "inf"}, FormatCase{-kInf, "-inf"},
                    FormatCase{std::numeric_limits<double>::quiet_NaN(), "nan"}));

void ExpectSameAsPrintf(double x) {
    if (std::isnan(x)) {
        // C libraries differ on the sign of nan; ours always shows it.
        EXPECT_EQ(Format(x), std::signbit(x) ? "-nan" : "nan");
        return;
    }
    EXPECT_EQ(Format(x), ReferenceFormat(x)) << std::hexfloat << x;
}

TEST(FormatNumber, AgreesWithPrintfAroundTheBounds) {
    for (double bound : {0.001, 1000000.0}) {
        double below = bound, above = bound;
        for (int i = 0; i < 1000; ++i) {
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, kInf);
            for (double x : {below, above, -below, -above}) ExpectSameAsPrintf(x);
        }
    }
    ExpectSameAsPrintf(std::numeric_limits<double>::max());
    ExpectSameAsPrintf(std::numeric_limits<double>::min());
    ExpectSameAsPrintf(std::numeric_limits<double>::denorm_min());
    ExpectSameAsPrintf(-std::numeric_limits<double>::denorm_min());
}

TEST(FormatNumber, AgreesWithPrintfOnHalfwayCases) {
    // k / 2^20 is exact in binary, so many of these sit exactly halfway at the
    // sixth decimal; printf rounds those to even.
    for (long k = 1; k < 2000000; k += 7) ExpectSameAsPrintf(static_cast<double>(k) / 1048576.0);
    // Eleven-digit integers ending in 5 are halfway at the tenth significant digit.
    for (double x = 12345678905.0; x < 12345678905.0 + 2000; x += 10) ExpectSameAsPrintf(x);
}

TEST(FormatNumber, AgreesWithPrintfOnRandomDoubles) {
    std::mt19937_64 random(8);
    std::uniform_real_distribution<double> exponent(-12, 14);
    for (int i = 0; i < 300000; ++i) {
        ExpectSameAsPrintf(std::pow(10.0, exponent(random)) * ((i & 1) ? -1 : 1));
        const std::uint64_t bits = random();
        double x;
        std::memcpy(&x, &bits, sizeof x);
        ExpectSameAsPrintf(x);
    }
}

std::string ToCharsFixedTrimmed(double x) {
    char text[64];
    char* end = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed, 6).ptr;
    while (end > text && end[-1] == '0') --end;
    if (end > text && end[-1] == '.') --end;
    return std::string(text, end);
}

// The "%.6f" road has its own digit generation; it must give the C
// library's bytes for every value it takes.
TEST(FormatNumber, FixedRoadMatchesToCharsOnMillionsOfValues) {
    std::mt19937_64 random(6);
    std::uniform_real_distribution<double> exponent(-3, 6);
    int checked = 0;
    for (int i = 0; i < 2000000; ++i) {
        const std::uint64_t noise = random() & 0xFFFFF;  // vary the low mantissa bits
        double x = std::pow(10.0, exponent(random));
        std::uint64_t bits = Bits(x) ^ noise;
        std::memcpy(&x, &bits, sizeof x);
        if (!(x >= 0.001 && x < 1000000)) continue;
        if (i & 1) x = -x;
        ASSERT_EQ(Format(x), ToCharsFixedTrimmed(x)) << std::hexfloat << x;
        ++checked;
    }
    // Odd multiples of 2^-7 lie exactly halfway between two millionths.
    for (std::int64_t j = 0; j < 1000000; ++j) {
        const double x = static_cast<double>(2 * j + 1) / 128.0 * ((j & 1) ? -1 : 1);
        ASSERT_EQ(Format(x), ToCharsFixedTrimmed(x)) << std::hexfloat << x;
        ++checked;
    }
    EXPECT_GT(checked, 2900000);
}

TEST(FormatNumber, NeverPassesSeventeenCharacters) {
    std::mt19937_64 random(17);
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t bits = random();
        double x;
        std::memcpy(&x, &bits, sizeof x);
        EXPECT_LE(Format(x).size(), 17u);
    }
    EXPECT_EQ(Format(-1.2345678912345678e-300), "-1.234567891e-300");
}

// Scanning must agree with strtod in the "C" locale, in both the value and
// the number of bytes consumed.
class ScanLikeStrtod : public testing::TestWithParam<const char*> {};

TEST_P(ScanLikeStrtod, Agrees) {
    const char* text = GetParam();
    char* strtodEnd = nullptr;
    const double expected = std::strtod(text, &strtodEnd);
    const std::size_t expectedUsed = static_cast<std::size_t>(strtodEnd - text);

    double value = 12345;
    const std::size_t used = ScanNumber(text, text + std::strlen(text), &value);
    EXPECT_EQ(used, expectedUsed);
    if (expectedUsed == 0) {
        EXPECT_EQ(value, 12345) << "value written on failure";
    } else if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(value));
    } else {
        EXPECT_EQ(Bits(value), Bits(expected)) << value << " vs " << expected;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ScanLikeStrtod,
    testing::Values("10", "  10", "\t\n\v\f\r7", "+5", "-5", "+-5", "-+5", "--5", "-", "+", ".",
                    "", " ", ".5", "5.", "-.5e1", "007", "1e3", "1e", "1e+", "1E-3x", "1.5e3km",
                    "10km", "1,5", "1e308",
                    "1.8e308", "1e999", "-1e999", "1e99999999999999999999", "0e99999",
                    "0.000000000001e320", "1000000000000e-330", "4.9e-324", "2.4e-324",
                    "2.5e-324", "1e-999", "-1e-999", "2.2250738585072011e-308",
                    "179769313486231580793728971405303415079934132710037826936173778980444"
                    "968292764750946649017977587207096330286416692887910946555547851940402"
                    "630657488671505820681908902000708383676273854845817711531764475730270"
                    "069855571366959622842914819860834936475292719074168444365510704342711"
                    "559699508093042880177904174497792",
                    "0.1000000000000000055511151231257827021181583404541015625"));

// Only plain decimal notation is a number: the words strtod also takes would
// let "nan km to m" answer like a conversion, and hexadecimal is not read.
TEST(ScanNumber, ReadsNoWordsAndNoHexadecimal) {
    const struct {
        const char* text;
        std::size_t used;
    } cases[] = {{"inf", 0},   {"-Infinity", 0}, {"INFINITE", 0}, {"nan", 0}, {"-nan", 0},
                 {"NaN(1)", 0}, {"+inf", 0},     {"0x10", 1},     {"-0x1p3", 2}};
    for (const auto& c : cases) {
        double value = 12345;
        EXPECT_EQ(ScanNumber(c.text, c.text + std::strlen(c.text), &value), c.used) << c.text;
        if (c.used == 0) {
            EXPECT_EQ(value, 12345) << c.text;
        }
    }
}

// Short decimals take a fast road; random ones around its limits (15 and 16
// digits, powers of ten near 22) must still agree with strtod.
TEST(ScanNumber, AgreesWithStrtodOnRandomDecimals) {
    std::mt19937 random(1);
    for (int i = 0; i < 300000; ++i) {
        std::string text;
        if (random() % 4 == 0) text += (random() % 2) ? '-' : '+';
        const int intDigits = static_cast<int>(random() % 12);
        const int fracDigits = static_cast<int>(random() % 10);
        for (int d = 0; d < intDigits; ++d) text += static_cast<char>('0' + random() % 10);
        if (fracDigits > 0 || random() % 2) text += '.';
        for (int d = 0; d < fracDigits; ++d) text += static_cast<char>('0' + random() % 10);
        if (random() % 2) {
            text += (random() % 2) ? 'e' : 'E';
            if (random() % 2) text += (random() % 2) ? '-' : '+';
            text += std::to_string(random() % 40);
        }
        text += " m";
        char* strtodEnd = nullptr;
        const double expected = std::strtod(text.c_str(), &strtodEnd);
        double value = 0;
        const std::size_t used = ScanNumber(text.data(), text.data() + text.size(), &value);
        ASSERT_EQ(used, static_cast<std::size_t>(strtodEnd - text.c_str())) << text;
        if (used > 0) {
            ASSERT_EQ(Bits(value), Bits(expected)) << text;
        }
    }
}

TEST(ScanNumber, StopsAtTheEndItIsGiven) {
    const char text[] = "12345";
    double value = 0;
    EXPECT_EQ(ScanNumber(text, text + 3, &value), 3u);
    EXPECT_EQ(value, 123.0);
    EXPECT_EQ(ScanNumber(text, text, &value), 0u);
}

long Scale() {
    const char* text = std::getenv("AICONV_NUMBER_CHECKS");
    const long scale = text != nullptr ? std::strtol(text, nullptr, 10) : 1;
    return scale > 0 ? scale : 1;
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

// 10^q's 128-bit product with w against w 10^q in big integers, for every
// power of ten the table serves: the table, its derivation and the slack
// the roundings rely on.
aiconv::BigInteger Big(std::uint64_t high, std::uint64_t low) {
    aiconv::BigInteger b;
    aiconv::BigSet(&b, high);
    for (int shift = 32; shift >= 0; shift -= 32) {
        aiconv::BigShiftLeft(&b, 32);
        aiconv::BigMulAdd(&b, 1, static_cast<std::uint32_t>(low >> shift));
    }
    return b;
}

TEST(NumberRoads, PowersOfTenAreWithinTheirSlack) {
    std::mt19937_64 random(27);
    for (int q = aiconv::kMinPowerOfTen; q <= aiconv::kMaxPowerOfTen; ++q) {
        for (const std::uint64_t w : {std::uint64_t{1} << 63, ~std::uint64_t{0}, random() | (std::uint64_t{1} << 63)}) {
            int e = 0;
            const aiconv::Uint128 t = aiconv::MultiplyByPowerOfTen(w, q, &e);
            ASSERT_NE(t.high >> 62, 0u) << q;
            // w 10^q 2^-e against t -+ slack, both sides times 10^-q and 2^e
            // where those are whole.
            aiconv::BigInteger exact = Big(0, w);
            if (q > 0) {
                aiconv::BigMulPow5(&exact, q);
                aiconv::BigShiftLeft(&exact, q);
            }
            if (e < 0) aiconv::BigShiftLeft(&exact, -e);
            for (const int side : {-1, 1}) {
                const std::uint64_t slack = aiconv::kPowerOfTenSlack;
                const std::uint64_t low = side < 0 ? t.low - slack : t.low + slack;
                const std::uint64_t high = side < 0 ? t.high - (t.low < slack) : t.high + (low < slack);
                aiconv::BigInteger bound = Big(high, low);
                if (q < 0) {
                    aiconv::BigMulPow5(&bound, -q);
                    aiconv::BigShiftLeft(&bound, -q);
                }
                if (e > 0) aiconv::BigShiftLeft(&bound, e);
                ASSERT_EQ(aiconv::BigCompare(exact, bound), -side) << "10^" << q << " times " << w;
            }
        }
    }
}

// The fast roads against the big-integer road, which decides every number
// exactly, over the decimals `make` writes.
void ExpectFastReadingAgrees(std::uint64_t stream, std::string (*make)(std::mt19937_64&, long)) {
    std::mt19937_64 random(stream);
    const long count = 10000 * Scale();
    for (long i = 0; i < count; ++i) {
        const std::string text = make(random, i);
        double fast = 0;
        double exact = 0;
        const char* const end = text.data() + text.size();
        ASSERT_EQ(ScanNumber(text.data(), end, &fast), aiconv::ScanNumberExactly(text.data(), end, &exact)) << text;
        ASSERT_EQ(Bits(fast), Bits(exact)) << text;
    }
}

TEST(NumberRoads, FastReadingAgreesWithBigIntegers) {
    ExpectFastReadingAgrees(30, aiconv_samples::RandomDecimal);
    // Past 19 significant digits, where the first 19 decide all but near-ties.
    ExpectFastReadingAgrees(32, aiconv_samples::RandomLongDecimal);
}

TEST(NumberRoads, FastPrintingAgreesWithBigIntegers) {
    std::mt19937_64 random(31);
    const long count = 10000 * Scale();
    for (long i = 0; i < count; ++i) {
        const double x = (i & 1 ? -1 : 1) * aiconv_samples::RandomDouble(random, i / 2);
        char fast[aiconv::kNumberTextSize];
        char exact[aiconv::kNumberTextSize];
        FormatNumber(x, fast);
        aiconv::FormatNumberExactly(x, exact);
        ASSERT_STREQ(fast, exact) << std::hexfloat << x;
    }
}

}  // namespace
