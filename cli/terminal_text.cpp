#include "terminal_text.h"

#include <climits>
#include <cstdio>
#include <cwchar>
#include <cwctype>

namespace aiconvert {
namespace {

constexpr std::size_t kShownCharacters = 40;

// Unicode's format characters (category Cf): invisible, and some of them
// reorder or hide the text around them.
constexpr struct {
    char32_t first;
    char32_t last;
} kFormatCharacters[] = {
    {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C}, {0x06DD, 0x06DD}, {0x070F, 0x070F},
    {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E}, {0x200B, 0x200F}, {0x202A, 0x202E},
    {0x2060, 0x2064},   {0x2066, 0x206F},   {0xFEFF, 0xFEFF}, {0xFFF9, 0xFFFB}, {0x110BD, 0x110BD},
    {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
};

bool IsFormatCharacter(wchar_t c) {
    for (const auto& range : kFormatCharacters) {
        if (static_cast<char32_t>(c) >= range.first && static_cast<char32_t>(c) <= range.last) return true;
    }
    return false;
}

void AppendEscaped(std::string* out, unsigned long c) {
    switch (c) {
    case '\t': *out += "\\t"; return;
    case '\n': *out += "\\n"; return;
    case '\r': *out += "\\r"; return;
    default: break;
    }
    char text[12];
    std::snprintf(text, sizeof text, c < 0x100 ? "\\x%02lx" : "\\u%04lx", c);
    *out += text;
}

}  // namespace

std::string Printable(const std::string& word) {
    std::string out;
    std::mbstate_t state{};
    std::size_t shown = 0;
    std::size_t at = 0;
    while (at < word.size()) {
        if (shown == kShownCharacters) {
            // An ellipsis where the locale can write one.
            char bytes[MB_LEN_MAX];
            std::mbstate_t fresh{};
            const std::size_t n = std::wcrtomb(bytes, L'\u2026', &fresh);
            out += n == static_cast<std::size_t>(-1) ? std::string("...") : std::string(bytes, n);
            break;
        }
        wchar_t c = 0;
        const std::size_t n = std::mbrtowc(&c, word.data() + at, word.size() - at, &state);
        if (n == static_cast<std::size_t>(-1) || n == static_cast<std::size_t>(-2) || n == 0) {
            // Not a character of this encoding (or a NUL): one byte, shown as '?'.
            if (n == 0) {
                AppendEscaped(&out, 0);
            } else {
                out += '?';
            }
            state = std::mbstate_t{};
            at += 1;
        } else {
            const auto byte = static_cast<unsigned char>(word[at]);
            if (n == 1 && (byte < 0x20 || byte == 0x7f)) {
                AppendEscaped(&out, byte);
            } else if (IsFormatCharacter(c)) {
                AppendEscaped(&out, static_cast<unsigned long>(c));
            } else if (std::iswcntrl(static_cast<std::wint_t>(c))) {
                out += '?';  // C1 controls and the like: no byte of them reaches the terminal
            } else {
                out.append(word, at, n);
            }
            at += n;
        }
        ++shown;
    }
    return out;
}

}  // namespace aiconvert
