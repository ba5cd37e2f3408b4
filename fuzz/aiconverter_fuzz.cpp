// Arbitrary wide queries through the exported entry. Each 4 input bytes are
// one wchar_t (little-endian; low 16 bits where wchar_t is 16-bit), so
// unpaired surrogates, code points above U+FFFF and values beyond Unicode
// all occur. An input whose first byte is odd is repeated until the query is
// twenty thousand characters long, far past the
// AICONVERTER_QUERY_LIMIT bytes the entry reads.
#include <aiconverter.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "answer_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring query;
    for (std::size_t i = 0; i + 4 <= size; i += 4) {
        const std::uint32_t unit = data[i] | (data[i + 1] << 8) | (data[i + 2] << 16) |
                                   (static_cast<std::uint32_t>(data[i + 3]) << 24);
        query.push_back(static_cast<wchar_t>(unit));
    }
    if (size > 0 && (data[0] & 1) && !query.empty()) {
        const std::wstring unitOfRepeat = query;
        while (query.size() < 20000) query += unitOfRepeat;
    }

    static const wchar_t* const buffer = AIConverter(nullptr);
    const wchar_t* answer = AIConverter(query.c_str());
    if (answer != buffer) aiconv_fuzz::Fail("answer moved", "");

    const std::size_t length = aiconv_fuzz::BoundedLength(answer, AICONVERTER_ANSWER_CAPACITY);
    std::string narrow;
    for (std::size_t i = 0; i < length; ++i) {
        if (answer[i] <= 0 || answer[i] >= 0x80) aiconv_fuzz::Fail("answer not ASCII", narrow);
        narrow.push_back(static_cast<char>(answer[i]));
    }
    aiconv_fuzz::CheckAnswer(narrow);

    if (std::wstring(AIConverter(query.c_str())) != answer) {
        aiconv_fuzz::Fail("same query, different answer", narrow);
    }
    return 0;
}
