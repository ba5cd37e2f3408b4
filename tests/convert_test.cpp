#include "engine/convert.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "reference.h"
#include "engine/number_text.h"
#include "engine/units.h"

using aiconv_test::Answer;

namespace {

char UpperCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

struct AnswerCase {
    const char* query;
    const char* answer;
};

void PrintTo(const AnswerCase& c, std::ostream* os) { *os << '"' << c.query << '"'; }

class Answers : public testing::TestWithParam<AnswerCase> {};

TEST_P(Answers, AreExact) { EXPECT_EQ(Answer(GetParam().query), GetParam().answer); }

INSTANTIATE_TEST_SUITE_P(
    Conversions, Answers,
    testing::Values(AnswerCase{"10 km to mi", "10 km -> 6.213712 mi"},
                    AnswerCase{"10 KM to Mi", "10 km -> 6.213712 mi"},
                    AnswerCase{"10 km to m", "10 km -> 10000 m"},
                    AnswerCase{"2 cubic meter to l", "2 cubic meter -> 2000 l"},
                    AnswerCase{"1 fl oz to ml", "1 fl oz -> 29.57353 ml"},
                    AnswerCase{"1 m to km", "1 m -> 0.001 km"},
                    AnswerCase{"1000000 m to m", "1000000 m -> 1000000 m"},
                    AnswerCase{"1 mm to km", "1 mm -> 1e-06 km"},
                    AnswerCase{"1 mi to nm", "1 mi -> 1.609344e+12 nm"},
                    AnswerCase{"0 m to km", "0 m -> 0 km"}, AnswerCase{"2 m to m", "2 m -> 2 m"},
                    AnswerCase{"-0 m to km", "-0 m -> -0 km"},
                    AnswerCase{"1 kb to bit", "1 kb -> 1000 bit"},
                    AnswerCase{"1 kb to byte", "1 kb -> 125 byte"},
                    AnswerCase{"1 B to bits", "1 b -> 8 bits"},
                    AnswerCase{"1 gib to mb", "1 gib -> 1073.741824 mb"},
                    AnswerCase{"1 ton to tonne", "1 ton -> 0.907185 tonne"},
                    AnswerCase{"1e999 m to km", "inf m -> inf km"},
                    AnswerCase{"-1e999 m to km", "-inf m -> -inf km"},
                    // The input is shown as rendered, not as typed.
                    AnswerCase{"10.50 m to m", "10.5 m -> 10.5 m"},
                    AnswerCase{"1e3 m to km", "1000 m -> 1 km"},
                    AnswerCase{"007 kg to g", "7 kg -> 7000 g"},
                    // Divide first, then multiply: the last digit shows it.
                    AnswerCase{"1.5 pt to ml", "1.5 pt -> 709.764709 ml"},
                    AnswerCase{"0.1 atm to mpa", "0.1 atm -> 0.010133 mpa"}));

INSTANTIATE_TEST_SUITE_P(
    Temperatures, Answers,
    testing::Values(AnswerCase{"100 c to f", "100 c -> 212 f"},
                    AnswerCase{"-40 c to f", "-40 c -> -40 f"},
                    AnswerCase{"0 k to c", "0 k -> -273.15 c"},
                    AnswerCase{"72 fahrenheit to c", "72 fahrenheit -> 22.222222 c"},
                    AnswerCase{"212 f to k", "212 f -> 373.15 k"},
                    AnswerCase{"0 celsius to kelvin", "0 celsius -> 273.15 kelvin"},
                    AnswerCase{"300 K to F", "300 k -> 80.33 f"},
                    AnswerCase{"37 centigrade -> fahrenheit", "37 centigrade -> 98.6 fahrenheit"},
                    AnswerCase{"451 f to f", "451 f -> 451 f"},
                    AnswerCase{"98.6 f to c", "98.6 f -> 37 c"}));

INSTANTIATE_TEST_SUITE_P(
    Errors, Answers,
    testing::Values(AnswerCase{nullptr, "ERROR: null input"},
                    AnswerCase{"", "ERROR: could not parse number"},
                    AnswerCase{"km to m", "ERROR: could not parse number"},
                    AnswerCase{"nan km to m", "ERROR: could not parse number"},
                    AnswerCase{"-Infinity m to km", "ERROR: could not parse number"},
                    AnswerCase{"10", "ERROR: missing unit"},
                    AnswerCase{"10 km to parsec", "ERROR: could not parse units or arrow"},
                    AnswerCase{"1 m to kg", "ERROR: incompatible units (length vs mass)"},
                    AnswerCase{"5 c to m", "ERROR: incompatible units (temperature vs length)"},
                    AnswerCase{"5 m to c", "ERROR: incompatible units (length vs temperature)"},
                    AnswerCase{"1 hp to kwh", "ERROR: incompatible units (power vs energy)"},
                    AnswerCase{"1 rad to gib", "ERROR: incompatible units (angle vs data)"}));

TEST(ConvertTemperature, KnowsNinePairsAndNoOther) {
    double result = -1;
    EXPECT_EQ(aiconv::ConvertTemperature(10, "C", "Kelvin", &result), 1);
    EXPECT_EQ(result, 10 + 273.15);
    // A name stops at white space, as a name followed by more text.
    EXPECT_EQ(aiconv::ConvertTemperature(10, "f extra", "c", &result), 1);
    EXPECT_EQ(result, (10 - 32) * 0.5555555555555556);
    result = -1;
    EXPECT_EQ(aiconv::ConvertTemperature(10, "r", "c", &result), 0);
    EXPECT_EQ(aiconv::ConvertTemperature(10, "c", "", &result), 0);
    EXPECT_EQ(aiconv::ConvertTemperature(10, "celsiusx", "c", &result), 0);
    EXPECT_EQ(result, -1);
}

// A query converts between two temperature rows as ConvertTemperature does
// between their names, for every pair of rows.
TEST(ConvertTemperature, EveryRowPairAnswersAsItsNames) {
    for (const aiconv::UnitDef* from = aiconv::UnitTable; from->name != nullptr; ++from) {
        for (const aiconv::UnitDef* to = aiconv::UnitTable; to->name != nullptr; ++to) {
            if (from->category != aiconv::CategoryTemperature || to->category != aiconv::CategoryTemperature) continue;
            double result = 0;
            ASSERT_EQ(aiconv::ConvertTemperature(-40.5, from->name, to->name, &result), 1) << from->name;
            // A row's own name is read by its address; a copy, by its letters.
            const std::string fromCopy = from->name;
            const std::string toCopy = to->name;
            double fromCopies = 0;
            ASSERT_EQ(aiconv::ConvertTemperature(-40.5, fromCopy.c_str(), toCopy.c_str(), &fromCopies), 1);
            EXPECT_EQ(fromCopies, result) << from->name << " to " << to->name;
            // The end of a row's name is no name ("elvin", "elsius").
            EXPECT_EQ(aiconv::ConvertTemperature(-40.5, from->name + 1, "c", &fromCopies), 0) << from->name;
            char expected[aiconv::kResultTextSize];
            aiconv::FormatNumber(result, expected);
            const std::string answer = Answer(("-40.5 " + std::string(from->name) + " to " + to->name).c_str());
            EXPECT_EQ(answer, "-40.5 " + std::string(from->name) + " -> " + expected + " " + to->name);
        }
    }
}

// A name is copied by its length, the last one ending the answer: nothing
// past the NUL changes (a one-digit number writes only its digit).
TEST(ConvertQuery, WritesNothingPastTheLastName) {
    for (const aiconv::UnitDef* row = aiconv::UnitTable; row->name != nullptr; ++row) {
        if (std::strchr(row->name, ' ') != nullptr) continue;  // a target is one word
        const std::string query = std::string("2 ") + row->name + " -> " + row->name;
        char text[aiconv::kResultTextSize];
        std::memset(text, '#', sizeof text);
        const std::size_t length = aiconv::ConvertQuery(query.c_str(), query.size(), text);
        // "lbs." is read as "lbs": the names answered are the rows found.
        ASSERT_EQ(std::string(text).rfind("2 ", 0), 0u) << text;
        ASSERT_EQ(length, std::strlen(text));
        EXPECT_EQ(std::string(text + length + 1, sizeof text - length - 1), std::string(sizeof text - length - 1, '#'))
            << row->name;
    }
}

TEST(ConvertTemperature, MultipliesByFiveNinthsRatherThanDividing) {
    // The two roads differ in the last bit for many values; ours must be the
    // multiplication.
    int differ = 0;
    for (int f = -500; f <= 500; ++f) {
        double result = 0;
        ASSERT_EQ(aiconv::ConvertTemperature(f, "f", "c", &result), 1);
        EXPECT_EQ(result, (f - 32.0) * 0.5555555555555556);
        differ += result != (f - 32.0) / 1.8;
    }
    EXPECT_GT(differ, 0);
}

// A query of known length is read in [query, query + length) and nowhere
// else: each is copied to the end of a buffer that a page of its own would
// guard, and its neighbours are poisoned with bytes that would change the
// answer if read.
TEST(ConvertQuery, ReadsOnlyTheGivenBytes) {
    for (const std::string query : {"10 km to mi", "10 km to", "1 fl", "1 fl oz to ml", "5 m ->", "5 m t",
                                    "72 fahrenheit -> c", "1e5", "3 kg", "  "}) {
        for (std::size_t length = 0; length <= query.size(); ++length) {
            std::string poisoned = query.substr(0, length) + "o mi";
            char text[aiconv::kResultTextSize];
            aiconv::ConvertQuery(poisoned.data(), length, text);
            EXPECT_EQ(text, Answer(query.substr(0, length).c_str())) << '"' << query.substr(0, length) << '"';
        }
    }
}

// Queries written in every spelling the language allows must all give the
// answer computed independently from the table and printf.
TEST(ConvertQuery, GeneratedQueriesAgreeWithTheTableAndPrintf) {
    std::mt19937 random(2026);
    const char* const arrows[] = {"to", "TO", "To", "->", ""};
    const char* const gaps[] = {" ", "  ", "\t", " \t "};
    const double values[] = {0, 1, -1, 2.5, 10, 0.001, 123456.789, 1e-9, 7e12, -3.25e-4};
    const char* const valueTexts[] = {"0",   "1",          "-1",   "2.5",  "1e1",
                                      "1e-3", "123456.789", "1e-9", "7e12", "-3.25E-4"};
    std::vector<const aiconv::UnitDef*> rows;
    for (const aiconv::UnitDef* row = aiconv::UnitTable; row->name != nullptr; ++row) {
        rows.push_back(row);
    }
    int checked = 0;
    for (const aiconv::UnitDef* fromTableRow : rows) {
        for (const aiconv::UnitDef* toTableRow : rows) {
            const aiconv::UnitDef* from = fromTableRow;
            const aiconv::UnitDef* to = toTableRow;
            if (from->category == aiconv::CategoryTemperature ||
                to->category == aiconv::CategoryTemperature) {
                continue;
            }
            const std::size_t v = random() % std::size(values);
            std::string fromWord = from->name;
            std::string toWord = to->name;
            if (random() % 2) fromWord[0] = UpperCase(fromWord[0]);
            if (random() % 2) toWord.back() = UpperCase(toWord.back());
            const char* arrow = arrows[random() % 5];
            const std::string query = std::string(valueTexts[v]) + gaps[random() % 4] +
                                      fromWord + gaps[random() % 4] + arrow +
                                      gaps[random() % 4] + toWord;
            // "lbs." is read as "lbs": the answer names the row actually found.
            const aiconv::UnitDef* fromRow = aiconv_test::ReferenceFindUnit(from->name, std::strlen(from->name));
            to = aiconv_test::ReferenceFindUnit(to->name, std::strlen(to->name));
            from = fromRow;
            const bool targetEatenByTo = *arrow == '\0' && (toWord[0] == 't' || toWord[0] == 'T') &&
                                         (toWord[1] == 'o' || toWord[1] == 'O');
            std::string expected;
            if (std::string(to->name).find(' ') != std::string::npos || targetEatenByTo) {
                expected = "ERROR: could not parse units or arrow";
            } else if (from->category != to->category) {
                expected = std::string("ERROR: incompatible units (") +
                           aiconv::CategoryName(from->category) + " vs " +
                           aiconv::CategoryName(to->category) + ")";
            } else {
                expected = aiconv_test::ReferenceFormat(values[v]) + " " + from->name + " -> " +
                           aiconv_test::ReferenceFormat(values[v] / to->factor * from->factor) +
                           " " + to->name;
            }
            ASSERT_EQ(Answer(query.c_str()), expected) << query;
            ++checked;
        }
    }
    EXPECT_GT(checked, 10000);
}

}  // namespace
