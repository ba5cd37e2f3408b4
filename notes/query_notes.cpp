#include "query_notes.h"

#include <cstring>

#include "engine/parse.h"
#include "engine/text.h"
#include "engine/unit_words.h"

namespace aiconv {
namespace {

// A note being written: never past end, which leaves room for its NUL.
struct NoteWriter {
    char* at;
    char* end;
    const char* query;
    ShowWord show;
};

NoteWriter StartNote(char (&note)[kNoteSize], const char* query, ShowWord show) noexcept {
    return {note, note + kNoteSize - 1, query, show};
}

void Put(NoteWriter* note, const char* text) noexcept {
    while (*text != '\0' && note->at < note->end) *note->at++ = *text++;
}

void PutWord(NoteWriter* note, const char* begin, const char* end) noexcept {
    note->at += note->show(note->query, begin, end, note->at, static_cast<std::size_t>(note->end - note->at));
}

void PutCount(NoteWriter* note, unsigned long long n) noexcept {
    char digits[24];
    char* first = digits + sizeof digits;
    *--first = '\0';
    do {
        *--first = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    Put(note, first);
}

void EndNote(NoteWriter* note) noexcept { *note->at = '\0'; }

bool IsUpper(char c) noexcept { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) noexcept { return c >= 'a' && c <= 'z'; }

bool AnyUpper(const char* begin, const char* end) noexcept {
    for (; begin < end; ++begin) {
        if (IsUpper(*begin)) return true;
    }
    return false;
}

bool AnyLower(const char* begin, const char* end) noexcept {
    for (; begin < end; ++begin) {
        if (IsLower(*begin)) return true;
    }
    return false;
}

// How a person's spelling can mean another unit than the row that case
// folding finds. Units ignore A-Z case, so SI prefixes collide: a lower-case
// m is milli, an upper-case M mega; and a B conventionally means a byte.
enum class Meant {
    kMilli,  // typed "mW": milli meant, the row is mega
    kMega,   // typed "Mm": mega meant, the row is milli
    kByte,   // typed "MB": bytes meant, the row counts bits
};

// What the row is comes from the engine's description table; for the data
// units with their size, since the size is what the person got wrong.
struct CaseRule {
    const char* row;
    Meant meant;
    const char* instead;  // what the person likely meant, or how to say it
};

constexpr CaseRule kCaseRules[] = {
    {"mw", Meant::kMilli, "there is no milliwatt"},
    {"mpa", Meant::kMilli, "there is no millipascal"},
    {"mj", Meant::kMilli, "there is no millijoule"},
    {"mm", Meant::kMega, "there is no megametre"},
    {"mm2", Meant::kMega, "there is no square megametre"},
    {"mg", Meant::kMega, "there is no megagram; a tonne (t) is 1000 kg"},
    {"ml", Meant::kMega, "there is no megalitre"},
    {"mbar", Meant::kMega, "there is no megabar"},
    {"kb", Meant::kByte, "bytes are \"b\"/\"byte\""},
    {"mb", Meant::kByte, "bytes are \"b\"/\"byte\""},
    {"gb", Meant::kByte, "bytes are \"b\"/\"byte\""},
    {"tb", Meant::kByte, "bytes are \"b\"/\"byte\""},
    {"kib", Meant::kByte, "bytes are \"b\"/\"byte\""},
    {"mib", Meant::kByte, "bytes are \"b\"/\"byte\""},
    {"gib", Meant::kByte, "bytes are \"b\"/\"byte\""},
};

bool Applies(Meant meant, const char* begin, const char* end) noexcept {
    const std::size_t length = static_cast<std::size_t>(end - begin);
    switch (meant) {
    case Meant::kMilli: return begin[0] == 'm' && AnyUpper(begin + 1, end);  // mW, mPa
    case Meant::kMega:                                                       // Mm, Mg, ML
        return begin[0] == 'M' && (AnyLower(begin, end) || (length == 2 && begin[1] == 'L'));
    case Meant::kByte: return end[-1] == 'B';  // MB, kB, GiB
    }
    return false;
}

void WriteCaseNote(const char* query, const QueryWord& typed, const UnitDef* row, ShowWord show,
                   char (&note)[kNoteSize]) noexcept {
    note[0] = '\0';
    const char* end =
        typed.begin + WithoutTrailingPoint(typed.begin, static_cast<std::size_t>(typed.end - typed.begin));
    if (end == typed.begin) return;
    for (const CaseRule& rule : kCaseRules) {
        if (std::strcmp(row->name, rule.row) != 0 || !Applies(rule.meant, typed.begin, end)) continue;
        NoteWriter out = StartNote(note, query, show);
        Put(&out, "\"");
        PutWord(&out, typed.begin, end);
        Put(&out, "\" reads as ");
        Put(&out, row->name);
        Put(&out, " (");
        Put(&out, kUnitDescriptions[row - UnitTable].words);
        if (rule.meant == Meant::kByte) {
            // Every data unit is a whole number of bits.
            Put(&out, ", ");
            PutCount(&out, static_cast<unsigned long long>(row->factor));
            Put(&out, " ");
            Put(&out, kBaseUnitSymbols[row->category]);
            Put(&out, "); ");
        } else {
            Put(&out, "); units ignore case, and ");
        }
        Put(&out, rule.instead);
        EndNote(&out);
        return;
    }
}

bool MayContinueNumber(char c) noexcept {
    return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
}

void WriteUnitHint(const char* query, const QueryWord& source, const QueryWord& target, ShowWord show,
                   char (&note)[kNoteSize]) noexcept {
    note[0] = '\0';
    const bool targetReached = target.begin != nullptr;
    const QueryWord& word = targetReached ? target : source;
    if (word.begin == nullptr || word.begin == word.end) return;
    NoteWriter out = StartNote(note, query, show);
    Put(&out, "no unit \"");
    PutWord(&out, word.begin, word.end);
    Put(&out, "\"");
    // "1 kg ton": the arrow "to" taken from the front of the target word.
    if (targetReached && target.begin - query >= 3 && ArrowAt(target.begin - kArrowBytes) == kArrowTo &&
        IsSpace(target.begin[-3])) {
        Put(&out, ": \"");
        PutWord(&out, target.begin - 2, target.end);
        Put(&out, "\" reads as the arrow \"to\" and \"");
        PutWord(&out, target.begin, target.end);
        Put(&out, "\"; write \"to ");
        PutWord(&out, target.begin - 2, target.end);
        Put(&out, "\"");
    } else if (!targetReached && static_cast<std::size_t>(source.begin - query) == kNumberScan &&
               MayContinueNumber(*source.begin)) {
        static_assert(kNumberScan == 63, "the hint names the byte the number reading stops at");
        Put(&out, ": a number is read to its 63rd character, and the rest of it was taken as the unit");
    } else {
        const UnitDef* nearest[3];
        const std::size_t count = NearestUnits(word.begin, static_cast<std::size_t>(word.end - word.begin), nearest);
        for (std::size_t i = 0; i < count; ++i) {
            Put(&out, i == 0 ? "; did you mean " : (i + 1 == count ? " or " : ", "));
            Put(&out, nearest[i]->name);
        }
        if (count != 0) Put(&out, "?");
    }
    EndNote(&out);
}

// A word longer than every name by more than the edits allowed is near none.
constexpr std::size_t kEditsAllowed = 2;
constexpr std::size_t kLongestNearWord = kLongestUnitName + kEditsAllowed;

// Edits (insert, delete, replace, swap two neighbours) from a to b.
std::size_t Distance(const char* a, std::size_t m, const char* b, std::size_t n) noexcept {
    std::size_t d[kLongestNearWord + 1][kLongestUnitName + 1];
    for (std::size_t i = 0; i <= m; ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= n; ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= m; ++i) {
        for (std::size_t j = 1; j <= n; ++j) {
            std::size_t best = d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            if (d[i - 1][j] + 1 < best) best = d[i - 1][j] + 1;
            if (d[i][j - 1] + 1 < best) best = d[i][j - 1] + 1;
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1] && d[i - 2][j - 2] + 1 < best) {
                best = d[i - 2][j - 2] + 1;
            }
            d[i][j] = best;
        }
    }
    return d[m][n];
}

}  // namespace

