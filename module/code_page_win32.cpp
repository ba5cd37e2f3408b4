// The system's ANSI code page through the Win32 conversions.
#include "code_page.h"

#include <windows.h>

#include "aiconverter.h"

namespace aiconv {
namespace {

// A UTF-16 unit gives at least half a byte (a surrogate pair may become one
// '?'), so 2 x (size - 1) units always cover the bytes that fit.
constexpr std::size_t kUnitsPerByte = 2;
// The text is converted a round of units at a time, into a scratch that
// holds the most a round can give (3 bytes a unit, as UTF-8): a few hundred
// bytes of stack, where one conversion of the longest query would need six
// thousand and a stack probe. No ANSI code page carries state from one
// character to the next, so the rounds give the bytes of one conversion.
constexpr int kUnitsPerRound = 128;
constexpr int kMaxBytesPerUnit = 3;

bool IsHighSurrogate(wchar_t c) noexcept { return c >= 0xD800 && c <= 0xDBFF; }

// Converts `units` units into `out` (room for kMaxBytesPerUnit a unit);
// returns the bytes written, 0 when the conversion failed.
int ConvertRound(const wchar_t* text, int units, char* out, int size) noexcept {
    // Without the flag Windows maps a character the code page lacks to a
    // look-alike ("best fit"): a superscript 2 to the digit 2, a soft hyphen
    // to '-', which would change the number typed. With it, such a character
    // becomes the default character '?'. Some code pages reject the flag
    // (UTF-8 and UTF-7, which hold every character, and a few stateful or
    // GB 18030 ones): those convert without it, as before.
    int written = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, units, out, size, nullptr, nullptr);
    if (written == 0 && GetLastError() == ERROR_INVALID_FLAGS)
        written = WideCharToMultiByte(CP_ACP, 0, text, units, out, size, nullptr, nullptr);
    return written;
}

}  // namespace

std::size_t WideToCodePage(const wchar_t* text, char* out, std::size_t size) noexcept {
    const std::size_t limit = size - 1;
    const std::size_t maxUnits = kUnitsPerByte * limit;
    std::size_t units = 0;
    while (units < maxUnits && text[units] != 0) ++units;
    // Never split a surrogate pair at the cut.
    if (units > 0 && units == maxUnits && IsHighSurrogate(text[units - 1])) --units;

    char scratch[kUnitsPerRound * kMaxBytesPerUnit];
    std::size_t n = 0;
    for (std::size_t done = 0; done < units && n < limit;) {
        std::size_t round = units - done < kUnitsPerRound ? units - done : kUnitsPerRound;
        // Nor between two rounds.
        if (done + round < units && IsHighSurrogate(text[done + round - 1])) --round;
        const int written = ConvertRound(text + done, static_cast<int>(round), scratch, sizeof scratch);
        if (written <= 0) {  // a conversion that fails leaves the empty string
            n = 0;
            break;
        }
        for (int i = 0; i < written && n < limit; ++i) out[n++] = scratch[i];
        done += round;
    }
    out[n] = '\0';
    return n;
}

void AnswerToWide(const char* text, std::size_t length, wchar_t* out, std::size_t size) noexcept {
    out[0] = 0;
    const int capacity = size > 0x7fffffff ? 0x7fffffff : static_cast<int>(size);
    const int bytes = length >= 0x7fffffff ? -1 : static_cast<int>(length) + 1;  // with the NUL
    if (MultiByteToWideChar(CP_ACP, 0, text, bytes, out, capacity) == 0) out[0] = 0;
}

}  // namespace aiconv
