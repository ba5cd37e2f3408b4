// Tab's completions: what the parser would accept where the word stands.
#include "completions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Case {
    const char* before;
    std::vector<std::string> rests;
};

TEST(Completions, OfferWhatTheParserWouldReadThere) {
    const Case cases[] = {
        {"10 fahr", {"enheit"}},
        {"10 Fahr", {"enheit"}},                 // case ignored
        {"10 fl ", {"oz"}},                      // the second word of a two-word name
        {"10 cubic met", {"er"}},
        {"10 km to kel", {"vin"}},
        {"10 km kel", {"vin"}},                  // no arrow
        {"10 cubic meter to gall", {"on"}},      // after a two-word source
        {"10 kg to", {}},                        // "ton" would read as the arrow and "n"
        {"10 kg TO to", {"n", "nne", "rr"}},     // after an arrow it is a name
        {"10 kg -> to", {"n", "nne", "rr"}},
        {"10 l to cubic", {}},                   // a target is one word
        {"10 l to fl", {"oz"}},                  // "floz", not "fl oz"
        {"10 km to mi x", {}},                   // past the target
        {"10", {}},
        {"10 ", {}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(aiconvert::Completions(c.before), c.rests) << '"' << c.before << '"';
}

}  // namespace
