// The exported entry as a host calls it: wide text in, wide text out.
#include <aiconverter.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#endif

#include "code_page_cases.h"

namespace {

std::wstring Ask(const std::wstring& query) { return AIConverter(query.c_str()); }

const std::wstring kBadUnits = L"ERROR: could not parse units or arrow";

TEST(AIConverter, AnswersWideQueries) {
    EXPECT_EQ(Ask(L"10 km to mi"), L"10 km -> 6.213712 mi");
    EXPECT_EQ(Ask(L"72 FAHRENHEIT -> c"), L"72 fahrenheit -> 22.222222 c");
    EXPECT_EQ(Ask(L"2 cubic meter l"), L"2 cubic meter -> 2000 l");
    EXPECT_EQ(Ask(L""), L"ERROR: could not parse number");
    EXPECT_EQ(Ask(L"1 m to kg"), L"ERROR: incompatible units (length vs mass)");
    EXPECT_STREQ(AIConverter(nullptr), L"ERROR: null input");
}

TEST(AIConverter, KeepsOneAnswerBufferUntilTheNextCall) {
    const wchar_t* first = AIConverter(L"10 km to m");
    EXPECT_STREQ(first, L"10 km -> 10000 m");
    const wchar_t* second = AIConverter(L"1 h to min");
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, L"1 h -> 60 min");
}

TEST(AIConverter, CharactersOutsideTheCodePageNeverMatchAUnit) {
    EXPECT_EQ(Ask(L"5 kg to \u00B5g"), kBadUnits);  // micro sign: in the code page, no unit
    EXPECT_EQ(Ask(L"5 kg to \u4E2Dg"), kBadUnits);
    EXPECT_EQ(Ask(L"5 \u00B5g to kg"), kBadUnits);
    EXPECT_EQ(Ask(L"\u4E00 m to cm"), L"ERROR: could not parse number");
}

TEST(AIConverter, NoCharacterIsNarrowedToAnother) {
    // Each character bumped must be read as something else, never as the same
    // byte: a narrowing cast would turn U+016B into 'k', and Windows' best-fit
    // mapping U+0169 into 'i'.
    constexpr int kBump = 256;
    const std::wstring query = L"10 km to mi";
    const std::wstring answer = Ask(query);
    for (std::size_t i = 0; i < query.size(); ++i) {
        if (query[i] == L' ') continue;
        std::wstring bumped = query;
        bumped[i] = static_cast<wchar_t>(bumped[i] + kBump);
        EXPECT_NE(Ask(bumped), answer) << "position " << i;
        EXPECT_EQ(Ask(bumped).compare(0, 7, L"ERROR: "), 0) << "position " << i;
    }
}

// Each query of code_page_cases.h has one answer on every platform. Windows
// builds also run this under ANSI code pages 1252, 1251 and 932, named by
// AICONV_ANSI_CODE_PAGE, with a locale that gives Wine that code page.
TEST(AIConverter, SameAnswerOnEveryCodePage) {
#if defined(_WIN32)
    if (const char* page = std::getenv("AICONV_ANSI_CODE_PAGE")) {
        if (const char* reason = std::getenv("AICONV_CODE_PAGE_SKIP")) GTEST_SKIP() << reason;
        ASSERT_EQ(GetACP(), std::strtoul(page, nullptr, 10)) << "the locale did not give this ANSI code page";
    }
#endif
    for (const auto& c : kCodePageCases) EXPECT_EQ(Ask(c.query), c.answer) << "query " << c.query;
}

TEST(AIConverter, UnpairedSurrogatesAndControlsAreSafe) {
    const wchar_t lone[] = {L'1', L' ', static_cast<wchar_t>(0xD800), L' ', L'm', 0};
    EXPECT_EQ(Ask(lone), kBadUnits);
    const wchar_t trail[] = {L'1', L' ', L'm', L' ', static_cast<wchar_t>(0xDC00), 0};
    EXPECT_EQ(Ask(trail), kBadUnits);
    EXPECT_EQ(Ask(L"1\tm\r\nto\vcm\f"), L"1 m -> 100 cm");
}

TEST(AIConverter, ReadsOnlyTheFirst999Bytes) {
    // 6 + 991 + 2 = 999 bytes: read whole.
    EXPECT_EQ(Ask(L"1 m to" + std::wstring(991, L' ') + L"cm"), L"1 m -> 100 cm");
    // One byte more and the target is cut to "c".
    EXPECT_EQ(Ask(L"1 m to" + std::wstring(992, L' ') + L"cm"),
              L"ERROR: incompatible units (length vs temperature)");
    EXPECT_EQ(Ask(L"5" + std::wstring(2000, L' ') + L"m to cm"), L"ERROR: missing unit");
    EXPECT_EQ(Ask(L"5 m to cm " + std::wstring(4000000, L'x')), L"5 m -> 500 cm");
    EXPECT_EQ(Ask(std::wstring(4000000, L' ')), L"ERROR: could not parse number");
}

// Narrowing and widening work in blocks: queries and answers of every length
// must come through whole, across the block edges and where narrowing
// leaves ASCII for the general road.
TEST(AIConverter, QueriesAndAnswersOfEveryLength) {
    for (std::size_t pad = 0; pad <= 40; ++pad) {
        const std::wstring spaces(pad, L' ');
        EXPECT_EQ(Ask(spaces + L"10 km to mi"), L"10 km -> 6.213712 mi") << pad;
        // Text after the target word is ignored, past ASCII too.
        EXPECT_EQ(Ask(L"10 km to mi " + spaces + L"\u00E9\u20AC"), L"10 km -> 6.213712 mi") << pad;
    }
    // Units of factor 1 keep the value exact; answers run from 9 to 50 characters.
    const std::wstring digits = L"123456123456";
    for (const std::wstring unit : {L"m", L"kilograms"}) {
        for (std::size_t length = 1; length <= digits.size(); ++length) {
            const std::wstring value =
                length <= 6 ? digits.substr(0, length) : digits.substr(0, 6) + L"." + digits.substr(6, length - 6);
            EXPECT_EQ(Ask(value + L" " + unit + L" to " + unit), value + L" " + unit + L" -> " + value + L" " + unit);
        }
    }
}

}  // namespace
