// Windows-1252, the US English default ANSI code page, for systems without
// one. Like the Windows conversion without flags, any character it cannot
// represent (UTF-16 surrogates and code points above U+FFFF included)
// becomes '?'.
#include "code_page.h"

#include <cwchar>
#if defined(__SSE2__)
#  include <emmintrin.h>
#endif

#include "engine/compiler.h"
#include "windows_1252.h"

namespace aiconv {
namespace {

constexpr char16_t kHighControls[32] = {AICONV_WINDOWS_1252_HIGH_CONTROLS};

char ToByte(char32_t c) noexcept {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (unsigned i = 0; i < 32; ++i) {
        if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

// wchar_t may be 16 or 32 bits and signed or not; read it as a code unit.
char32_t CodeUnit(wchar_t c) noexcept {
    if constexpr (sizeof(wchar_t) == 2) {
        return static_cast<char16_t>(c);
    } else {
        return static_cast<char32_t>(c);
    }
}

// Whether the compiler has vector registers to widen bytes with.
#if defined(__SSE2__) || defined(__ARM_NEON)
constexpr bool kVectorUnit = true;
#else
constexpr bool kVectorUnit = false;
#endif

// With SSE2 and 32-bit wide characters (x86 outside Windows), ASCII narrows
// eight characters a block once the C library has found the length in its
// own vector code: no test per character. Elsewhere each character is
// tested as it is read, which needs no length.
#if defined(__SSE2__) && WCHAR_MAX > 0xFFFF
#  define AICONV_NARROW_BY_LENGTH 1
#else
#  define AICONV_NARROW_BY_LENGTH 0
#endif

#if AICONV_NARROW_BY_LENGTH
// Narrows the n characters at text (no NUL among them) if all are ASCII:
// eight a block (two loads, two packs, one 8-byte store), the last block
// moved back to end at n. Returns false, with out's bytes undefined, when
// any is not.
bool NarrowAscii(const wchar_t* text, char* out, std::size_t n) noexcept {
    if (n < 8) {
        char32_t bits = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const char32_t c = CodeUnit(text[i]);
            bits |= c;
            out[i] = static_cast<char>(c);
        }
        return bits < 0x80;
    }
    __m128i bits = _mm_setzero_si128();
    const auto block = [&bits](const wchar_t* from, char* to) noexcept {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 4));
        bits = _mm_or_si128(bits, _mm_or_si128(low, high));
        const __m128i halves = _mm_packs_epi32(low, high);  // exact for ASCII
        _mm_storel_epi64(reinterpret_cast<__m128i*>(to), _mm_packus_epi16(halves, halves));
    };
    for (std::size_t i = 0; i + 8 < n; i += 8) block(text + i, out + i);
    block(text + n - 8, out + n - 8);
    const __m128i beyondAscii = _mm_and_si128(bits, _mm_set1_epi32(~0x7F));
    return _mm_movemask_epi8(_mm_cmpeq_epi32(beyondAscii, _mm_setzero_si128())) == 0xFFFF;
}
#else
constexpr std::size_t kAsciiBlock = 8;

// Copies up to kAsciiBlock characters while they are ASCII other than NUL;
// returns how many it copied.
std::size_t CopyAscii(const wchar_t* text, char* out) noexcept {
AICONV_UNROLL(8)
    for (std::size_t k = 0; k < kAsciiBlock; ++k) {
        const char32_t c = CodeUnit(text[k]);
        if (c - 1 >= 0x7F) return k;
        out[k] = static_cast<char>(c);
    }
    return kAsciiBlock;
}
#endif

}  // namespace

