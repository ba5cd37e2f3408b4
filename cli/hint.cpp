#include "hint.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "engine/parse.h"
#include "engine/units.h"

namespace aiconvert {
namespace {

std::string Lower(std::string word) {
    for (char& c : word) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    if (!word.empty() && word.back() == '.') word.pop_back();  // as the lookup does
    return word;
}

// Edits (insert, delete, replace, swap two neighbours) from a to b.
std::size_t Distance(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t replace = d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, replace});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

}  // namespace

UnitWords ReadUnitWords(const std::string& query) {
    double value = 0;
    const aiconv::UnitDef* from = nullptr;
    const aiconv::UnitDef* to = nullptr;
    char error[aiconv::kParseErrorSize];
    aiconv::QueryWord source{};
    aiconv::QueryWord target{};
    const char* text = query.c_str();
    UnitWords words{};
    words.converted = aiconv::ParseQuery(text, text + std::strlen(text), &value, &from, &to, error, &source, &target);
    words.unitError = !words.converted && std::strcmp(error, aiconv::kErrorBadUnits) == 0;
    words.targetReached = target.begin != nullptr;
    if (source.begin != nullptr) words.source.assign(source.begin, source.end);
    if (target.begin != nullptr) words.target.assign(target.begin, target.end);
    if (words.converted) {
        words.sourceRow = from->name;
        words.targetRow = to->name;
    }
    return words;
}

std::string UnmatchedUnit(const std::string& query) {
    const UnitWords words = ReadUnitWords(query);
    if (!words.unitError) return "";
    return words.targetReached ? words.target : words.source;
}

std::vector<std::string> NearestUnits(const std::string& word) {
    const std::string key = Lower(word);
    // One edit for short words, two for longer ones: beyond that a "hint"
    // is a guess.
    const std::size_t limit = key.size() <= 3 ? 1 : 2;
    std::vector<std::pair<std::size_t, std::string>> near;
    for (const aiconv::UnitDef* row = aiconv::UnitTable; row->name != nullptr; ++row) {
        const std::size_t d = Distance(key, row->name);
        if (d <= limit) near.emplace_back(d, row->name);
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> names;
    for (std::size_t i = 0; i < near.size() && i < 3; ++i) names.push_back(near[i].second);
    return names;
}

}  // namespace aiconvert
