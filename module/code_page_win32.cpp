// The system's ANSI code page through the Win32 conversions.
#include "code_page.h"

#include <windows.h>

#include "aiconverter.h"

namespace aiconv {
namespace {

// A UTF-16 unit gives at least half a byte (a surrogate pair may become one
// '?'), so 2 x (size - 1) units always cover the bytes that fit; a code page
// needs at most 3 bytes per unit (UTF-8). The scratch is sized for the
// longest query the module reads.
constexpr int kMaxBytesPerUnit = 3;
constexpr int kScratchUnits = 2 * AICONVERTER_QUERY_LIMIT;

bool IsHighSurrogate(wchar_t c) noexcept { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

std::size_t WideToCodePage(const wchar_t* text, char* out, std::size_t size) noexcept {
    const std::size_t wanted = 2 * (size - 1);
    const int maxUnits = wanted < kScratchUnits ? static_cast<int>(wanted) : kScratchUnits;
    int units = 0;
    while (units < maxUnits && text[units] != 0) ++units;
    // Never split a surrogate pair at the cut.
    if (units > 0 && units == maxUnits && IsHighSurrogate(text[units - 1])) --units;

    char scratch[kScratchUnits * kMaxBytesPerUnit + 1];
    int written = 0;
    if (units > 0) {
        // Without the flag Windows maps a character the code page lacks to a
        // look-alike ("best fit"): a superscript 2 to the digit 2, a soft
        // hyphen to '-', which would change the number typed. With it, such
        // a character becomes the default character '?'. Some code pages
        // reject the flag (UTF-8 and UTF-7, which hold every character, and a
        // few stateful or GB 18030 ones): those convert without it, as before.
        written = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, units, scratch, sizeof scratch,
                                      nullptr, nullptr);
        if (written == 0 && GetLastError() == ERROR_INVALID_FLAGS)
            written = WideCharToMultiByte(CP_ACP, 0, text, units, scratch, sizeof scratch, nullptr, nullptr);
    }
    std::size_t n = written > 0 ? static_cast<std::size_t>(written) : 0;
    if (n > size - 1) n = size - 1;
    for (std::size_t i = 0; i < n; ++i) out[i] = scratch[i];
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
