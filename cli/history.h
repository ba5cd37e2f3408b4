// The prompt's history file, kept as carefully as a shell keeps its own:
// read with bounds, written whole to a temporary file and renamed into
// place, merged with what another running copy saved meanwhile.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace aiconvert {

// The most entries kept.
inline constexpr std::size_t kHistoryEntries = 1000;

// The entries of the file at `path`, oldest first: at most the last
// kHistoryEntries, each cut to `keep` bytes; lines that hold no query
// (empty, control characters, a malformed escape) are skipped. Reads files
// this tool wrote (a query a line) and those of its earlier versions
// (libedit's "_HiStOrY_V2_" with octal escapes). Never follows a symbolic
// link. Empty when there is no such file or it cannot be read.
std::vector<std::string> LoadHistory(const std::string& path, std::size_t keep);

// Writes the file's entries as they are now, then `added`, keeping the last
// kHistoryEntries and none twice in a row, into a new file (mode 600) in
// the same folder, then renames it over `path`: a symbolic link there is
// replaced, never followed, and a failed write leaves the old file as it
// was. Returns false, with errno set, when nothing was saved.
bool SaveHistory(const std::string& path, const std::vector<std::string>& added, std::size_t keep);

}  // namespace aiconvert
