// Hints for the person at the terminal when a query names no known unit.
#pragma once

#include <string>
#include <vector>

namespace aiconvert {

// The unit words of a query as the engine's parser reads it, so that what
// the tool says about them is what the library did.
struct UnitWords {
    bool converted;          // both units found
    bool unitError;          // the query failed on a unit
    bool targetReached;      // the parse got to the target word (maybe missing)
    std::string source;      // as typed (both words of a two-word unit)
    std::string target;      // as typed; empty when missing
    std::string sourceRow;   // the table's names, when converted
    std::string targetRow;
};
UnitWords ReadUnitWords(const std::string& query);

// The word of a query (8-bit text, as typed) that the units error is about:
// the source unit when it is none of the table's names, else the target.
// Empty when the query has no such word.
std::string UnmatchedUnit(const std::string& query);

// Up to three table names within a small edit distance of `word`, compared
// without regard to A-Z case, nearest first.
std::vector<std::string> NearestUnits(const std::string& word);

}  // namespace aiconvert
