#include "prompt.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "completions.h"
#include "line_reader.h"

#if defined(AICONV_HAVE_LIBEDIT)
#  include <histedit.h>
#  include <sys/stat.h>
#  include <unistd.h>

#  include "history.h"
#endif

namespace aiconvert {

namespace {

// Set by SIGHUP or SIGTERM while the prompt is open.
volatile std::sig_atomic_t EndSignal = 0;

}  // namespace

int PromptEndSignal() { return EndSignal; }

#if defined(AICONV_HAVE_LIBEDIT)

namespace {

constexpr char kPromptText[] = "> ";

const char* PromptText(EditLine*) { return kPromptText; }

void OnEndSignal(int signal) { EndSignal = signal; }

unsigned char Complete(EditLine* el, int) {
    const LineInfo* info = el_line(el);
    const std::string before(info->buffer, info->cursor);
    const std::vector<std::string> rests = Completions(before);
    if (rests.empty()) return CC_REFRESH_BEEP;
    std::string common = rests[0];
    for (const std::string& rest : rests) {
        std::size_t n = 0;
        while (n < common.size() && n < rest.size() && common[n] == rest[n]) ++n;
        common.resize(n);
    }
    if (rests.size() == 1) common += ' ';
    if (!common.empty()) {
        el_insertstr(el, common.c_str());
        return CC_REFRESH;
    }
    // Nothing in common to add: show the names that would fit.
    const std::size_t blank = before.find_last_of(" \t");
    const std::string word = before.substr(blank == std::string::npos ? 0 : blank + 1);
    std::string list = "\n";
    for (const std::string& rest : rests) list += "  " + word + rest;
    std::fprintf(stderr, "%s\n", list.c_str());
    return CC_REDISPLAY;
}

struct PromptData {
    bool interrupted = false;
    std::size_t keep = 0;
    // Decoding the terminal's bytes: those of a character begun, and those
    // to read again after a sequence that turned out to be no character.
    unsigned char begun[8];
    std::size_t begunCount = 0;
    unsigned char again[8];
    std::size_t againCount = 0;
};

// Ctrl-C abandons the line: it reaches the editor as a key, not a signal.
unsigned char Interrupt(EditLine* el, int) {
    PromptData* data = nullptr;
    el_get(el, EL_CLIENTDATA, &data);
    data->interrupted = true;
    return CC_NEWLINE;
}

// Reads the terminal's bytes for the editor, one character at a time. A
// byte that is not text in the locale's encoding becomes '?', as aiconvert
// makes of it in a pipe: the editor's own reader would drop it silently and
// convert another query than the one typed. Past `keep` characters a line
// takes no more text (ReadPrompt then keeps its first `keep` bytes).
// Returns 0, as at the end of input, once SIGHUP or SIGTERM has come.
int ReadKey(EditLine* el, wchar_t* key) {
    PromptData* data = nullptr;
    el_get(el, EL_CLIENTDATA, &data);
    for (;;) {
        unsigned char byte = 0;
        if (data->againCount > 0) {
            byte = data->again[0];
            std::memmove(data->again, data->again + 1, --data->againCount);
        } else {
            if (EndSignal != 0) return 0;
            const ssize_t n = read(STDIN_FILENO, &byte, 1);
            if (n == 0) return 0;
            if (n < 0) {
                if (errno == EINTR) continue;
                return -1;
            }
        }
        // As a pipe's line is read: the bytes of a character decode to it;
        // where they make none, the first becomes '?' and the rest are read
        // again.
        data->begun[data->begunCount++] = byte;
        wchar_t wide = 0;
        std::mbstate_t state{};
        const std::size_t n =
            std::mbrtowc(&wide, reinterpret_cast<const char*>(data->begun), data->begunCount, &state);
        if (n == static_cast<std::size_t>(-2) && data->begunCount < sizeof data->begun) continue;
        if (n == static_cast<std::size_t>(-1) || n == static_cast<std::size_t>(-2)) {
            const std::size_t rest = data->begunCount - 1;
            std::memmove(data->again + rest, data->again, data->againCount);
            std::memcpy(data->again, data->begun + 1, rest);
            data->againCount += rest;
            wide = L'?';
        }
        data->begunCount = 0;
        // The wide line, as the editor keeps it: no conversion per key.
        const LineInfoW* line = el_wline(el);
        const bool text = wide >= 0x20 && wide != 0x7f;
        if (text && static_cast<std::size_t>(line->lastchar - line->buffer) >= data->keep) continue;
        *key = wide;
        return 1;
    }
}

// The terminal's signal keys are off while a line is edited, so that Ctrl-C
// is a key; Ctrl-Z and Ctrl-\ still do what the terminal would: suspend
// (fg then shows the line again, as it was) and quit.
unsigned char Suspend(EditLine* el, int) {
    el_set(el, EL_PREP_TERM, 0);
    std::raise(SIGTSTP);
    el_set(el, EL_PREP_TERM, 1);
    return CC_REDISPLAY;
}

unsigned char Quit(EditLine* el, int) {
    el_set(el, EL_PREP_TERM, 0);
    std::raise(SIGQUIT);
    el_set(el, EL_PREP_TERM, 1);  // where SIGQUIT is ignored
    return CC_REFRESH;
}

// $XDG_STATE_HOME/aiconvert/history, else ~/.local/state/aiconvert/history;
// its folders made as needed. Empty when there is nowhere to keep it.
std::string HistoryFile() {
    std::string state;
    if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg != nullptr && xdg[0] == '/') {
        state = xdg;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        state = std::string(home) + "/.local/state";
    } else {
        return "";
    }
    const std::string dir = state + "/aiconvert";
    for (std::size_t slash = dir.find('/', 1);; slash = dir.find('/', slash + 1)) {
        const std::string part = dir.substr(0, slash);  // the whole path last
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return "";
        if (slash == std::string::npos) break;
    }
    return dir + "/history";
}

}  // namespace

