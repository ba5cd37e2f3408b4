// What the tool tells the person on standard error besides the answer:
// words echoed safely, and notes where a unit's case as typed would mean
// another unit than the one read.
#pragma once

#include <string>

namespace aiconvert {

// A word from the person as it may be shown at a terminal: control
// characters escaped (\t, \x1b), bytes that are not valid in the locale's
// encoding shown as '?', and at most 40 characters, then an ellipsis.
std::string Printable(const std::string& word);

// The note for a unit word typed as `typed` that was read as the table row
// `row` (lower case), or "" when its case changes nothing: "mW" is read as
// mw (megawatt), "MB" as mb (megabit).
std::string CaseNote(const std::string& typed, const std::string& row);

}  // namespace aiconvert
