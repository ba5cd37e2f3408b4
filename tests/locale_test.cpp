// A host may switch its process to a comma-decimal locale; the engine's
// answers must not notice.
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

#include "engine/convert.h"

namespace {

class CommaDecimalLocale : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "German_Germany.1252"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                active_ = name;
                break;
            }
        }
        if (active_.empty()) GTEST_SKIP() << "no German locale is installed (localedef -i de_DE -f UTF-8 de_DE.UTF-8)";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",") << active_;
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }

    std::string active_;
};

TEST_F(CommaDecimalLocale, AnswersAreUnchanged) {
    const struct {
        const char* query;
        const char* answer;
    } cases[] = {
        {"10.5 m to cm", "10.5 m -> 1050 cm"},
        {"10 km to mi", "10 km -> 6.213712 mi"},
        {"1,5 m to cm", "ERROR: could not parse units or arrow"},  // "," is no point
        {"1 mi to nm", "1 mi -> 1.609344e+12 nm"},
        {"72 fahrenheit to c", "72 fahrenheit -> 22.222222 c"},
        {"1.5e3 M TO KM", "1500 m -> 1.5 km"},
    };
    for (const auto& c : cases) {
        char answer[aiconv::kResultTextSize];
        aiconv::ConvertQuery(c.query, std::strlen(c.query), answer);
        EXPECT_STREQ(answer, c.answer) << c.query;
    }
}

}  // namespace