struct PromptState {
    EditLine* el = nullptr;
    History* history = nullptr;
    HistEvent event{};
    std::string historyFile;
    std::vector<std::string> added;  // this session's lines, saved on close
    PromptData data;
    struct sigaction hangUp {};
    struct sigaction terminate {};
};

PromptState* OpenPrompt(std::size_t keep) {
    auto* prompt = new PromptState;
    prompt->data.keep = keep;
    prompt->history = history_init();
    history(prompt->history, &prompt->event, H_SETSIZE, static_cast<int>(kHistoryEntries));
    history(prompt->history, &prompt->event, H_SETUNIQUE, 1);
    prompt->historyFile = HistoryFile();
    if (!prompt->historyFile.empty()) {
        for (const std::string& entry : LoadHistory(prompt->historyFile, keep)) {
            history(prompt->history, &prompt->event, H_ENTER, entry.c_str());
        }
    }

    // Closing the terminal or being asked to end: save the history first.
    // No SA_RESTART, so that a read in progress returns.
    struct sigaction end {};
    end.sa_handler = OnEndSignal;
    sigemptyset(&end.sa_mask);
    sigaction(SIGHUP, &end, &prompt->hangUp);
    sigaction(SIGTERM, &end, &prompt->terminate);

    EditLine* el = el_init("aiconvert", stdin, stderr, stderr);
    prompt->el = el;
    el_set(el, EL_CLIENTDATA, &prompt->data);
    el_set(el, EL_GETCFN, ReadKey);
    el_set(el, EL_EDITOR, "emacs");
    el_set(el, EL_PROMPT, PromptText);
    el_set(el, EL_HIST, history, prompt->history);
    el_set(el, EL_SIGNAL, 1);  // the terminal restored around a signal, a resize followed
    // Ctrl-C reaches the editor as a key, which abandons the line; the
    // other signal keys are keys too, and do what the terminal would.
    el_set(el, EL_SETTY, "-d", "-isig", nullptr);
    el_set(el, EL_ADDFN, "aiconvert-interrupt", "abandon the line", Interrupt);
    el_set(el, EL_BIND, "^C", "aiconvert-interrupt", nullptr);
    el_set(el, EL_ADDFN, "aiconvert-suspend", "suspend, as the terminal would", Suspend);
    el_set(el, EL_BIND, "^Z", "aiconvert-suspend", nullptr);
    el_set(el, EL_ADDFN, "aiconvert-quit", "quit, as the terminal would", Quit);
    el_set(el, EL_BIND, "^\\", "aiconvert-quit", nullptr);
    el_set(el, EL_ADDFN, "aiconvert-complete", "complete a unit name", Complete);
    el_set(el, EL_BIND, "^I", "aiconvert-complete", nullptr);
    // The keys people expect from other line editors.
    el_set(el, EL_BIND, "^W", "ed-delete-prev-word", nullptr);
    el_set(el, EL_BIND, "^U", "vi-kill-line-prev", nullptr);
    for (const char* home : {"\033[H", "\033[1~", "\033OH"}) el_set(el, EL_BIND, home, "ed-move-to-beg", nullptr);
    for (const char* end : {"\033[F", "\033[4~", "\033OF"}) el_set(el, EL_BIND, end, "ed-move-to-end", nullptr);
    el_source(el, nullptr);  // the person's own ~/.editrc, if any
    return prompt;
}

