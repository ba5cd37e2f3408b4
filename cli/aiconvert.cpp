// aiconvert: the command-line host. It calls the library the way any host
// does, converting between the terminal's encoding and wide text.
//
//   aiconvert 10 km to mi        one query from the arguments
//   aiconvert < queries.txt      one answer for each line of input
#include <aiconverter.h>
#include <aiconverter_version.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#if defined(_WIN32)
#  include <fcntl.h>
#  include <io.h>
#else
#  include <unistd.h>
#endif

#include "engine/parse.h"
#include "engine/units.h"
#include "hint.h"

namespace {

constexpr char kUsage[] =
    "usage: aiconvert [QUERY...]\n"
    "       aiconvert --list-units | --help | --version\n"
    "\n"
    "Converts QUERY, such as \"10 km to mi\", and prints one answer line.\n"
    "Without a query, converts each line of standard input.\n"
    "Exit status: 0 all converted, 1 some answer was an error,\n"
    "2 usage error, or reading standard input or writing standard output failed.\n";

constexpr int kAllConverted = 0;
constexpr int kSomeError = 1;
constexpr int kFailure = 2;

// Terminal text to wide text in the locale's encoding; a byte that is not
// valid there becomes '?', which no unit contains.
std::wstring ToWide(const std::string& text) {
    std::wstring wide;
    std::mbstate_t state{};
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        wchar_t c = 0;
        const std::size_t n = std::mbrtowc(&c, p, static_cast<std::size_t>(end - p), &state);
        if (n == static_cast<std::size_t>(-1) || n == static_cast<std::size_t>(-2)) {
            wide.push_back(L'?');
            state = std::mbstate_t{};
            ++p;
        } else {
            wide.push_back(n == 0 ? L'\0' : c);
            p += n == 0 ? 1 : n;
        }
    }
    return wide;
}

std::string FromWide(const wchar_t* text) {
    std::string out;
    std::mbstate_t state{};
    char bytes[16];
    for (; *text != 0; ++text) {
        const std::size_t n = std::wcrtomb(bytes, *text, &state);
        if (n == static_cast<std::size_t>(-1)) {
            out.push_back('?');
            state = std::mbstate_t{};
        } else {
            out.append(bytes, n);
        }
    }
    return out;
}

// Writes to standard output and flushes at once (one answer per line in a
// pipe). False when the system refused: disk full, closed stream, broken pipe.
bool Print(const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
}

// Names a failed read or write on standard error; the exit status then says 2.
int Failure(const char* what) {
    const int error = errno;
    std::fprintf(stderr, "aiconvert: cannot %s: %s\n", what, std::strerror(error));
    return kFailure;
}

// Reads one line without its end (a line feed, or CR LF). Keeps its first
// `keep` bytes and drops the rest unstored, so a line of any length takes
// bounded memory. False at the end of input, or when reading failed
// (std::ferror tells which).
bool ReadLine(std::FILE* in, std::size_t keep, std::string* line) {
    line->clear();
    bool any = false;
    for (int c; (c = std::getc(in)) != EOF;) {
        any = true;
        if (c == '\n') break;
        if (line->size() < keep) line->push_back(static_cast<char>(c));
    }
    if (!line->empty() && line->back() == '\r') line->pop_back();
    return any && !std::ferror(in);
}

// For the person at the terminal: the nearest unit names to the word that
// matched none. Standard output stays the library's answer alone.
void HintUnits(const std::string& query) {
    const std::string word = aiconvert::UnmatchedUnit(query);
    if (word.empty()) return;
    const std::vector<std::string> names = aiconvert::NearestUnits(word);
    std::string text = "aiconvert: no unit \"" + word + "\"";
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += i == 0 ? "; did you mean " : (i + 1 == names.size() ? " or " : ", ");
        text += names[i];
    }
    std::fprintf(stderr, "%s%s\n", text.c_str(), names.empty() ? "" : "?");
}

enum class Outcome { kConverted, kError, kWriteFailed };

Outcome Answer(const std::string& query) {
    const std::string answer = FromWide(AIConverter(ToWide(query).c_str()));
    if (!Print(answer + "\n")) return Outcome::kWriteFailed;
    if (answer == std::string("ERROR: ") + aiconv::kErrorBadUnits) HintUnits(query);
    return answer.compare(0, 7, "ERROR: ") == 0 ? Outcome::kError : Outcome::kConverted;
}

std::string UnitList() {
    std::string text;
    for (int category = aiconv::CategoryLength; category <= aiconv::CategoryData; ++category) {
        text += aiconv::CategoryName(category);
        text += ':';
        for (const aiconv::UnitDef* row = aiconv::UnitTable; row->name != nullptr; ++row) {
            if (row->category == category) text += std::string(" ") + row->name;
        }
        text += '\n';
    }
    return text;
}

bool IsTerminal(std::FILE* stream) {
#if defined(_WIN32)
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) != 0;
#endif
}

int ConvertInput() {
    // Whatever the library can use: its byte limit in the code page, each
    // byte at most one character of the terminal's encoding.
    const std::size_t keep = static_cast<std::size_t>(AICONVERTER_QUERY_LIMIT) * MB_CUR_MAX;
    const bool prompt = IsTerminal(stdin);
    bool allConverted = true;
    std::string line;
    for (;;) {
        if (prompt) std::fputs("> ", stderr);
        if (!ReadLine(stdin, keep, &line)) break;
        const Outcome outcome = Answer(line);
        if (outcome == Outcome::kWriteFailed) return Failure("write standard output");
        allConverted = allConverted && outcome == Outcome::kConverted;
    }
    if (std::ferror(stdin)) return Failure("read standard input");
    if (prompt) std::fputs("\n", stderr);
    return allConverted ? kAllConverted : kSomeError;
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
#if defined(_WIN32)
    // Binary streams: CR LF still ends a line, but a 0x1A byte is data, not
    // the end of input, and answers end in a plain line feed.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif

    if (argc >= 2 && std::strncmp(argv[1], "--", 2) == 0) {
        const std::string option = argv[1];
        std::string text;
        if (argc == 2 && option == "--help") {
            text = kUsage;
        } else if (argc == 2 && option == "--version") {
            text = std::string("aiconvert ") + AICONVERTER_VERSION + "\n";
        } else if (argc == 2 && option == "--list-units") {
            text = UnitList();
        } else {
            std::fprintf(stderr, "aiconvert: unknown option %s\n%s", argv[1], kUsage);
            return kFailure;
        }
        return Print(text) ? kAllConverted : Failure("write standard output");
    }

    if (argc > 1) {
        std::string query = argv[1];
        for (int i = 2; i < argc; ++i) query.append(" ").append(argv[i]);
        switch (Answer(query)) {
        case Outcome::kConverted: return kAllConverted;
        case Outcome::kError: return kSomeError;
        case Outcome::kWriteFailed: return Failure("write standard output");
        }
    }
    return ConvertInput();
}
