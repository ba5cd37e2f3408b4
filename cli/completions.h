// Tab at the prompt: the unit names that may go where the cursor is.
#pragma once

#include <string>
#include <vector>

namespace aiconvert {

// What Tab may add at the end of `before` (the line up to the cursor): the
// rest of each unit name that the parser would accept where the word
// stands and that the word begins, A-Z case ignored. After the number: any
// name; the word after that: the second word of a two-word name begun by
// the first, or a target name; after the source and an arrow: a one-word
// target name (a target is one word), and without an arrow none that would
// read as one ("ton"). Elsewhere nothing.
std::vector<std::string> Completions(const std::string& before);

}  // namespace aiconvert