PromptResult ReadPrompt(PromptState* prompt, std::string* line) {
    prompt->data.interrupted = false;
    int count = 0;
    const char* text = el_gets(prompt->el, &count);
    line->clear();
    if (EndSignal != 0) return PromptResult::kEnd;  // a line cut short is not a query
    if (text != nullptr && count > 0) line->assign(text, static_cast<std::size_t>(count));
    while (!line->empty() && (line->back() == '\n' || line->back() == '\r')) line->pop_back();
    if (line->size() > prompt->data.keep) line->resize(prompt->data.keep);
    if (prompt->data.interrupted) {
        std::fputs("^C\n", stderr);  // the abandoned line stays on the screen, as typed
        return PromptResult::kInterrupted;
    }
    if (text == nullptr || count <= 0) return count < 0 ? PromptResult::kFailed : PromptResult::kEnd;
    if (!line->empty()) {
        history(prompt->history, &prompt->event, H_ENTER, line->c_str());
        prompt->added.push_back(*line);
    }
    return PromptResult::kLine;
}

void ClosePrompt(PromptState* prompt) {
    el_end(prompt->el);
    history_end(prompt->history);
    // Never fatal: a history that cannot be written is only not kept.
    if (!prompt->historyFile.empty() && !prompt->added.empty() &&
        !SaveHistory(prompt->historyFile, prompt->added, prompt->data.keep)) {
        std::fprintf(stderr, "aiconvert: history not saved in %s: %s\n", prompt->historyFile.c_str(),
                     std::strerror(errno));
    }
    sigaction(SIGHUP, &prompt->hangUp, nullptr);
    sigaction(SIGTERM, &prompt->terminate, nullptr);
    delete prompt;
}

const char* PromptKind() { return "libedit"; }

#else  // no libedit: plain lines behind a prompt

struct PromptState {
    std::size_t keep;
};

PromptState* OpenPrompt(std::size_t keep) { return new PromptState{keep}; }

PromptResult ReadPrompt(PromptState* prompt, std::string* line) {
    std::fputs("> ", stderr);
    if (ReadPlainLine(stdin, prompt->keep, line)) return PromptResult::kLine;
    return std::ferror(stdin) ? PromptResult::kFailed : PromptResult::kEnd;
}

void ClosePrompt(PromptState* prompt) { delete prompt; }

const char* PromptKind() { return "plain"; }

#endif

}  // namespace aiconvert
