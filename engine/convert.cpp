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

// Appends text, always leaving room for the terminator.
char* Append(char* out, const char* text) noexcept {
    char* const last = ResultText + kResultSize - 1;
    while (*text != '\0' && out < last) *out++ = *text++;
    *out = '\0';
    return out;
}

// Reduces a temperature name to 'c', 'f' or 'k'; 0 for anything else.
char TemperatureScale(const char* name) noexcept {
    constexpr std::size_t kScratch = 12;
    char word[kScratch];
    std::size_t n = 0;
    while (n < kScratch - 1 && name[n] != '\0' && !IsSpace(name[n])) {
        word[n] = ToLower(name[n]);
        ++n;
    }
    word[n] = '\0';
    if (std::strcmp(word, "celsius") == 0 || std::strcmp(word, "centigrade") == 0) return 'c';
    if (std::strcmp(word, "fahrenheit") == 0) return 'f';
    if (std::strcmp(word, "kelvin") == 0) return 'k';
    if (n == 1 && (word[0] == 'c' || word[0] == 'f' || word[0] == 'k')) return word[0];
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
