#include "completions.h"

#include <cstring>

#include "engine/parse.h"
#include "engine/text.h"
#include "engine/units.h"

namespace aiconvert {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool StartsWithIgnoringCase(const char* name, const std::string& prefix) {
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (name[i] != aiconv::ToLower(prefix[i])) return false;
    }
    return true;
}

bool IsArrow(const std::string& word) {
    return word.size() == aiconv::kArrowBytes && aiconv::ArrowAt(word.c_str()) != aiconv::kNoArrow;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    for (std::size_t at = 0; at < text.size();) {
        while (at < text.size() && IsBlank(text[at])) ++at;
        const std::size_t start = at;
        while (at < text.size() && !IsBlank(text[at])) ++at;
        if (at > start) words.push_back(text.substr(start, at - start));
    }
    return words;
}

}  // namespace

std::vector<std::string> Completions(const std::string& before) {
    std::size_t start = before.size();
    while (start > 0 && !IsBlank(before[start - 1])) --start;
    const std::string word = before.substr(start);
    const std::vector<std::string> earlier = Words(before.substr(0, start));
    const std::size_t at = earlier.size();  // the number is word 0
    std::size_t target = 2;                  // after a one-word source
    if (at >= 3) {
        const std::string pair = earlier[1] + " " + earlier[2];
        const aiconv::UnitDef* row = aiconv::FindUnit(pair.c_str(), pair.size());
        if (row != nullptr && std::strchr(row->name, ' ') != nullptr) target = 3;
    }
    const bool arrow = at > target && IsArrow(earlier[target]);
    if (arrow) ++target;

    std::vector<std::string> rests;
    if (at == 2 && aiconv::MayBeginTwoWordUnit(earlier[1].c_str(), earlier[1].size())) {
        const std::string twoWords = earlier[1] + " " + word;
        for (const aiconv::UnitDef* row = aiconv::UnitTable; row->name != nullptr; ++row) {
            if (std::strlen(row->name) >= twoWords.size() && StartsWithIgnoringCase(row->name, twoWords)) {
                rests.emplace_back(row->name + twoWords.size());
            }
        }
    }
    // A two-word name the parser would read first, the rest being the target.
    if (!rests.empty() || (at != 1 && at != target) || word.empty()) return rests;
    for (const aiconv::UnitDef* row = aiconv::UnitTable; row->name != nullptr; ++row) {
        const bool twoWordName = std::strchr(row->name, ' ') != nullptr;
        // Without an arrow, a target that begins with "to" reads as the arrow.
        const bool readsAsArrow = at == target && !arrow && aiconv::ArrowAt(row->name) == aiconv::kArrowTo;
        if ((at == 1 || (!twoWordName && !readsAsArrow)) && std::strlen(row->name) >= word.size() &&
            StartsWithIgnoringCase(row->name, word)) {
            rests.emplace_back(row->name + word.size());
        }
    }
    return rests;
}

}  // namespace aiconvert
