// The golden set against the library itself: every query of
// tests/golden/golden.tsv, as wide text, must still get the answer the set
// holds. The WebAssembly and microcontroller builds compare with the same
// set, so a change here is a change everywhere.
#include <aiconverter.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

// UTF-8 to wide text, as a UTF-8 terminal's text reaches a host (a
// character above U+FFFF as a surrogate pair where wchar_t has 16 bits).
std::wstring Widen(const std::string& text) {
    std::wstring wide;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        char32_t c = more ? lead & (0x3Fu >> more) : lead;
        for (int k = 1; k <= more && i + k < text.size(); ++k) c = (c << 6) | (text[i + k] & 0x3Fu);
        i += 1 + more;
        if (sizeof(wchar_t) == 2 && c > 0xFFFF) {
            wide.push_back(static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10)));
            wide.push_back(static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            wide.push_back(static_cast<wchar_t>(c));
        }
    }
    return wide;
}

std::string Narrow(const wchar_t* answer) {
    std::string text;
    for (; *answer != 0; ++answer) text.push_back(*answer < 0x80 ? static_cast<char>(*answer) : '?');
    return text;
}

TEST(GoldenSet, EveryAnswerIsUnchanged) {
    std::ifstream file(AICONV_GOLDEN_TSV, std::ios::binary);
    ASSERT_TRUE(file) << AICONV_GOLDEN_TSV;
    std::string row;
    int checked = 0;
    int differ = 0;
    while (std::getline(file, row)) {
        const std::size_t tab = row.find('\t');
        if (tab == std::string::npos) continue;
        const std::string query = row.substr(0, tab);
        const std::string expected = row.substr(tab + 1);
        const std::string answer = Narrow(AIConverter(Widen(query).c_str()));
        ++checked;
        if (answer != expected && ++differ <= 10) {
            ADD_FAILURE() << '"' << query << "\" answers \"" << answer << "\", the golden set says \"" << expected << '"';
        }
    }
    EXPECT_EQ(differ, 0) << differ << " of " << checked << " answers differ: if the change is meant, rewrite the set "
                         << "(tests/golden/golden.cmake) and say why in the commit";
    EXPECT_GT(checked, 2000);
}

}  // namespace
