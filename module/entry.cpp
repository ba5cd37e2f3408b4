// The exported entry: wide text in, the engine's answer as wide text out.
#include "aiconverter.h"

#include "code_page.h"
#include "engine/convert.h"

namespace {

// Mutable: the last answer as wide text, kept until the next call.
wchar_t WideResultText[AICONVERTER_ANSWER_CAPACITY];

}  // namespace

extern "C" const wchar_t* AICONVERTER_CALL AIConverter(const wchar_t* query) {
    char answer[aiconv::kResultTextSize];
    std::size_t answerLength = 0;
    if (query == nullptr) {
        answerLength = aiconv::ConvertCString(nullptr, 0, answer);
    } else {
        char queryText[AICONVERTER_QUERY_LIMIT + 1];
        const std::size_t length = aiconv::WideToCodePage(query, queryText, sizeof queryText);
        answerLength = aiconv::ConvertCString(queryText, length, answer);  // ends in a NUL
    }
    aiconv::AnswerToWide(answer, answerLength, WideResultText, AICONVERTER_ANSWER_CAPACITY);
    return WideResultText;
}
