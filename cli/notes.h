// Notes where a unit's case as typed would mean another unit than the one
// read.
#pragma once

#include <string>

namespace aiconvert {

// The note for a unit word typed as `typed` that was read as the table row
// `row` (lower case), or "" when its case changes nothing: "mW" is read as
// mw (megawatt), "MB" as mb (megabit).
std::string CaseNote(const std::string& typed, const std::string& row);

}  // namespace aiconvert
