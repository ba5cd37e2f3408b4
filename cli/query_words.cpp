#include "query_words.h"

#include <cstring>

#include "query_notes.h"
#include "terminal_text.h"

namespace aiconvert {
namespace {

std::size_t ShowAtTerminal(const char*, const char* begin, const char* end, char* out, std::size_t room) {
    const std::string shown = Printable(std::string(begin, end));
    const std::size_t n = shown.size() < room ? shown.size() : room;
    std::memcpy(out, shown.data(), n);
    return n;
}

aiconv::QueryReading Read(const std::string& query) {
    aiconv::QueryReading reading;
    aiconv::ReadQuery(query.c_str(), ShowAtTerminal, &reading);
    return reading;
}

}  // namespace

std::string UnitHint(const std::string& query) { return Read(query).hint; }

std::vector<std::string> CaseNotes(const std::string& query) {
    const aiconv::QueryReading reading = Read(query);
    std::vector<std::string> notes;
    for (const char* note : {reading.sourceNote, reading.targetNote}) {
        if (*note != '\0') notes.emplace_back(note);
    }
    return notes;
}

}  // namespace aiconvert
