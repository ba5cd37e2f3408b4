// The page's second module: how the engine read a query, for the notes
// under the answer (notes/query_notes.h). The page writes the query as code
// points, with a 0 after them, into the query buffer, and calls notes_read,
// which returns the length of the ASCII lines it wrote into the notes
// buffer: for the source and then the target, the row's name (empty unless
// the query converts), a tab and where the word is, "FIRST END" in
// characters of the query ("-1 -1" where the parse did not reach it); then
// each note. A word of the person's is not copied but
// marked by where it is, "\x01FIRST,END\x02" in characters of the query, so
// that the page shows it as it was typed.
#include "aiconverter.h"
#include "module/code_page.h"
#include "query_notes.h"

#define AICONV_WASM_EXPORT(name) extern "C" __attribute__((export_name(name)))

namespace {

// Mutable: the query of the next call, written by the page, and the notes
// of the last, read by it.
wchar_t QueryText[AICONVERTER_QUERY_LIMIT + 1];
char NotesText[3 * aiconv::kNoteSize + 2 * (aiconv::kLongestUnitName + 2 * 20 + 3)];
aiconv::QueryReading Reading;

// Writes value in decimal at out; returns the end.
char* PutDecimal(char* out, std::size_t value) {
    char digits[20];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count != 0) *out++ = digits[--count];
    return out;
}

std::size_t MarkWord(const char* query, const char* begin, const char* end, char* out, std::size_t room) {
    char mark[2 * 20 + 3];
    char* at = mark;
    *at++ = '\x01';
    at = PutDecimal(at, static_cast<std::size_t>(begin - query));
    *at++ = ',';
    at = PutDecimal(at, static_cast<std::size_t>(end - query));
    *at++ = '\x02';
    const std::size_t n = static_cast<std::size_t>(at - mark);
    if (n > room) return 0;  // a mark is whole or absent
    for (std::size_t i = 0; i < n; ++i) out[i] = mark[i];
    return n;
}

char* Append(char* out, const char* text) {
    while (*text != '\0') *out++ = *text++;
    return out;
}

}  // namespace

AICONV_WASM_EXPORT("notes_query_buffer") wchar_t* QueryBuffer() { return QueryText; }
// The characters the query buffer holds before its 0.
AICONV_WASM_EXPORT("notes_query_limit") unsigned QueryLimit() { return AICONVERTER_QUERY_LIMIT; }

AICONV_WASM_EXPORT("notes_buffer") const char* NotesBuffer() { return NotesText; }

AICONV_WASM_EXPORT("notes_read") unsigned ReadNotes() {
    QueryText[AICONVERTER_QUERY_LIMIT] = 0;
    // The bytes the library reads for this text, cut where it cuts.
    char query[AICONVERTER_QUERY_LIMIT + 1];
    aiconv::WideToCodePage(QueryText, query, sizeof query);
    aiconv::ReadQuery(query, MarkWord, &Reading);
    const aiconv::QueryReading& reading = Reading;
    char* out = NotesText;
    const aiconv::UnitDef* const rows[] = {reading.source, reading.target};
    const aiconv::QueryWord words[] = {reading.sourceWord, reading.targetWord};
    for (int i = 0; i < 2; ++i) {
        if (i != 0) *out++ = '\n';
        out = Append(out, rows[i] != nullptr ? rows[i]->name : "");
        *out++ = '\t';
        if (words[i].begin == nullptr) {
            out = Append(out, "-1 -1");
            continue;
        }
        out = PutDecimal(out, static_cast<std::size_t>(words[i].begin - query));
        *out++ = ' ';
        out = PutDecimal(out, static_cast<std::size_t>(words[i].end - query));
    }
    const char* const notes[] = {reading.hint, reading.sourceNote, reading.targetNote};
    for (const char* note : notes) {
        if (*note == '\0') continue;
        *out++ = '\n';
        out = Append(out, note);
    }
    *out = '\0';
    return static_cast<unsigned>(out - NotesText);
}
