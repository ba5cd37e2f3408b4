#include "unit_list.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <vector>

#include "engine/units.h"

namespace aiconvert {
namespace {

// What each unit is, for the person reading the list. The US customary
// measures are named as such: ton is the short ton, gal/qt/pt/cup/fl oz US
// liquid measures; the data units count bits, b/byte is 8 of them.
struct UnitWords {
    const char* name;
    const char* words;
};

constexpr UnitWords kWords[] = {
    {"m", "metre"}, {"km", "kilometre"}, {"cm", "centimetre"}, {"mm", "millimetre"}, {"mi", "mile"},
    {"yd", "yard"}, {"ft", "foot"}, {"in", "inch"}, {"nm", "nanometre"}, {"um", "micrometre"},
    {"kg", "kilogram"}, {"g", "gram"}, {"mg", "milligram"}, {"lb", "pound"}, {"lbs", "pound"},
    {"lbs.", "pound"}, {"oz", "ounce (avoirdupois)"}, {"ton", "US short ton"}, {"tonne", "metric ton"},
    {"t", "metric ton"}, {"m3", "cubic metre"}, {"l", "litre"}, {"ml", "millilitre"},
    {"gal", "US gallon"}, {"gallon", "US gallon"}, {"qt", "US quart"}, {"pt", "US pint"},
    {"fl oz", "US fluid ounce"}, {"floz", "US fluid ounce"}, {"cup", "US cup"}, {"in3", "cubic inch"},
    {"ft3", "cubic foot"}, {"m2", "square metre"}, {"km2", "square kilometre"},
    {"cm2", "square centimetre"}, {"mm2", "square millimetre"}, {"ft2", "square foot"},
    {"in2", "square inch"}, {"ac", "acre"}, {"ha", "hectare"}, {"m/s", "metre per second"},
    {"km/h", "kilometre per hour"}, {"kph", "kilometre per hour"}, {"mph", "mile per hour"},
    {"ft/s", "foot per second"}, {"knot", "nautical mile per hour"}, {"knots", "nautical mile per hour"},
    {"kt", "knot"}, {"c", "degree Celsius"}, {"celsius", "degree Celsius"},
    {"centigrade", "degree Celsius"}, {"f", "degree Fahrenheit"}, {"fahrenheit", "degree Fahrenheit"},
    {"k", "kelvin"}, {"kelvin", "kelvin"}, {"pa", "pascal"}, {"kpa", "kilopascal"},
    {"mpa", "megapascal"}, {"mbar", "millibar"}, {"atm", "standard atmosphere"},
    {"psi", "pound-force per square inch"}, {"mmhg", "millimetre of mercury"}, {"j", "joule"},
    {"kj", "kilojoule"}, {"mj", "megajoule"}, {"wh", "watt-hour"}, {"kwh", "kilowatt-hour"},
    {"cal", "calorie"}, {"kcal", "kilocalorie"}, {"btu", "British thermal unit"}, {"w", "watt"},
    {"kw", "kilowatt"}, {"mw", "megawatt"}, {"hp", "horsepower (mechanical)"}, {"s", "second"},
    {"sec", "second"}, {"min", "minute"}, {"h", "hour"}, {"hr", "hour"}, {"rad", "radian"},
    {"deg", "degree"}, {"gon", "gradian"}, {"grad", "gradian"}, {"kb", "kilobit"}, {"mb", "megabit"},
    {"gb", "gigabit"}, {"tb", "terabit"}, {"kib", "kibibit"}, {"mib", "mebibit"}, {"gib", "gibibit"},
    {"b", "byte"}, {"bytes", "byte"},
};

// Each category's base unit: the factor of a row is its size in these.
constexpr const char* kBaseUnits[] = {"", "m", "kg", "m3", "m2", "m/s", "", "pa", "j", "w", "s", "rad", "bit"};

const char* WordsFor(const char* name) {
    for (const UnitWords& w : kWords) {
        if (std::strcmp(w.name, name) == 0) return w.words;
    }
    return nullptr;
}

// The shortest text that reads back as the factor, whatever the locale:
// plain digits for the usual sizes, an exponent beyond them.
std::string NumberText(double value) {
    char text[64];
    const bool plain = value >= 1e-3 && value < 1e13;
    const auto result = plain ? std::to_chars(text, text + sizeof text, value, std::chars_format::fixed)
                              : std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string Describe(const aiconv::UnitDef& row) {
    const char* words = WordsFor(row.name);
    if (row.category == aiconv::CategoryTemperature) return words != nullptr ? words : "";
    const char* base = kBaseUnits[row.category];
    std::string size = NumberText(row.factor) + " " + base;
    return words != nullptr ? std::string(words) + ", " + size : size;
}

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string Shown(const char* name) {
    return std::strchr(name, ' ') != nullptr ? "\"" + std::string(name) + "\"" : std::string(name);
}

}  // namespace

std::string UnitList(const std::string& filter, int width) {
    const std::string key = Lower(filter);
    std::string text;
    for (int category = aiconv::CategoryLength; category <= aiconv::CategoryData; ++category) {
        const bool wholeCategory = key.empty() || key == aiconv::CategoryName(category);
        std::vector<std::string> entries;
        std::size_t nameWidth = 0;
        std::vector<const aiconv::UnitDef*> rows;
        for (const aiconv::UnitDef* row = aiconv::UnitTable; row->name != nullptr; ++row) {
            if (row->category != category) continue;
            if (!wholeCategory && std::string(row->name).find(key) == std::string::npos) continue;
            rows.push_back(row);
            nameWidth = std::max(nameWidth, Shown(row->name).size());
        }
        if (rows.empty()) continue;
        std::size_t entryWidth = 0;
        for (const aiconv::UnitDef* row : rows) {
            std::string entry = Shown(row->name);
            entry.resize(nameWidth + 2, ' ');
            entry += Describe(*row);
            entryWidth = std::max(entryWidth, entry.size());
            entries.push_back(entry);
        }
        text += std::string(aiconv::CategoryName(category)) + ":\n";
        // Columns, filled down, where a width is given and more than one fits.
        const std::size_t columnWidth = entryWidth + 3;
        const std::size_t columns =
            width > 0 ? std::max<std::size_t>(1, (static_cast<std::size_t>(width) - 2 + 3) / columnWidth) : 1;
        const std::size_t lines = (entries.size() + columns - 1) / columns;
        for (std::size_t line = 0; line < lines; ++line) {
            std::string out = "  ";
            for (std::size_t column = 0; column < columns; ++column) {
                const std::size_t i = column * lines + line;
                if (i >= entries.size()) break;
                std::string entry = entries[i];
                if (column + 1 < columns && i + lines < entries.size()) entry.resize(columnWidth, ' ');
                out += entry;
            }
            text += out + "\n";
        }
    }
    return text;
}

}  // namespace aiconvert
