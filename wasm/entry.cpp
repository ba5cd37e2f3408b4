// The engine's entry for JavaScript. The host writes the query, already in
// the 8-bit code page and cut to AICONVERTER_QUERY_LIMIT bytes, into the
// query buffer, then calls aiconv_convert with its length, which returns
// the length of the answer it wrote into the answer buffer: ASCII text,
// with a NUL after it. The unit table is readable
// too, for pages that list it.
#include "aiconverter.h"
#include "engine/convert.h"
#include "engine/units.h"

#define AICONV_WASM_EXPORT(name) extern "C" __attribute__((export_name(name)))

namespace {

// Mutable: the query of the next call, written by the host, and the answer
// of the last, read by it.
char QueryText[AICONVERTER_QUERY_LIMIT + 1];
char AnswerText[aiconv::kResultTextSize];

}  // namespace

AICONV_WASM_EXPORT("aiconv_query_buffer") char* QueryBuffer() { return QueryText; }

AICONV_WASM_EXPORT("aiconv_answer_buffer") const char* AnswerBuffer() { return AnswerText; }

// The answer for the `length` bytes in the query buffer (the host stops at a
// NUL); returns its length.
AICONV_WASM_EXPORT("aiconv_convert") unsigned Convert(unsigned length) {
    if (length > AICONVERTER_QUERY_LIMIT) length = AICONVERTER_QUERY_LIMIT;
    return static_cast<unsigned>(aiconv::ConvertQuery(QueryText, length, AnswerText));
}

// The answer to a null query, as the library gives it; returns its length.
AICONV_WASM_EXPORT("aiconv_convert_null") unsigned ConvertNull() {
    return static_cast<unsigned>(aiconv::ConvertQuery(nullptr, 0, AnswerText));
}

AICONV_WASM_EXPORT("aiconv_unit_count") unsigned UnitCount() { return aiconv::kUnitCount; }
AICONV_WASM_EXPORT("aiconv_unit_name") const char* UnitName(unsigned row) {
    return row < aiconv::kUnitCount ? aiconv::UnitTable[row].name : "";
}
AICONV_WASM_EXPORT("aiconv_unit_category") const char* UnitCategory(unsigned row) {
    return aiconv::CategoryName(row < aiconv::kUnitCount ? aiconv::UnitTable[row].category : 0);
}
