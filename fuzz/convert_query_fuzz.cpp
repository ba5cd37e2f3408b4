// Arbitrary bytes as an 8-bit query, read where they are: the engine must
// not read past them (no NUL follows them here), and must answer them as it
// answers the same bytes as a C string, read up to its NUL by the module's
// reader.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "answer_check.h"
#include "engine/convert.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An empty input may come as a null pointer, which the engine answers
    // as a null query.
    const char* query = size != 0 ? reinterpret_cast<const char*>(data) : "";
    char answer[aiconv::kResultTextSize];
    const std::size_t length = aiconv::ConvertQuery(query, size, answer);
    const std::string first(answer, aiconv_fuzz::BoundedLength(answer, aiconv::kResultTextSize));
    aiconv_fuzz::CheckAnswer(first);
    if (length != first.size()) aiconv_fuzz::Fail("wrong answer length", first);

    const std::string text(query, size);  // ends at a NUL inside too
    char again[aiconv::kResultTextSize];
    aiconv::ConvertCString(text.c_str(), std::strlen(text.c_str()), again);
    if (first != again) aiconv_fuzz::Fail("the same query as a C string answers differently", again);
    return 0;
}
