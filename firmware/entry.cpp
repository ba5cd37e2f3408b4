// The 8-bit entries for firmware: the engine's answer to the query as given,
// cut to the query limit as the wide entry cuts it. The query is read where
// it is, never copied: the engine needs no NUL after it.
#include "aiconverter_text.h"

#include <cstring>

#include "aiconverter.h"

#include "engine/convert.h"

static_assert(AICONVERTER_TEXT_QUERY_LIMIT == AICONVERTER_QUERY_LIMIT, "both entries read as much of a query");
static_assert(AICONVERTER_TEXT_ANSWER_CAPACITY > aiconv::kLongestAnswer, "the capacity the header promises holds every answer");

namespace {

constexpr std::size_t kQueryLimit = AICONVERTER_TEXT_QUERY_LIMIT;

// Mutable: AIConverterText's last answer. The reentrant entry uses none.
char LastAnswer[aiconv::kResultTextSize];

}  // namespace

extern "C" size_t AIConverterTextInto(const char* query, size_t queryLength, char* answer, size_t capacity) {
    if (queryLength > kQueryLimit) queryLength = kQueryLimit;
    if (query == nullptr) queryLength = 0;
    // The engine works in a buffer of its own size, with scratch past the
    // answer's NUL; the caller's buffer gets the answer alone, once the
    // query has been read whole (so the two may overlap).
    char whole[aiconv::kResultTextSize];
    const std::size_t length = aiconv::ConvertQuery(query, queryLength, whole);
    if (answer != nullptr && capacity > 0) {
        const std::size_t kept = length < capacity ? length : capacity - 1;
        std::memcpy(answer, whole, kept);
        answer[kept] = '\0';
    }
    return length;
}

extern "C" const char* AIConverterText(const char* query) {
    std::size_t length = 0;
    if (query != nullptr) {
        while (length < kQueryLimit && query[length] != '\0') ++length;
    }
    aiconv::ConvertQuery(query, length, LastAnswer);
    return LastAnswer;
}
