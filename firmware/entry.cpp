// The 8-bit entry for firmware: the engine's answer to the query as given,
// cut to the query limit as the wide entry cuts it.
#include "aiconverter_text.h"

#include <cstring>

#include "aiconverter.h"

#include "engine/convert.h"

static_assert(AICONVERTER_TEXT_ANSWER_CAPACITY == aiconv::kResultTextSize, "the answer buffer the header promises");
static_assert(AICONVERTER_TEXT_QUERY_LIMIT == AICONVERTER_QUERY_LIMIT, "both entries read as much of a query");

namespace {

constexpr std::size_t kQueryLimit = AICONVERTER_TEXT_QUERY_LIMIT;

// Mutable: a query longer than the limit, cut to it. Only such queries are
// copied; the rest are read where they are.
char LongQueryCut[kQueryLimit + 1];

}  // namespace

extern "C" const char* AIConverterText(const char* query) {
    std::size_t answerLength = 0;
    if (query == nullptr) return aiconv::ConvertQuery(nullptr, 0, &answerLength);
    std::size_t length = 0;
    while (length <= kQueryLimit && query[length] != '\0') ++length;
    if (length <= kQueryLimit) return aiconv::ConvertQuery(query, length, &answerLength);
    std::memcpy(LongQueryCut, query, kQueryLimit);
    LongQueryCut[kQueryLimit] = '\0';
    return aiconv::ConvertQuery(LongQueryCut, kQueryLimit, &answerLength);
}
