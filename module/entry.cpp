// The exported entry: wide text in, the engine's answer as wide text out.
#include "aiconverter.h"

#include "code_page.h"
#include "convert.h"

namespace {

// Module boundary buffers: 1000 bytes for the query, 1000 wide characters for
// the answer. The answer stays here until the next call.
constexpr std::size_t kBoundarySize = 1000;
wchar_t WideResultText[kBoundarySize];

}  // namespace

extern "C" const wchar_t* AICONVERTER_CALL AIConverter(const wchar_t* query) {
    std::size_t answerLength = 0;
    const char* answer = nullptr;
    if (query == nullptr) {
        answer = aiconv::ConvertQuery(nullptr, 0, &answerLength);
    } else {
        char queryText[kBoundarySize];
        const std::size_t length = aiconv::WideToCodePage(query, queryText, sizeof queryText);
        answer = aiconv::ConvertQuery(queryText, length, &answerLength);
    }
    aiconv::CodePageToWide(answer, answerLength, WideResultText, kBoundarySize);
    return WideResultText;
}
