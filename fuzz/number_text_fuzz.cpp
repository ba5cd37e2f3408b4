// Arbitrary bytes as number text, read by ScanNumber and by the C library's
// strtod; and the first eight bytes as a double, printed by FormatNumber and
// by snprintf. Both must agree to the bit and to the byte.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "answer_check.h"
#include "engine/number_text.h"
#include "reference.h"

namespace {

// strtod also reads hexadecimal and the words inf and nan; the engine reads
// plain decimals only, so those readings are not compared.
bool PlainDecimal(const char* first, const char* last) {
    for (const char* p = first; p < last; ++p) {
        if (std::strchr("xXiInN", *p) != nullptr) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);  // strtod stops at a NUL too
    char* end = nullptr;
    const double expected = std::strtod(text.c_str(), &end);
    const std::size_t expectedUsed = static_cast<std::size_t>(end - text.c_str());
    double value = 0;
    const std::size_t used = aiconv::ScanNumber(text.c_str(), text.c_str() + std::strlen(text.c_str()), &value);
    if (PlainDecimal(text.c_str(), end)) {
        if (used != expectedUsed) aiconv_fuzz::Fail("reads a different length than strtod", text);
        if (used != 0 && std::memcmp(&value, &expected, sizeof value) != 0) {
            aiconv_fuzz::Fail("reads a different double than strtod", text);
        }
    }

    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        char buffer[aiconv::kNumberTextSize];
        aiconv::FormatNumber(x, buffer);
        // C libraries differ on the sign of nan; the engine always shows it.
        const std::string reference = std::isnan(x) ? (std::signbit(x) ? "-nan" : "nan")
                                                    : aiconv_test::ReferenceFormat(x);
        if (reference != buffer) aiconv_fuzz::Fail("prints differently from snprintf", buffer);
    }
    return 0;
}
