// Independent reference implementations for the tests: the C library's own
// snprintf and a plain first-match scan. The engine must agree with them
// under the "C" locale, which every test runs in unless it says otherwise.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/convert.h"
#include "engine/units.h"

namespace aiconv_test {

// The engine's answer to a NUL-terminated query (or null).
inline std::string Answer(const char* query) {
    char text[aiconv::kResultTextSize];
    aiconv::ConvertQuery(query, query != nullptr ? std::strlen(query) : 0, text);
    return text;
}

// A double's bits, to compare readings exactly (-0 and 0 differ).
inline std::uint64_t Bits(double x) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

inline double FromBits(std::uint64_t bits) {
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

inline std::string ReferenceFormat(double x) {
    char text[64];
    const double a = x < 0 ? -x : x;
    if (a != 0 && (!(a >= 0.001) || a >= 1000000.0)) {
        std::snprintf(text, sizeof text, "%.10g", x);
        return text;
    }
    std::snprintf(text, sizeof text, "%.6f", x);
    std::string s = text;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s;
}

// The lookup as a walk over the table in order, first match wins.
inline const aiconv::UnitDef* ReferenceFindUnit(const char* text, std::size_t length) {
    char key[aiconv::kUnitKeySize];
    const std::size_t n = length < aiconv::kUnitKeySize - 1 ? length : aiconv::kUnitKeySize - 1;
    for (std::size_t i = 0; i < n; ++i) {
        const char c = text[i];
        key[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    key[n] = '\0';
    if (n > 0 && key[n - 1] == '.') key[n - 1] = '\0';
    for (const aiconv::UnitDef* row = aiconv::UnitTable; row->name != nullptr; ++row) {
        if (std::strcmp(row->name, key) == 0) return row;
    }
    return nullptr;
}

}  // namespace aiconv_test
