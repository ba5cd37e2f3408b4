// What a host relies on in every answer, checked after each fuzz input:
// one line, NUL-terminated inside its buffer, and either one of the fixed
// error lines or "<number> <unit> -> <number> <unit>" with table units.
// A violated property aborts, which the fuzzer and the replay report.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/convert.h"
#include "engine/number_text.h"
#include "engine/units.h"

namespace aiconv_fuzz {

[[noreturn]] inline void Fail(const char* what, const std::string& answer) {
    std::fprintf(stderr, "answer property violated: %s\nanswer: \"%s\"\n", what, answer.c_str());
    std::abort();
}

inline bool IsCategoryName(const std::string& word) {
    for (int c = aiconv::CategoryLength; c <= aiconv::CategoryData; ++c) {
        if (word == aiconv::CategoryName(c)) return true;
    }
    return false;
}

inline bool IsUnitName(const std::string& word) {
    for (const aiconv::UnitDef* row = aiconv::UnitTable; row->name != nullptr; ++row) {
        if (word == row->name) return true;
    }
    return false;
}

// A number as FormatNumber writes it: the whole text scans as one number,
// or it is one of the words for an overflow or an undefined result.
inline bool IsNumberText(const std::string& text) {
    if (text.empty() || text.size() > aiconv::kNumberTextMaxLength || text[0] == ' ') return false;
    for (const char* word : {"inf", "-inf", "nan", "-nan"}) {
        if (text == word) return true;
    }
    double value = 0;
    return aiconv::ScanNumber(text.data(), text.data() + text.size(), &value) == text.size();
}

// "<number> <unit>", where the unit may be one of the two-word names.
inline bool IsQuantity(const std::string& text) {
    const std::size_t blank = text.find(' ');
    return blank != std::string::npos && IsNumberText(text.substr(0, blank)) &&
           IsUnitName(text.substr(blank + 1));
}

inline void CheckAnswer(const std::string& answer) {
    if (answer.find_first_of("\r\n") != std::string::npos) Fail("line break", answer);
    // Firmware sizes its answer buffers by this promise.
    if (answer.size() > aiconv::kLongestAnswer) Fail("longer than kLongestAnswer", answer);
    const std::string prefix = "ERROR: ";
    if (answer.compare(0, prefix.size(), prefix) == 0) {
        const std::string message = answer.substr(prefix.size());
        if (message == "null input" || message == "could not parse number" ||
            message == "missing unit" || message == "could not parse units or arrow" ||
            message == "unsupported temperature units") {
            return;
        }
        const std::string open = "incompatible units (";
        const std::size_t vs = message.find(" vs ");
        if (message.compare(0, open.size(), open) == 0 && vs != std::string::npos &&
            message.back() == ')' &&
            IsCategoryName(message.substr(open.size(), vs - open.size())) &&
            IsCategoryName(message.substr(vs + 4, message.size() - vs - 5))) {
            return;
        }
        Fail("unknown error line", answer);
    }
    const std::size_t arrow = answer.find(" -> ");
    if (arrow == std::string::npos || !IsQuantity(answer.substr(0, arrow)) ||
        !IsQuantity(answer.substr(arrow + 4))) {
        Fail("not <number> <unit> -> <number> <unit>", answer);
    }
}

// The answer must end inside a buffer of `capacity` characters.
template <typename Char>
std::size_t BoundedLength(const Char* text, std::size_t capacity) {
    std::size_t n = 0;
    while (n < capacity && text[n] != 0) ++n;
    if (n == capacity) Fail("no terminator inside the buffer", "");
    return n;
}

}  // namespace aiconv_fuzz
