#include "engine/units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <random>
#include <set>
#include <string>

#include "reference.h"

using aiconv::FindUnit;
using aiconv::UnitDef;
using aiconv::UnitTable;
using aiconv_test::ReferenceFindUnit;

namespace {

const UnitDef* Find(const std::string& word) { return FindUnit(word.data(), word.size()); }

TEST(UnitTable, HasItsRowsThenTheEndRow) {
    std::size_t rows = 0;
    while (UnitTable[rows].name != nullptr) ++rows;
    EXPECT_EQ(rows, aiconv::kUnitCount);
}

TEST(UnitTable, RowsAreWellFormed) {
    std::set<std::string> names;
    for (std::size_t i = 0; i < aiconv::kUnitCount; ++i) {
        const UnitDef& row = UnitTable[i];
        SCOPED_TRACE(row.name);
        const std::string name = row.name;
        EXPECT_TRUE(names.insert(name).second) << "duplicate name";
        EXPECT_FALSE(name.empty());
        EXPECT_LT(name.size(), 31u);
        for (char c : name) EXPECT_FALSE(c >= 'A' && c <= 'Z') << "upper case";
        EXPECT_GE(row.category, aiconv::CategoryLength);
        EXPECT_LE(row.category, aiconv::CategoryData);
        EXPECT_GT(row.factor, 0.0);
        if (row.category == aiconv::CategoryTemperature) {
            EXPECT_EQ(row.factor, 1.0);
        }
        // A name is one word, or two with one blank between (the parser
        // joins two words with one blank).
        EXPECT_LE(std::count(name.begin(), name.end(), ' '), 1) << name;
        EXPECT_NE(name.front(), ' ');
        EXPECT_NE(name.back(), ' ');
        // Answers copy the name from the table the rows point into.
        char copied[32] = {};
        EXPECT_EQ(std::string(copied, aiconv::CopyUnitName(&row, copied)), name);
    }
}

TEST(UnitTable, EveryCategoryHasItsBaseUnit) {
    for (int category = aiconv::CategoryLength; category <= aiconv::CategoryData; ++category) {
        bool base = false;
        for (std::size_t i = 0; i < aiconv::kUnitCount; ++i) {
            base = base || (UnitTable[i].category == category && UnitTable[i].factor == 1.0);
        }
        EXPECT_TRUE(base) << aiconv::CategoryName(category);
    }
}

TEST(UnitTable, RelatedRowsAgree) {
    EXPECT_EQ(Find("mmhg")->factor, Find("torr")->factor);
    EXPECT_EQ(Find("ft")->factor, Find("ft/s")->factor);
    EXPECT_NE(Find("ft")->category, Find("ft/s")->category);
    EXPECT_NE(Find("ton")->factor, Find("tonne")->factor);
    EXPECT_EQ(Find("tonne")->factor, Find("t")->factor);
    EXPECT_EQ(Find("byte")->factor, 8 * Find("bit")->factor);
    EXPECT_EQ(Find("kib")->factor, 1024.0);
}

struct LookupCase {
    const char* word;
    const char* row;  // expected row name, or null for no row
};

class Lookup : public testing::TestWithParam<LookupCase> {};

TEST_P(Lookup, FindsTheExpectedRow) {
    const LookupCase& c = GetParam();
    const UnitDef* row = Find(c.word);
    if (c.row == nullptr) {
        EXPECT_EQ(row, nullptr) << row->name;
    } else {
        ASSERT_NE(row, nullptr);
        EXPECT_STREQ(row->name, c.row);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Words, Lookup,
    testing::Values(LookupCase{"km", "km"}, LookupCase{"KM", "km"}, LookupCase{"Km", "km"},
                    LookupCase{"KB", "kb"}, LookupCase{"MiB", "mib"},
                    // One trailing point is dropped, and only one.
                    LookupCase{"lbs.", "lbs"}, LookupCase{"lbs..", "lbs."},
                    LookupCase{"kg.", "kg"}, LookupCase{".", nullptr}, LookupCase{"", nullptr},
                    LookupCase{"km.x", nullptr}, LookupCase{"floz", "floz"},
                    LookupCase{"fl oz", "fl oz"}, LookupCase{"FL OZ", "fl oz"},
                    LookupCase{"fl", nullptr}, LookupCase{"parsec", nullptr},
                    // Only A-Z fold: other bytes are compared as they are.
                    LookupCase{"\xC0m", nullptr}, LookupCase{"k\xCD", nullptr}));

TEST(Lookup, UsesAtMost31Bytes) {
    // The word is cut before the point rule, so a 32-byte word ending in a
    // point keeps all of its first 31 bytes.
    const std::string longWord(40, 'm');
    EXPECT_EQ(Find(longWord), nullptr);
    EXPECT_EQ(FindUnit("kmxxxxx", 2), Find("km"));
    EXPECT_EQ(FindUnit("kg.", 2), Find("kg"));
}

TEST(Lookup, StopsAtANulInsideTheWord) {
    EXPECT_EQ(FindUnit("m\0x", 3), Find("m"));
    EXPECT_EQ(FindUnit("mi\0", 3), Find("mi"));
}

// The index must answer exactly as the first-match scan does, for any key.
void ExpectSameAsScan(const std::string& word) {
    EXPECT_EQ(FindUnit(word.data(), word.size()), ReferenceFindUnit(word.data(), word.size()))
        << '"' << word << '"';
}

TEST(Lookup, IndexAgreesWithScanOnEveryNameAndEveryOneByteChange) {
    for (std::size_t i = 0; i < aiconv::kUnitCount; ++i) {
        const std::string name = UnitTable[i].name;
        ExpectSameAsScan(name);
        ExpectSameAsScan(name + ".");
        ExpectSameAsScan(name + "..");
        ExpectSameAsScan(name.substr(0, name.size() - 1));
        for (std::size_t at = 0; at < name.size(); ++at) {
            for (int b = 1; b < 256; ++b) {
                std::string changed = name;
                changed[at] = static_cast<char>(b);
                ExpectSameAsScan(changed);
            }
        }
    }
}

TEST(Lookup, IndexAgreesWithScanOnRandomWords) {
    std::mt19937 random(20261208);
    const std::string alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123/. ";
    for (int i = 0; i < 200000; ++i) {
        std::string word(random() % 36, ' ');
        for (char& c : word) c = alphabet[random() % alphabet.size()];
        ExpectSameAsScan(word);
    }
}

TEST(CategoryName, NamesTheTwelveAndNothingElse) {
    const char* const expected[] = {"unknown", "length", "mass",   "volume", "area",
                                    "speed",   "temperature", "pressure", "energy",
                                    "power",   "time",   "angle",  "data",   "unknown"};
    for (int category = 0; category <= 13; ++category) {
        EXPECT_STREQ(aiconv::CategoryName(category), expected[category]) << category;
    }
    EXPECT_STREQ(aiconv::CategoryName(-1), "unknown");
    EXPECT_STREQ(aiconv::CategoryName(INT_MIN), "unknown");
    EXPECT_STREQ(aiconv::CategoryName(INT_MAX), "unknown");
}

}  // namespace
