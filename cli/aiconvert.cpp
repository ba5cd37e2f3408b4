// aiconvert: the command-line host. It converts through the library the way
// any host does, between the terminal's encoding and wide text; for what it
// tells the person about a query's unit words (hints, case notes, Tab) it
// also asks the engine's parser how it read them.
//
//   aiconvert 10 km to mi        one query from the arguments
//   aiconvert < queries.txt      one answer for each line of input
//   aiconvert                    at a terminal: a prompt, with line editing
#include <aiconverter.h>
#include <aiconverter_version.h>

#include <cerrno>
#include <clocale>
#include <csignal>
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
#  include <sys/ioctl.h>
#  include <unistd.h>
#endif

#include "engine/parse.h"
#include "query_words.h"
#include "line_reader.h"
#include "terminal_text.h"
#include "prompt.h"
#include "unit_list.h"

namespace {

constexpr char kUsage[] =
    "usage: aiconvert [--] [QUERY...]\n"
    "       aiconvert --list-units [CATEGORY|TEXT]\n"
    "       aiconvert -h | --help | -V | --version\n"
    "\n"
    "Converts QUERY, such as \"10 km to mi\", and prints one answer line.\n"
    "Without a query, converts each line of standard input; at a terminal,\n"
    "lines can be edited, recalled (Up) and completed (Tab), and \"help\",\n"
    "\"quit\" or Ctrl-D are understood. A negative number is a query\n"
    "(aiconvert -40 c to f); -- ends the options.\n"
    "--list-units lists the units with what each is, all of them or one\n"
    "category (length, mass, ...) or those whose name holds TEXT.\n"
    "Exit status: 0 all converted, 1 some answer was an error,\n"
    "2 usage error, or reading standard input or writing standard output failed\n"
    "(a closed pipe included).\n";

// What "help" prints at the prompt.
constexpr char kPromptHelp[] =
    "A query is a number, a unit, an optional arrow (\"to\" or \"->\") and a unit:\n"
    "  10 km to mi    72 fahrenheit -> c    2 cubic meter l\n"
    "Units ignore A-Z case; aiconvert --list-units shows them all.\n"
    "Keys: Up/Down recall earlier queries, Tab completes a unit name,\n"
    "Ctrl-C abandons the line, Ctrl-D or \"quit\" ends.\n";

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

// For the person at the terminal: what went wrong with the unit word.
// Standard output stays the library's answer alone.
void HintUnits(const std::string& query) {
    const std::string hint = aiconvert::UnitHint(query);
    if (!hint.empty()) std::fprintf(stderr, "aiconvert: %s\n", hint.c_str());
}

// For the person: a note on standard error for each unit word whose case as
// typed means another unit than the one read ("mW" is read as megawatt).
void NoteCase(const std::string& query) {
    for (const std::string& note : aiconvert::CaseNotes(query)) {
        std::fprintf(stderr, "aiconvert: note: %s\n", note.c_str());
    }
}

enum class Outcome { kConverted, kError, kWriteFailed };

Outcome Answer(const std::string& query) {
    const std::string answer = FromWide(AIConverter(ToWide(query).c_str()));
    if (!Print(answer + "\n")) return Outcome::kWriteFailed;
    if (answer.compare(0, 7, "ERROR: ") != 0) {
        NoteCase(query);
        return Outcome::kConverted;
    }
    if (answer == std::string("ERROR: ") + aiconv::kErrorBadUnits) HintUnits(query);
    return Outcome::kError;
}

bool IsTerminal(std::FILE* stream) {
#if defined(_WIN32)
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) != 0;
#endif
}

