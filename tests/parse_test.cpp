#include "engine/parse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct ParseCase {
    std::string query;
    const char* error;  // null when the query parses
    double value;
    const char* from;
    const char* to;
};

ParseCase Parses(std::string query, double value, const char* from, const char* to) {
    return {std::move(query), nullptr, value, from, to};
}

ParseCase Fails(std::string query, const char* error) { return {std::move(query), error, 0, "", ""}; }

void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.query << '"'; }

class Parse : public testing::TestWithParam<ParseCase> {};

TEST_P(Parse, ReadsNumberUnitsAndArrow) {
    const ParseCase& c = GetParam();
    double value = -1;
    const aiconv::UnitDef* from = nullptr;
    const aiconv::UnitDef* to = nullptr;
    char error[aiconv::kParseErrorSize] = "";
    const int ok = aiconv::ParseQuery(c.query.c_str(), &value, &from, &to, error);
    if (c.error != nullptr) {
        EXPECT_EQ(ok, 0);
        EXPECT_STREQ(error, c.error);
        return;
    }
    ASSERT_EQ(ok, 1) << error;
    EXPECT_EQ(value, c.value);
    EXPECT_STREQ(from->name, c.from);
    EXPECT_STREQ(to->name, c.to);
}

using aiconv::kErrorBadUnits;
using aiconv::kErrorNoNumber;
using aiconv::kErrorNoUnit;

INSTANTIATE_TEST_SUITE_P(
    Arrows, Parse,
    testing::Values(Parses("10 km to mi", 10, "km", "mi"), Parses("10 km mi", 10, "km", "mi"),
                    Parses("10 km -> mi", 10, "km", "mi"), Parses("10 km ->mi", 10, "km", "mi"),
                    Parses("10 km TO mi", 10, "km", "mi"), Parses("10 km tomi", 10, "km", "mi"),
                    Parses("10 KM To MI", 10, "km", "mi"), Parses("10km mi", 10, "km", "mi"),
                    Parses("-40 c -> f", -40, "c", "f"), Parses("1.5e3 M TO KM", 1500, "m", "km"),
                    Parses("\t10\tkm\tto\tmi\n", 10, "km", "mi"),
                    Parses("10 km to mi and more", 10, "km", "mi"),
                    Parses("5 kg to tonne", 5, "kg", "tonne"),
                    Parses("100 mmhg -> torr", 100, "mmhg", "torr"),
                    Parses("1e3 m km", 1000, "m", "km"),
                    Parses("10 lbs. to kg.", 10, "lbs", "kg"),
                    // "to" is a bare two-byte prefix, so "tonne" leaves "nne".
                    Fails("5 kg tonne", kErrorBadUnits), Fails("100 mmhg torr", kErrorBadUnits),
                    Fails("10 km->mi", kErrorBadUnits), Fails("10 km -> to mi", kErrorBadUnits),
                    Fails("10 km to -> mi", kErrorBadUnits), Fails("10 km - > mi", kErrorBadUnits),
                    Fails("10 km -", kErrorBadUnits), Fails("10 km ->", kErrorBadUnits),
                    Fails("10 km", kErrorBadUnits), Fails("10 km to", kErrorBadUnits),
                    Fails("10 km to   ", kErrorBadUnits)));

INSTANTIATE_TEST_SUITE_P(
    TwoWordUnits, Parse,
    testing::Values(Parses("1 fl oz to ml", 1, "fl oz", "ml"),
                    Parses("1 FL  OZ ml", 1, "fl oz", "ml"),
                    Parses("2 cubic meter ->l", 2, "cubic meter", "l"),
                    Parses("2 Cubic\tMeter to m3", 2, "cubic meter", "m3"),
                    Parses("1 fl oz. to ml", 1, "fl oz", "ml"),
                    // The second word is taken only when the pair is a unit.
                    Parses("1 ft in", 1, "ft", "in"), Parses("1 ft to in", 1, "ft", "in"),
                    Parses("3 m m", 3, "m", "m"),
                    Fails("1 ml to fl oz", kErrorBadUnits), Fails("1 fl to ml", kErrorBadUnits),
                    Fails("1 cubic to ml", kErrorBadUnits)));

INSTANTIATE_TEST_SUITE_P(
    Failures, Parse,
    testing::Values(Fails("", kErrorNoNumber), Fails("km to m", kErrorNoNumber),
                    Fails("   ", kErrorNoNumber), Fails("+-5 m to km", kErrorNoNumber),
                    Fails("- 5 m to km", kErrorNoNumber), Fails("10", kErrorNoUnit),
                    Fails("10   \t ", kErrorNoUnit), Fails("10 furlong to m", kErrorBadUnits),
                    Fails("10 km to furlong", kErrorBadUnits),
                    Fails("10 km to parsec", kErrorBadUnits)));

INSTANTIATE_TEST_SUITE_P(
    NumberLimits, Parse,
    testing::Values(
        // The number must begin within the first 63 bytes and is cut there.
        Fails(std::string(70, ' ') + "5 m to cm", kErrorNoNumber),
        Fails(std::string(62, ' ') + "12 m to cm", kErrorBadUnits),
        Parses(std::string(61, ' ') + "12 m to cm", 12, "m", "cm"),
        Parses(std::string(62, ' ') + "1 m to cm", 1, "m", "cm"),
        // 63 digits fill the scan; a 64th digit becomes the first word.
        Fails(std::string(63, '1') + "5 m to cm", kErrorBadUnits),
        Parses(std::string(63, '0') + "m to cm", 0, "m", "cm"),
        Parses("1e999 m to km", HUGE_VAL, "m", "km"),
        Parses("-1e999 m to km", -HUGE_VAL, "m", "km"),
        Parses("1e-999 m to km", 0, "m", "km"), Parses("007 kg to g", 7, "kg", "g"),
        Parses("+5 m to cm", 5, "m", "cm"), Parses(".5 m to cm", 0.5, "m", "cm"),
        Parses("5. m to cm", 5, "m", "cm")));

}  // namespace
