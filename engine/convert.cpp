#include "convert.h"

#include <cstring>

#include "number_text.h"
#include "parse.h"
#include "text.h"
#include "units.h"

namespace aiconv {
namespace {

// The longest answer is under 70 characters; 256 leaves ample room.
constexpr std::size_t kResultSize = 256;
char ResultText[kResultSize];

constexpr double kFahrenheitPerCelsius = 1.8;
constexpr double kFahrenheitZero = 32;
constexpr double kKelvinZero = 273.15;
constexpr double kCelsiusPerFahrenheit = 0.5555555555555556;

// Appends NUL-terminated text and returns the new end. Every answer is far
// shorter than ResultText: two numbers of at most 17 characters, two unit
// names, or one fixed message with two category words.
char* Append(char* out, const char* text) noexcept {
    const std::size_t n = std::strlen(text);
    std::memcpy(out, text, n + 1);
    return out + n;
}
static_assert(2 * 17 + 2 * 30 + 6 < kResultSize, "the longest answer fits");

// Reduces a temperature name to 'c', 'f' or 'k'; 0 for anything else. The
// name ends at NUL or white space and is read for at most 11 characters.
char TemperatureScale(const char* name) noexcept {
    constexpr std::size_t kLongest = 11;
    // Inline names: a table of pointers would cost a relocation each.
    constexpr struct {
        char name[kLongest];
        char scale;
    } kScales[] = {{"c", 'c'}, {"celsius", 'c'}, {"centigrade", 'c'}, {"f", 'f'},
                   {"fahrenheit", 'f'}, {"k", 'k'}, {"kelvin", 'k'}};
    char word[kLongest + 1];
    std::size_t n = 0;
    while (n < kLongest && name[n] != '\0' && !IsSpace(name[n])) {
        word[n] = ToLower(name[n]);
        ++n;
    }
    word[n] = '\0';
    for (const auto& known : kScales) {
        if (std::strcmp(word, known.name) == 0) return known.scale;
    }
    return 0;
}

}  // namespace

int ConvertTemperature(double value, const char* fromName, const char* toName,
                       double* result) noexcept {
    const char from = TemperatureScale(fromName);
    const char to = TemperatureScale(toName);
    if (from == 0 || to == 0) return 0;
    // Each formula keeps its order of operations: the last digit depends on it.
    if (from == to) {
        *result = value;
    } else if (from == 'c' && to == 'f') {
        *result = value * kFahrenheitPerCelsius + kFahrenheitZero;
    } else if (from == 'c' && to == 'k') {
        *result = value + kKelvinZero;
    } else if (from == 'f' && to == 'c') {
        *result = (value - kFahrenheitZero) * kCelsiusPerFahrenheit;
    } else if (from == 'f' && to == 'k') {
        *result = (value - kFahrenheitZero) * kCelsiusPerFahrenheit + kKelvinZero;
    } else if (from == 'k' && to == 'c') {
        *result = value - kKelvinZero;
    } else {
        *result = (value - kKelvinZero) * kFahrenheitPerCelsius + kFahrenheitZero;
    }
    return 1;
}

const char* ConvertQuery(const char* query) noexcept {
    ResultText[0] = '\0';
    if (query == nullptr) {
        Append(ResultText, "ERROR: null input");
        return ResultText;
    }

    double value = 0;
    const UnitDef* from = nullptr;
    const UnitDef* to = nullptr;
    char errorText[ParseErrorSize] = "";
    if (!ParseQuery(query, &value, &from, &to, errorText)) {
        Append(Append(ResultText, "ERROR: "), errorText);
        return ResultText;
    }

    if (from->category != to->category) {
        char* out = Append(ResultText, "ERROR: incompatible units (");
        out = Append(out, CategoryName(from->category));
        out = Append(out, " vs ");
        out = Append(out, CategoryName(to->category));
        Append(out, ")");
        return ResultText;
    }

    double result = 0;
    if (from->category == CategoryTemperature) {
        if (!ConvertTemperature(value, from->name, to->name, &result)) {
            Append(ResultText, "ERROR: unsupported temperature units");
            return ResultText;
        }
    } else {
        // Divide first: multiplying first changes the last printed digit.
        result = (value / to->factor) * from->factor;
    }

    char valueText[NumberTextSize];
    char resultText[NumberTextSize];
    FormatNumber(value, valueText);
    FormatNumber(result, resultText);
    char* out = Append(ResultText, valueText);
    out = Append(out, " ");
    out = Append(out, from->name);
    out = Append(out, " -> ");
    out = Append(out, resultText);
    out = Append(out, " ");
    Append(out, to->name);
    return ResultText;
}

}  // namespace aiconv
