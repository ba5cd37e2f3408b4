// What the tool tells the person about a query's unit words, as the
// engine's parser read them (notes/query_notes.h), with the person's words
// made safe for the terminal.
#pragma once

#include <string>
#include <vector>

namespace aiconvert {

// When the query fails on a unit, what to tell the person: the word that
// named no unit, how it was read, or the nearest names; else "".
std::string UnitHint(const std::string& query);

// When it converts, a note for each unit word whose case as typed means
// another unit than the one read ("mW" is read as megawatt).
std::vector<std::string> CaseNotes(const std::string& query);

}  // namespace aiconvert