std::size_t NearestUnits(const char* word, std::size_t length, const UnitDef* nearest[3]) noexcept {
    // The word as the lookup compares it: lower case, a trailing point dropped.
    length = WithoutTrailingPoint(word, length);
    if (length > kLongestNearWord) return 0;
    char key[kLongestNearWord];
    for (std::size_t i = 0; i < length; ++i) key[i] = ToLower(word[i]);
    // One edit for short words, two for longer ones: beyond that a "hint"
    // is a guess.
    const std::size_t limit = length <= 3 ? 1 : kEditsAllowed;
    std::size_t count = 0;
    std::size_t distances[3];
    for (const UnitDef* row = UnitTable; row->name != nullptr; ++row) {
        const std::size_t d = Distance(key, length, row->name, std::strlen(row->name));
        if (d > limit) continue;
        // Kept sorted by distance, the earlier row first among equals.
        std::size_t at = count;
        while (at > 0 && distances[at - 1] > d) --at;
        if (at == 3) continue;
        for (std::size_t i = (count < 3 ? count : 2); i > at; --i) {
            nearest[i] = nearest[i - 1];
            distances[i] = distances[i - 1];
        }
        nearest[at] = row;
        distances[at] = d;
        if (count < 3) ++count;
    }
    return count;
}

void ReadQuery(const char* query, ShowWord show, QueryReading* reading) noexcept {
    double value = 0;
    const UnitDef* from = nullptr;
    const UnitDef* to = nullptr;
    char error[kParseErrorSize];
    QueryWord source{};
    QueryWord target{};
    const bool converted =
        ParseQuery(query, query + std::strlen(query), &value, &from, &to, error, &source, &target) != 0;
    reading->source = converted ? from : nullptr;
    reading->target = converted ? to : nullptr;
    reading->sourceWord = source;
    reading->targetWord = target;
    reading->hint[0] = '\0';
    reading->sourceNote[0] = '\0';
    reading->targetNote[0] = '\0';
    if (converted) {
        WriteCaseNote(query, source, from, show, reading->sourceNote);
        // "1 MB to MB": one note says it.
        const std::size_t length = static_cast<std::size_t>(source.end - source.begin);
        const bool sameWord = from == to && static_cast<std::size_t>(target.end - target.begin) == length &&
                              std::memcmp(source.begin, target.begin, length) == 0;
        if (!sameWord) WriteCaseNote(query, target, to, show, reading->targetNote);
    } else if (std::strcmp(error, kErrorBadUnits) == 0) {
        WriteUnitHint(query, source, target, show, reading->hint);
    }
}

}  // namespace aiconv