std::size_t WideToCodePage(const wchar_t* text, char* out, std::size_t size) noexcept {
    const std::size_t limit = size - 1;
    std::size_t n = 0;
    // Queries are ASCII as a rule: that road first; from the first other
    // character, the text goes byte by byte through the road below.
#if AICONV_NARROW_BY_LENGTH
    // (The length of a text past the limit is read to its end: one pass in
    // the C library's vector code, cheaper for every real query than a
    // bounded search.)
    const std::size_t whole = wcslen(text);
    const std::size_t length = whole < limit ? whole : limit;
    if (NarrowAscii(text, out, length)) {
        out[length] = '\0';
        return length;
    }
#else
    // Blocks where one compare tells ASCII from both NUL and the rest, and
    // where the limit, far beyond any real query, is checked once a block.
    while (n + kAsciiBlock <= limit) {
        const std::size_t copied = CopyAscii(text + n, out + n);
        n += copied;
        if (copied < kAsciiBlock) break;
    }
#endif
    for (; n < limit; ++n) {
        const char32_t c = CodeUnit(text[n]);
        if (c == 0) break;
        out[n] = c < 0x80 ? static_cast<char>(c) : ToByte(c);
    }
    out[n] = '\0';
    return n;
}

// Widens one block of N bytes, a loop the compiler turns into vector code or
// unrolls.
template <std::size_t N>
AICONV_ALWAYS_INLINE void WidenBlock(const unsigned char* AICONV_RESTRICT bytes, wchar_t* AICONV_RESTRICT wide) noexcept {
AICONV_UNROLL(8)
    for (std::size_t k = 0; k < N; ++k) wide[k] = static_cast<wchar_t>(bytes[k]);
}

void AnswerToWide(const char* text, std::size_t length, wchar_t* out, std::size_t size) noexcept {
    const std::size_t n = length < size - 1 ? length : size - 1;
    // ASCII is the same in Windows-1252 and in wide text: every byte is
    // copied as it is, in blocks of a fixed size, which leave the compiler
    // no loop tail to handle one byte at a time.
    const unsigned char* AICONV_RESTRICT bytes = reinterpret_cast<const unsigned char*>(text);
    wchar_t* AICONV_RESTRICT wide = out;
    std::size_t i = 0;
    if constexpr (kVectorUnit) {
        // Vector code for 16 bytes a block, written out: the first block, any
        // whole ones after it, and a last one moved back to end at n, which
        // widens a few bytes twice and reads none past n. Answers are
        // 16 to 31 bytes as a rule: two blocks and no loop.
        constexpr std::size_t kBlock = 16;
        if (n >= kBlock) {
            WidenBlock<kBlock>(bytes, wide);
            for (i = kBlock; i + kBlock < n; i += kBlock) WidenBlock<kBlock>(bytes + i, wide + i);
            WidenBlock<kBlock>(bytes + n - kBlock, wide + n - kBlock);
            i = n;
        } else if (n >= kBlock / 2) {  // "5 ft -> 1.524 m": two half blocks
            WidenBlock<kBlock / 2>(bytes, wide);
            WidenBlock<kBlock / 2>(bytes + n - kBlock / 2, wide + n - kBlock / 2);
            i = n;
        }
    } else {
        // Without vector registers (the handheld's ARM), blocks of eight
        // unrolled spare most of the loop's own instructions.
        constexpr std::size_t kBlock = 8;
        for (; i + kBlock <= n; i += kBlock) WidenBlock<kBlock>(bytes + i, wide + i);
        // The last 0 to 7 bytes by their count, unrolled: two instructions
        // a byte, where a loop takes four or five.
        const unsigned char* AICONV_RESTRICT b = bytes + i;
        wchar_t* AICONV_RESTRICT w = wide + i;
        switch (n - i) {
            case 7: w[6] = b[6]; [[fallthrough]];
            case 6: w[5] = b[5]; [[fallthrough]];
            case 5: w[4] = b[4]; [[fallthrough]];
            case 4: w[3] = b[3]; [[fallthrough]];
            case 3: w[2] = b[2]; [[fallthrough]];
            case 2: w[1] = b[1]; [[fallthrough]];
            case 1: w[0] = b[0]; [[fallthrough]];
            default: break;
        }
        i = n;
    }
    for (; i < n; ++i) wide[i] = static_cast<wchar_t>(bytes[i]);
    out[n] = 0;
}

}  // namespace aiconv
