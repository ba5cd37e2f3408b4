// Character rules shared by the engine. Both work on the byte as unsigned and
// ignore the process locale: <cctype> would follow setlocale() and would be
// undefined for negative plain chars on x86. One table answers both in a
// single load, which the parser does for every byte of a query.
#pragma once

namespace aiconv {

namespace text_detail {

constexpr unsigned char kSpace = 0x80;  // flag bit; the low 7 bits hold +32 for A-Z

struct CharTable {
    unsigned char entry[256];
    constexpr CharTable() : entry{} {
        for (unsigned c = 'A'; c <= 'Z'; ++c) entry[c] = 'a' - 'A';
        entry[static_cast<unsigned char>(' ')] = kSpace;
        for (unsigned c = '\t'; c <= '\r'; ++c) entry[c] = kSpace;
    }
};

inline constexpr CharTable kChars{};  // one copy for the whole module

}  // namespace text_detail

// Blank, tab, line feed, vertical tab, form feed, carriage return.
constexpr bool IsSpace(char c) noexcept {
    return (text_detail::kChars.entry[static_cast<unsigned char>(c)] & text_detail::kSpace) != 0;
}

// Lower-cases A-Z only; every other byte is returned unchanged.
constexpr char ToLower(char c) noexcept {
    const unsigned char u = static_cast<unsigned char>(c);
    return static_cast<char>(u + (text_detail::kChars.entry[u] & 0x7F));
}

}  // namespace aiconv
