// The unit words of a query as the engine's parser reads them, and the
// hints for the person at the terminal when one names no unit.
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
    std::string arrowWord;   // the word the arrow "to" was read from ("ton"), if any
    bool numberCut;          // the number ran past the bytes read, into the source word
};
UnitWords ReadUnitWords(const std::string& query);

// What to tell the person when the query failed on a unit, or "": the word
// that named no unit, with what the parser made of it where that is not
// what was typed (a target word that begins with "to" is read as the arrow
// and the rest; a number is read to its 63rd byte), else the nearest unit
// names. Words are shown through Printable.
std::string UnitHint(const std::string& query);

// Up to three table names within a small edit distance of `word`, compared
// without regard to A-Z case, nearest first; none for a word far longer
// than any name.
std::vector<std::string> NearestUnits(const std::string& word);

}  // namespace aiconvert
