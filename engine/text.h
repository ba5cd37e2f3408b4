// Character rules shared by the engine. Both work on the byte as unsigned and
// ignore the process locale: <cctype> would follow setlocale() and would be
// undefined for negative plain chars on x86.
#pragma once

namespace aiconv {

// Blank, tab, line feed, vertical tab, form feed, carriage return.
constexpr bool IsSpace(char c) noexcept {
    const unsigned char u = static_cast<unsigned char>(c);
    return u == ' ' || (u >= '\t' && u <= '\r');
}

// Lower-cases A-Z only; every other byte is returned unchanged.
constexpr char ToLower(char c) noexcept {
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<char>(u + ('a' - 'A')) : c;
}

}  // namespace aiconv
