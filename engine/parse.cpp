#include "parse.h"

#include <cstring>

#include "compiler.h"
#include "number_text.h"
#include "text.h"

namespace aiconv {
namespace {

// Every reader here stops at the query's end: the query is read in
// [begin, end) and needs no NUL after it, so that a host can hand over a
// buffer of known length as it stands (a NUL inside ends the query there,
// as it ends a C string; NextWord sees to that). Where the caller also
// puts a NUL at end (kEndHasNul), the word and blank loops stop at that NUL
// as they stop at any other, and skip the test of end at each byte.

// Whether p may be read: before end, or anywhere up to the NUL at end.
template <QueryEnd kEnd>
AICONV_ALWAYS_INLINE bool Before(const char* p, const char* end) noexcept {
    return kEnd == kEndHasNul || p < end;
}

// The first byte at or after p that is no white space, or end. Before a
// NUL at end, where bytes may go to speed, the usual single blank between
// words is passed in two compares: a byte above ' ' is neither white space
// nor NUL. (On 32-bit ARM the bytes it takes are dearer than the time.)
template <QueryEnd kEnd>
AICONV_ALWAYS_INLINE const char* SkipSpace(const char* p, const char* end) noexcept {
    if (kEnd == kEndHasNul && kBytesForSpeed && p[0] == ' ' && static_cast<unsigned char>(p[1]) > ' ') return p + 1;
    while (Before<kEnd>(p, end) && IsSpace(*p)) ++p;
    return p;
}

int ParseNumber(const char* start, const char* end, double* value, const char** cursor) noexcept {
    const std::size_t available = static_cast<std::size_t>(end - start);
    const std::size_t n = available < kNumberScan ? available : kNumberScan;
    const std::size_t used = ScanNumber(start, start + n, value);
    if (used == 0) return 0;
    *cursor = start + used;
    return 1;
}

// The end of the word at p: the first white space or NUL, or end. Where
// bytes may go to speed, four bytes a round while four are left, so that
// the end is tested once for four of them; on 32-bit ARM the few
// instructions it saves would cost the library a 4 KiB step.
template <QueryEnd kEnd>
AICONV_ALWAYS_INLINE const char* WordEnd(const char* p, const char* end) noexcept {
    for (; kBytesForSpeed && (kEnd == kEndHasNul || end - p >= 4); p += 4) {
        if (EndsWord(p[0])) return p;
        if (EndsWord(p[1])) return p + 1;
        if (EndsWord(p[2])) return p + 2;
        if (EndsWord(p[3])) return p + 3;
    }
    while (Before<kEnd>(p, end) && !EndsWord(*p)) ++p;
    return p;
}

// The next word after *cursor: [*wordStart, *wordEnd), ending at white
// space, a NUL or the query's end. Returns 0 when there is none.
template <QueryEnd kEnd>
AICONV_ALWAYS_INLINE int NextWord(const char** cursor, const char* end, const char** wordStart,
                                   const char** wordEnd) noexcept {
    const char* p = SkipSpace<kEnd>(*cursor, end);
    if (!Before<kEnd>(p, end) || *p == '\0') return 0;
    *wordStart = p;
    p = WordEnd<kEnd>(p, end);
    *wordEnd = p;
    *cursor = p;
    return 1;
}

// The arrow (ArrowAt) is a bare prefix of the word after the source; "->"
// must stand apart from the source word. *word is the target word, empty
// when there is none.
// (Before a NUL at end, p[1] is read only after p[0] matched, so is no NUL.)
template <QueryEnd kEnd>
int ParseUnitsAndArrow(const char** cursor, const char* end, const UnitDef** to, QueryWord* word) noexcept {
    const char* p = SkipSpace<kEnd>(*cursor, end);
    if ((kEnd == kEndHasNul || end - p >= 2) && ArrowAt(p) != kNoArrow) p += kArrowBytes;
    word->begin = word->end = p;
    if (!NextWord<kEnd>(&p, end, &word->begin, &word->end)) return 0;
    *cursor = p;
    *to = FindUnit(word->begin, static_cast<std::size_t>(word->end - word->begin));
    return *to != nullptr;
}

// Two-word units ("fl oz", "cubic meter") are keyed with one blank, however
// the words were spaced in the query.
const UnitDef* FindTwoWordUnit(const char* first, const char* firstEnd, const char* second,
                               const char* secondEnd) noexcept {
    const std::size_t n1 = static_cast<std::size_t>(firstEnd - first);
    const std::size_t n2 = static_cast<std::size_t>(secondEnd - second);
    if (n1 + 1 + n2 >= kUnitKeySize) return nullptr;
    char key[kUnitKeySize];
    std::memcpy(key, first, n1);
    key[n1] = ' ';
    std::memcpy(key + n1 + 1, second, n2);
    return FindUnit(key, n1 + 1 + n2);
}

// The outcome as the message of the NUL-terminated forms.
int CopyOutcome(ParseOutcome outcome, char* errorText) noexcept {
    if (outcome == kParsed) return 1;
    const char* const message = outcome == kNoNumber ? kErrorNoNumber : outcome == kNoUnit ? kErrorNoUnit : kErrorBadUnits;
    std::memcpy(errorText, message, std::strlen(message) + 1);
    return 0;
}

}  // namespace

int ParseQuery(const char* query, double* value, const UnitDef** from, const UnitDef** to,
               char* errorText) noexcept {
    QueryWord source;
    QueryWord target;
    return ParseQuery(query, query + std::strlen(query), value, from, to, errorText, &source, &target);
}

int ParseQuery(const char* query, const char* end, double* value, const UnitDef** from,
               const UnitDef** to, char* errorText, QueryWord* sourceWord, QueryWord* targetWord) noexcept {
    return CopyOutcome(ParseQueryOutcome(query, end, value, from, to, sourceWord, targetWord), errorText);
}

template <QueryEnd kEnd>
ParseOutcome ParseQueryOutcome(const char* query, const char* end, double* value, const UnitDef** from,
                               const UnitDef** to, QueryWord* sourceWord, QueryWord* targetWord) noexcept {
    *sourceWord = *targetWord = {nullptr, nullptr};
    const char* cursor = query;
    if (!ParseNumber(query, end, value, &cursor)) {
        return kNoNumber;
    }

    const char* word1 = nullptr;
    const char* word1End = nullptr;
    if (!NextWord<kEnd>(&cursor, end, &word1, &word1End)) {
        return kNoUnit;
    }

    const UnitDef* source = nullptr;
    const char* word2 = nullptr;
    const char* word2End = nullptr;
    const char* afterWord2 = cursor;
    // Most words begin no two-word name: skip building that key for them.
    if (MayBeginTwoWordUnit(word1, static_cast<std::size_t>(word1End - word1)) &&
        NextWord<kEnd>(&afterWord2, end, &word2, &word2End)) {
        source = FindTwoWordUnit(word1, word1End, word2, word2End);
        if (source != nullptr) {
            cursor = afterWord2;
            *sourceWord = {word1, word2End};
        }
    }
    if (source == nullptr) {
        *sourceWord = {word1, word1End};
        source = FindUnit(word1, static_cast<std::size_t>(word1End - word1));
        if (source == nullptr) {
            return kBadUnits;
        }
    }

    const UnitDef* target = nullptr;
    if (!ParseUnitsAndArrow<kEnd>(&cursor, end, &target, targetWord)) {
        return kBadUnits;
    }
    *from = source;
    *to = target;
    return kParsed;
}

template ParseOutcome ParseQueryOutcome<kEndOnly>(const char*, const char*, double*, const UnitDef**, const UnitDef**,
                                                  QueryWord*, QueryWord*) noexcept;
template ParseOutcome ParseQueryOutcome<kEndHasNul>(const char*, const char*, double*, const UnitDef**,
                                                    const UnitDef**, QueryWord*, QueryWord*) noexcept;

}  // namespace aiconv
