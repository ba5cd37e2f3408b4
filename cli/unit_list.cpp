#include "unit_list.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <vector>

#include "engine/text.h"
#include "engine/unit_words.h"
#include "engine/units.h"

namespace aiconvert {
namespace {

// The shortest text that reads back as the factor, whatever the locale:
// plain digits for the usual sizes, an exponent beyond them.
std::string NumberText(double value) {
    char text[64];
    const bool plain = value >= 1e-3 && value < 1e13;
    const auto result = plain ? std::to_chars(text, text + sizeof text, value, std::chars_format::fixed)
                              : std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

}  // namespace

std::string DescribeUnit(const aiconv::UnitDef& row) {
    const std::string words = aiconv::kUnitDescriptions[&row - aiconv::UnitTable].words;
    if (row.category == aiconv::CategoryTemperature) return words;
    const std::string size = NumberText(row.factor) + " " + aiconv::kBaseUnitSymbols[row.category];
    return words == row.name ? size : words + ", " + size;  // "bit": "1 bit" says it all
}

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = aiconv::ToLower(c);
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
            entry += DescribeUnit(*row);
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
