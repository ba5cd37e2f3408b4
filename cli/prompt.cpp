#include "prompt.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/units.h"

#if defined(AICONV_HAVE_LIBEDIT)
#  include <histedit.h>
#  include <sys/stat.h>
#endif

namespace aiconvert {

#if defined(AICONV_HAVE_LIBEDIT)

namespace {

constexpr char kPromptText[] = "> ";
constexpr int kHistorySize = 1000;

const char* PromptText(EditLine*) { return kPromptText; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool StartsWithIgnoringCase(const char* name, const std::string& prefix) {
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = prefix[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (name[i] != c) return false;
    }
    return true;
}

// What Tab may add at the cursor: for each unit name that the word before
// the cursor begins (or, for a two-word name, the two words before it), the
// rest of that name.
std::vector<std::string> Completions(const std::string& before) {
    std::size_t start = before.size();
    while (start > 0 && !IsBlank(before[start - 1])) --start;
    const std::string word = before.substr(start);
    std::size_t previousEnd = start;
    while (previousEnd > 0 && IsBlank(before[previousEnd - 1])) --previousEnd;
    std::size_t previousStart = previousEnd;
    while (previousStart > 0 && !IsBlank(before[previousStart - 1])) --previousStart;
    const std::string twoWords = before.substr(previousStart, previousEnd - previousStart) + " " + word;

    // The two words before the cursor beginning a two-word name ("fl o")
    // mean that name; else any name the word begins.
    std::vector<std::string> rests;
    if (previousStart < previousEnd) {
        for (const aiconv::UnitDef* row = aiconv::UnitTable; row->name != nullptr; ++row) {
            if (std::strlen(row->name) >= twoWords.size() && StartsWithIgnoringCase(row->name, twoWords)) {
                rests.emplace_back(row->name + twoWords.size());
            }
        }
    }
    if (!rests.empty() || word.empty()) return rests;
    for (const aiconv::UnitDef* row = aiconv::UnitTable; row->name != nullptr; ++row) {
        if (std::strlen(row->name) >= word.size() && StartsWithIgnoringCase(row->name, word)) {
            rests.emplace_back(row->name + word.size());
        }
    }
    return rests;
}

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
    const std::string word = before.substr(before.find_last_of(" \t") == std::string::npos
                                               ? 0
                                               : before.find_last_of(" \t") + 1);
    std::string list = "\n";
    for (const std::string& rest : rests) list += "  " + word + rest;
    std::fprintf(stderr, "%s\n", list.c_str());
    return CC_REDISPLAY;
}

// Ctrl-C abandons the line: the terminal sends it as a key, not a signal.
unsigned char Interrupt(EditLine* el, int) {
    bool* interrupted = nullptr;
    el_get(el, EL_CLIENTDATA, &interrupted);
    *interrupted = true;
    return CC_NEWLINE;
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
    bool interrupted = false;
};

PromptState* OpenPrompt(std::size_t) {
    auto* prompt = new PromptState;
    prompt->history = history_init();
    history(prompt->history, &prompt->event, H_SETSIZE, kHistorySize);
    history(prompt->history, &prompt->event, H_SETUNIQUE, 1);
    prompt->historyFile = HistoryFile();
    if (!prompt->historyFile.empty()) history(prompt->history, &prompt->event, H_LOAD, prompt->historyFile.c_str());

    EditLine* el = el_init("aiconvert", stdin, stderr, stderr);
    prompt->el = el;
    el_set(el, EL_CLIENTDATA, &prompt->interrupted);
    el_set(el, EL_EDITOR, "emacs");
    el_set(el, EL_PROMPT, PromptText);
    el_set(el, EL_HIST, history, prompt->history);
    el_set(el, EL_SIGNAL, 1);  // a resized or suspended terminal is handled
    // Ctrl-C reaches the editor as a key, which abandons the line.
    el_set(el, EL_SETTY, "-d", "-isig", nullptr);
    el_set(el, EL_ADDFN, "aiconvert-interrupt", "abandon the line", Interrupt);
    el_set(el, EL_BIND, "^C", "aiconvert-interrupt", nullptr);
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
    prompt->interrupted = false;
    int count = 0;
    const char* text = el_gets(prompt->el, &count);
    line->clear();
    if (text != nullptr && count > 0) line->assign(text, static_cast<std::size_t>(count));
    while (!line->empty() && (line->back() == '\n' || line->back() == '\r')) line->pop_back();
    if (prompt->interrupted) {
        std::fputs("^C\n", stderr);  // the abandoned line stays on the screen, as typed
        return PromptResult::kInterrupted;
    }
    if (text == nullptr || count <= 0) return count < 0 ? PromptResult::kFailed : PromptResult::kEnd;
    if (!line->empty()) history(prompt->history, &prompt->event, H_ENTER, line->c_str());
    return PromptResult::kLine;
}

void ClosePrompt(PromptState* prompt) {
    // Never fatal: a history that cannot be written is only not kept.
    if (!prompt->historyFile.empty()) history(prompt->history, &prompt->event, H_SAVE, prompt->historyFile.c_str());
    el_end(prompt->el);
    history_end(prompt->history);
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

bool ReadPlainLine(std::FILE* in, std::size_t keep, std::string* line) {
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

}  // namespace aiconvert
