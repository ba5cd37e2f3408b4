#include "convert.h"

#include <cstring>

#include "compiler.h"
#include "number_text.h"
#include "parse.h"
#include "text.h"
#include "units.h"

namespace aiconv {
namespace {

constexpr double kFahrenheitPerCelsius = 1.8;
constexpr double kFahrenheitZero = 32;
constexpr double kKelvinZero = 273.15;
constexpr double kCelsiusPerFahrenheit = 0.5555555555555556;

// Copies NUL-terminated text without its NUL and returns the new end. The
// pieces are a few bytes each: a loop beats measuring and copying.
char* Put(char* out, const char* text) noexcept {
    while (*text != '\0') *out++ = *text++;
    return out;
}

// What stands between the two sides of an answer.
constexpr char kAnswerArrow[] = " -> ";
constexpr std::size_t kArrowLength = sizeof kAnswerArrow - 1;
static_assert(kArrowLength >= kNameWordOverrun, "the arrow covers what a name's last word writes past it");

// A unit's name: where bytes may go to speed, in moves of a fixed size (a
// few instructions for any name, where a byte loop takes five a byte);
// elsewhere the loop, which there costs less than the call. The source's
// name is followed by the arrow, which covers what its last word of four
// bytes may write past it.
template <bool kArrowFollows>
char* PutName(char* out, const UnitDef* row) noexcept {
    if constexpr (!kBytesForSpeed) {
        return Put(out, row->name);
    } else if constexpr (kArrowFollows) {
        return CopyUnitNameInWords(row, out);
    } else {
        return CopyUnitName(row, out);
    }
}

// The same for a string literal, whose length the compiler knows.
template <std::size_t N>
char* PutLiteral(char* out, const char (&text)[N]) noexcept {
    std::memcpy(out, text, N - 1);
    return out + N - 1;
}

// The longest answer: two numbers of at most kNumberTextMaxLength characters
// around two unit names and the arrow, or a fixed message with two category
// words; either way far below kResultTextSize. The second number is written in
// place and may use a whole number buffer.
constexpr std::size_t kLongestSourceSide = kNumberTextMaxLength + 1 + kLongestUnitName + kArrowLength;
static_assert(kLongestSourceSide + kNumberTextSize + 1 + kLongestUnitName + 1 <= kResultTextSize,
              "the longest answer fits");
static_assert(kLongestSourceSide + kNumberTextMaxLength + 1 + kLongestUnitName <= kLongestAnswer,
              "the longest conversion is within the promised length");

// A parse error's message, copied by its length: no search for its end.
char* PutParseError(char* out, ParseOutcome outcome) noexcept {
    if (outcome == kNoNumber) return PutLiteral(out, kErrorNoNumber);
    if (outcome == kNoUnit) return PutLiteral(out, kErrorNoUnit);
    return PutLiteral(out, kErrorBadUnits);
}

// Reduces a temperature name to 'c', 'f' or 'k'; 0 for anything else. The
// name is read as far as NUL or white space, for at most 11 characters
// (more than every temperature name has), and looked up as a unit word.
char TemperatureScale(const char* name) noexcept {
    std::size_t length = 0;
    while (length < kLongestUnitName && !EndsWord(name[length])) ++length;
    // The look-up would drop a trailing '.', which no temperature name has.
    if (length == 0 || name[length - 1] == '.') return 0;
    const UnitDef* row = FindUnit(name, length);
    return row != nullptr && row->category == CategoryTemperature ? row->name[0] : 0;
}

// The formulas between two scales 'c', 'f' and 'k'.
double ConvertScales(double value, char from, char to) noexcept {
    // Each formula keeps its order of operations: the last digit depends on it.
    if (from == to) return value;
    if (from == 'c') return to == 'f' ? value * kFahrenheitPerCelsius + kFahrenheitZero : value + kKelvinZero;
    if (from == 'f') {
        return to == 'c' ? (value - kFahrenheitZero) * kCelsiusPerFahrenheit
                         : (value - kFahrenheitZero) * kCelsiusPerFahrenheit + kKelvinZero;
    }
    return to == 'c' ? value - kKelvinZero : (value - kKelvinZero) * kFahrenheitPerCelsius + kFahrenheitZero;
}

}  // namespace

int ConvertTemperature(double value, const char* fromName, const char* toName,
                       double* result) noexcept {
    // A query's names are the rows' own, known by their address: their
    // first letter is their scale, with nothing to read or look up.
    const bool rowNames = IsTemperatureRowName(fromName) && IsTemperatureRowName(toName);
    const char from = rowNames ? fromName[0] : TemperatureScale(fromName);
    const char to = rowNames ? toName[0] : TemperatureScale(toName);
    if (from == 0 || to == 0) return 0;
    *result = ConvertScales(value, from, to);
    return 1;
}

namespace {

template <QueryEnd kEnd>
std::size_t Convert(const char* query, std::size_t length, char* answer) noexcept {
    char* out = answer;
    double value = 0;
    const UnitDef* from = nullptr;
    const UnitDef* to = nullptr;
    QueryWord sourceWord;
    QueryWord targetWord;
    double result = 0;
    // A parse error's message is written straight behind the prefix.
    constexpr char kErrorPrefix[] = "ERROR: ";
    static_assert(sizeof kErrorPrefix - 1 + sizeof kErrorBadUnits - 1 <= kLongestAnswer &&
                      sizeof kErrorNoNumber <= sizeof kErrorBadUnits && sizeof kErrorNoUnit <= sizeof kErrorBadUnits,
                  "every parse error line is within the promised length");
    char* const errorText = PutLiteral(out, kErrorPrefix);
    if (query == nullptr) {
        out = PutLiteral(out, "ERROR: null input");
    } else if (const ParseOutcome outcome =
                   ParseQueryOutcome<kEnd>(query, query + length, &value, &from, &to, &sourceWord, &targetWord);
               outcome != kParsed) {
        out = PutParseError(errorText, outcome);
    } else if (from->category != to->category) {
        static_assert(sizeof "ERROR: incompatible units ( vs )" - 1 + 2 * kLongestCategoryName <= kLongestAnswer,
                      "the longest error line is within the promised length");
        out = PutLiteral(out, "ERROR: incompatible units (");
        out = Put(out, CategoryName(from->category));
        out = PutLiteral(out, " vs ");
        out = Put(out, CategoryName(to->category));
        out = PutLiteral(out, ")");
    } else if (from->category == CategoryTemperature &&
               !ConvertTemperature(value, from->name, to->name, &result)) {
        out = PutLiteral(out, "ERROR: unsupported temperature units");
    } else {
        // Divide first: multiplying first changes the last printed digit.
        if (from->category != CategoryTemperature) result = (value / to->factor) * from->factor;
        // Both numbers are written straight into the answer.
        out += FormatNumber(value, out);
        *out++ = ' ';
        out = PutName<true>(out, from);
        out = PutLiteral(out, kAnswerArrow);
        out += FormatNumber(result, out);
        *out++ = ' ';
        out = PutName<false>(out, to);
    }
    *out = '\0';
    return static_cast<std::size_t>(out - answer);
}

}  // namespace

std::size_t ConvertQuery(const char* query, std::size_t length, char* answer) noexcept {
    return Convert<kEndOnly>(query, length, answer);
}

std::size_t ConvertCString(const char* query, std::size_t length, char* answer) noexcept {
    return Convert<kEndHasNul>(query, length, answer);
}

}  // namespace aiconv
