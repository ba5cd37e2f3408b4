// Hints for the person at the terminal when a query names no known unit.
#pragma once

#include <string>
#include <vector>

namespace aiconvert {

// The word of a query (8-bit text, as typed) that the units error is about:
// the source unit when it is none of the table's names, else the target.
// Empty when the query has no such word.
std::string UnmatchedUnit(const std::string& query);

// Up to three table names within a small edit distance of `word`, compared
// without regard to A-Z case, nearest first.
std::vector<std::string> NearestUnits(const std::string& word);

}  // namespace aiconvert
