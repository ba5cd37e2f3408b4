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

#include "reference.h"

using aiconv::FormatNumber;
using aiconv::ScanNumber;
using aiconv_test::ReferenceFormat;

namespace {

std::string Format(double x) {
    char text[aiconv::kNumberTextSize];
    std::memset(text, 'x', sizeof text);
    FormatNumber(x, text);
    return text;
}

std::uint64_t Bits(double x) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
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

}  // namespace
