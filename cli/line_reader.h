// Lines from a pipe, a file or the history file, in bounded memory.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace aiconvert {

// Reads one line without its end (a line feed, or CR LF). Keeps its first
// `keep` bytes and drops the rest unstored, so a line of any length takes
// bounded memory. False at the end of input, or when reading failed
// (std::ferror tells which).
bool ReadPlainLine(std::FILE* in, std::size_t keep, std::string* line);

}  // namespace aiconvert
