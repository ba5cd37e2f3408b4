// Character rules shared by the engine. All work on the byte as unsigned and
// ignore the process locale: <cctype> would follow setlocale() and would be
// undefined for negative plain chars on x86. One table answers each in a
// single load, which the parser does for every byte of a query.
#pragma once

namespace aiconv {

namespace text_detail {

// Two flag bits; the low six bits hold what ToLower adds (32 for A-Z).
constexpr unsigned char kSpace = 0x80;
constexpr unsigned char kNul = 0x40;
constexpr unsigned char kToLower = 0x3F;

struct CharTable {
    unsigned char entry[256];
    constexpr CharTable() : entry{} {
        for (unsigned c = 'A'; c <= 'Z'; ++c) entry[c] = 'a' - 'A';
        entry[static_cast<unsigned char>(' ')] = kSpace;
        for (unsigned c = '\t'; c <= '\r'; ++c) entry[c] = kSpace;
        entry[0] = kNul;
    }
};

inline constexpr CharTable kChars{};  // one copy for the whole module

}  // namespace text_detail

// Blank, tab, line feed, vertical tab, form feed, carriage return.
constexpr bool IsSpace(char c) noexcept {
    return (text_detail::kChars.entry[static_cast<unsigned char>(c)] & text_detail::kSpace) != 0;
}

// White space or NUL: where a word of a NUL-terminated text ends.
constexpr bool EndsWord(char c) noexcept {
    return (text_detail::kChars.entry[static_cast<unsigned char>(c)] &
            (text_detail::kSpace | text_detail::kNul)) != 0;
}

// Lower-cases A-Z only; every other byte is returned unchanged.
constexpr char ToLower(char c) noexcept {
    const unsigned char u = static_cast<unsigned char>(c);
    return static_cast<char>(u + (text_detail::kChars.entry[u] & text_detail::kToLower));
}

}  // namespace aiconv
