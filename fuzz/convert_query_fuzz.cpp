// Arbitrary bytes as an 8-bit query.
#include <cstddef>
#include <cstdint>
#include <string>

#include "answer_check.h"
#include "engine/convert.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string query(reinterpret_cast<const char*>(data), size);  // ends at a NUL inside too

    const char* answer = aiconv::ConvertQuery(query.c_str());
    const std::string first(answer, aiconv_fuzz::BoundedLength(answer, aiconv::kResultTextSize));
    aiconv_fuzz::CheckAnswer(first);

    const char* again = aiconv::ConvertQuery(query.c_str());
    if (again != answer) aiconv_fuzz::Fail("answer moved", first);
    if (first != again) aiconv_fuzz::Fail("same query, different answer", again);
    return 0;
}
