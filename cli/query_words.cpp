#include "query_words.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "engine/parse.h"
#include "engine/text.h"
#include "engine/units.h"
#include "terminal_text.h"

namespace aiconvert {
namespace {

// Only the first bytes of a query are offered to the number reading.
constexpr std::size_t kNumberBytes = 63;

// A word longer than every name by more than the edits allowed is near none.
constexpr std::size_t kEditsAllowed = 2;

// The word as the lookup compares it: lower case, a trailing point dropped.
std::string Key(std::string word) {
    word.resize(aiconv::WithoutTrailingPoint(word.data(), word.size()));
    for (char& c : word) c = aiconv::ToLower(c);
    return word;
}

bool MayContinueNumber(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
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
    // "1 kg ton": the arrow "to" taken from the front of the target word.
    if (target.begin != nullptr && target.begin - text >= 3 && aiconv::ToLower(target.begin[-2]) == 't' &&
        aiconv::ToLower(target.begin[-1]) == 'o' && aiconv::IsSpace(target.begin[-3])) {
        words.arrowWord.assign(target.begin - 2, target.end);
    }
    words.numberCut = source.begin != nullptr && static_cast<std::size_t>(source.begin - text) == kNumberBytes &&
                      MayContinueNumber(*source.begin);
    return words;
}

std::string UnitHint(const std::string& query) {
    const UnitWords words = ReadUnitWords(query);
    if (!words.unitError) return "";
    const std::string& word = words.targetReached ? words.target : words.source;
    if (word.empty()) return "";
    std::string text = "no unit \"" + Printable(word) + "\"";
    if (words.targetReached && !words.arrowWord.empty()) {
        return text + ": \"" + Printable(words.arrowWord) + "\" reads as the arrow \"to\" and \"" +
               Printable(word) + "\"; write \"to " + Printable(words.arrowWord) + "\"";
    }
    if (!words.targetReached && words.numberCut) {
        return text + ": a number is read to its 63rd character, and the rest of it was taken as the unit";
    }
    const std::vector<std::string> names = NearestUnits(word);
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += i == 0 ? "; did you mean " : (i + 1 == names.size() ? " or " : ", ");
        text += names[i];
    }
    return names.empty() ? text : text + "?";
}

std::vector<std::string> NearestUnits(const std::string& word) {
    const std::string key = Key(word);
    if (key.size() > aiconv::kLongestUnitName + kEditsAllowed) return {};
    // One edit for short words, two for longer ones: beyond that a "hint"
    // is a guess.
    const std::size_t limit = key.size() <= 3 ? 1 : kEditsAllowed;
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
