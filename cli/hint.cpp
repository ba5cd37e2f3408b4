#include "hint.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

#include "engine/number_text.h"
#include "engine/units.h"

namespace aiconvert {
namespace {

bool IsSpace(char c) {
    return c == ' ' || (static_cast<unsigned char>(c) >= '\t' && static_cast<unsigned char>(c) <= '\r');
}

// The next blank-separated word at or after *at, moving *at past it.
std::string NextWord(const std::string& text, std::size_t* at) {
    std::size_t p = *at;
    while (p < text.size() && IsSpace(text[p])) ++p;
    const std::size_t start = p;
    while (p < text.size() && !IsSpace(text[p])) ++p;
    *at = p;
    return text.substr(start, p - start);
}

bool Known(const std::string& word) {
    return aiconv::FindUnit(word.data(), word.size()) != nullptr;
}

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

std::string UnmatchedUnit(const std::string& query) {
    double value = 0;
    const std::size_t window = std::min<std::size_t>(query.size(), aiconv::kNumberTextSize - 1);
    std::size_t at = aiconv::ScanNumber(query.data(), query.data() + window, &value);
    if (at == 0) return "";
    const std::string first = NextWord(query, &at);
    if (first.empty()) return "";
    std::size_t afterSecond = at;
    const std::string second = NextWord(query, &afterSecond);
    if (!second.empty() && Known(first + " " + second)) {
        at = afterSecond;
    } else if (!Known(first)) {
        return first;
    }
    // The arrow: "->" or a bare "to" prefix, as the parser reads it.
    while (at < query.size() && IsSpace(query[at])) ++at;
    if (query.compare(at, 2, "->") == 0) {
        at += 2;
    } else if (at + 1 < query.size() && std::tolower(static_cast<unsigned char>(query[at])) == 't' &&
               std::tolower(static_cast<unsigned char>(query[at + 1])) == 'o') {
        at += 2;
    }
    const std::string target = NextWord(query, &at);
    return Known(target) ? "" : target;
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
