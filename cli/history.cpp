#include "history.h"

#include <cerrno>
#include <cstdio>
#include <deque>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "line_reader.h"

namespace aiconvert {
namespace {

constexpr char kOldHeader[] = "_HiStOrY_V2_";

bool HoldsControls(const std::string& line) {
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) return true;
    }
    return false;
}

// libedit's encoding: a blank, a backslash and other bytes as "\ooo" or
// "\\". Anything else after a backslash makes the line malformed.
bool DecodeOld(std::string* line) {
    std::string out;
    for (std::size_t i = 0; i < line->size(); ++i) {
        const char c = (*line)[i];
        if (c != '\\') {
            out += c;
        } else if (i + 1 < line->size() && (*line)[i + 1] == '\\') {
            out += '\\';
            ++i;
        } else if (i + 3 < line->size() && (*line)[i + 1] >= '0' && (*line)[i + 1] <= '3' &&
                   (*line)[i + 2] >= '0' && (*line)[i + 2] <= '7' && (*line)[i + 3] >= '0' && (*line)[i + 3] <= '7') {
            out += static_cast<char>(((*line)[i + 1] - '0') * 64 + ((*line)[i + 2] - '0') * 8 + ((*line)[i + 3] - '0'));
            i += 3;
        } else {
            return false;
        }
    }
    *line = out;
    return true;
}

}  // namespace

std::vector<std::string> LoadHistory(const std::string& path, std::size_t keep) {
    std::deque<std::string> entries;
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return {};
    std::FILE* file = fdopen(fd, "r");
    if (file == nullptr) {
        close(fd);
        return {};
    }
    std::string line;
    bool first = true;
    bool old = false;
    // An escaped line is up to four times as long as what it holds.
    while (ReadPlainLine(file, keep * 4, &line)) {
        if (first && line == kOldHeader) old = true;
        first = false;
        if (old && (line == kOldHeader || !DecodeOld(&line))) continue;
        if (line.size() > keep) line.resize(keep);
        if (line.empty() || HoldsControls(line)) continue;
        entries.push_back(line);
        if (entries.size() > kHistoryEntries) entries.pop_front();
    }
    std::fclose(file);
    return {entries.begin(), entries.end()};
}

bool SaveHistory(const std::string& path, const std::vector<std::string>& added, std::size_t keep) {
    std::vector<std::string> entries = LoadHistory(path, keep);
    for (std::string entry : added) {
        if (entry.size() > keep) entry.resize(keep);
        if (entry.empty() || HoldsControls(entry)) continue;
        if (entries.empty() || entries.back() != entry) entries.push_back(entry);
    }
    const std::size_t from = entries.size() > kHistoryEntries ? entries.size() - kHistoryEntries : 0;

    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(&temporary[0]);  // mode 600
    if (fd < 0) return false;
    std::FILE* file = fdopen(fd, "w");
    bool written = file != nullptr;
    for (std::size_t i = from; written && i < entries.size(); ++i) {
        written = std::fwrite(entries[i].data(), 1, entries[i].size(), file) == entries[i].size() &&
                  std::fputc('\n', file) != EOF;
    }
    written = written && std::fflush(file) == 0 && fsync(fd) == 0;
    const int error = errno;
    if (file != nullptr) {
        written = std::fclose(file) == 0 && written;
    } else {
        close(fd);
    }
    if (written && rename(temporary.c_str(), path.c_str()) == 0) return true;
    const int failure = written ? errno : error;
    unlink(temporary.c_str());
    errno = failure;
    return false;
}

}  // namespace aiconvert