// The columns of the terminal on standard output; 0 when it is none.
int TerminalWidth() {
#if defined(_WIN32)
    return 0;
#else
    if (!IsTerminal(stdout)) return 0;
    winsize size{};
    if (ioctl(fileno(stdout), TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return 80;
#endif
}

// Whatever the library can use: its byte limit in the code page, each byte
// at most one character of the terminal's encoding.
std::size_t LineKeep() { return static_cast<std::size_t>(AICONVERTER_QUERY_LIMIT) * MB_CUR_MAX; }

// Lines from a pipe or a file: one answer a line, nothing else.
int ConvertLines() {
    bool allConverted = true;
    std::string line;
    while (aiconvert::ReadPlainLine(stdin, LineKeep(), &line)) {
        const Outcome outcome = Answer(line);
        if (outcome == Outcome::kWriteFailed) return Failure("write standard output");
        allConverted = allConverted && outcome == Outcome::kConverted;
    }
    if (std::ferror(stdin)) return Failure("read standard input");
    return allConverted ? kAllConverted : kSomeError;
}

std::string Trimmed(const std::string& line) {
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

// A person at the prompt: empty lines, "help", "quit" and Ctrl-C mean what
// they say there (none of them is a query that converts).
int ConvertAtPrompt() {
    aiconvert::PromptState* prompt = aiconvert::OpenPrompt(LineKeep());
    bool allConverted = true;
    bool interruptedBefore = false;
    int status = -1;
    std::string line;
    while (status < 0) {
        const aiconvert::PromptResult result = aiconvert::ReadPrompt(prompt, &line);
        if (result == aiconvert::PromptResult::kInterrupted) {
            // Ctrl-C abandons the line; a second one in a row, on an empty
            // line, ends.
            if (interruptedBefore && line.empty()) break;
            if (line.empty()) std::fputs("(Ctrl-C again, Ctrl-D or \"quit\" ends)\n", stderr);
            interruptedBefore = true;
            continue;
        }
        interruptedBefore = false;
        if (result == aiconvert::PromptResult::kEnd) break;
        if (result == aiconvert::PromptResult::kFailed) {
            status = Failure("read standard input");
            break;
        }
        const std::string word = Trimmed(line);
        if (word.empty()) continue;
        if (word == "quit" || word == "exit") break;
        if (word == "help" || word == "?") {
            std::fputs(kPromptHelp, stderr);
            continue;
        }
        const Outcome outcome = Answer(line);
        if (outcome == Outcome::kWriteFailed) status = Failure("write standard output");
        allConverted = allConverted && outcome == Outcome::kConverted;
    }
    aiconvert::ClosePrompt(prompt);
    if (const int signal = aiconvert::PromptEndSignal(); signal != 0) {
        // The history is saved: now end as the signal asked.
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
    if (status >= 0) return status;
    std::fputs("\n", stderr);
    return allConverted ? kAllConverted : kSomeError;
}

// An option: "--" and a name, or '-' and a letter; "-40" is a number.
bool IsOption(const char* arg) {
    return arg[0] == '-' && ((arg[1] >= 'a' && arg[1] <= 'z') || (arg[1] >= 'A' && arg[1] <= 'Z') || arg[1] == '-');
}

int Usage(const char* problem, const char* arg) {
    std::fprintf(stderr, "aiconvert: %s %s\n%s", problem, aiconvert::Printable(arg).c_str(), kUsage);
    return kFailure;
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

#if !defined(_WIN32)
    // A closed pipe is a failed write, reported and exiting 2 like any
    // other, whether or not the parent left SIGPIPE ignored.
    std::signal(SIGPIPE, SIG_IGN);
#endif

    int first = 1;
    if (argc >= 2 && IsOption(argv[1])) {
        const std::string option = argv[1];
        std::string text;
        if (option == "--") {
            first = 2;
        } else if (argc == 2 && (option == "--help" || option == "-h")) {
            text = kUsage;
        } else if (argc == 2 && (option == "--version" || option == "-V")) {
            text = std::string("aiconvert ") + AICONVERTER_VERSION + " (line editing: " + aiconvert::PromptKind() +
                   ")\n";
        } else if (option == "--list-units" && argc <= 3) {
            text = aiconvert::UnitList(argc == 3 ? argv[2] : "", TerminalWidth());
            if (text.empty()) {
                std::fprintf(stderr, "aiconvert: no category or unit name holds \"%s\"\n",
                             aiconvert::Printable(argv[2]).c_str());
                return kSomeError;
            }
        } else if (option == "--help" || option == "-h" || option == "--version" || option == "-V" ||
                   option == "--list-units") {
            return Usage("too many arguments for", argv[1]);
        } else {
            return Usage("unknown option", argv[1]);
        }
        if (first == 1) return Print(text) ? kAllConverted : Failure("write standard output");
    }

    if (argc > first) {
        std::string query = argv[first];
        for (int i = first + 1; i < argc; ++i) query.append(" ").append(argv[i]);
        switch (Answer(query)) {
        case Outcome::kConverted: return kAllConverted;
        case Outcome::kError: return kSomeError;
        case Outcome::kWriteFailed: return Failure("write standard output");
        }
    }
    return IsTerminal(stdin) ? ConvertAtPrompt() : ConvertLines();
}
