// Text from the person shown back at a terminal, safely.
#pragma once

#include <string>

namespace aiconvert {

// A word from the person as it may be shown at a terminal: control and
// format characters escaped (\t, \x1b, \u202e: a bidirectional override
// could reorder the rest of the line), bytes that are not valid in the
// locale's encoding shown as '?', and at most 40 characters, then an
// ellipsis.
std::string Printable(const std::string& word);

}  // namespace aiconvert
