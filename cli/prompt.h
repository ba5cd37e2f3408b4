// Reading queries from a person at a terminal: with line editing, history
// (kept across runs) and unit-name completion where the tool is built with
// libedit, else plain lines behind a prompt.
#pragma once

#include <cstdio>
#include <string>

namespace aiconvert {

enum class PromptResult {
    kLine,         // *line holds what was typed
    kInterrupted,  // Ctrl-C: the line, in *line, was abandoned
    kEnd,          // Ctrl-D or the end of input
    kFailed,       // reading failed (errno tells why)
};

struct PromptState;

// Opens the prompt on standard input, echoing and prompting on standard
// error so that standard output holds answers alone. `keep` bounds a
// plain line's length. Close saves the history.
PromptState* OpenPrompt(std::size_t keep);
PromptResult ReadPrompt(PromptState* prompt, std::string* line);
void ClosePrompt(PromptState* prompt);

// Reads one line without its end (a line feed, or CR LF). Keeps its first
// `keep` bytes and drops the rest unstored, so a line of any length takes
// bounded memory. False at the end of input, or when reading failed
// (std::ferror tells which).
bool ReadPlainLine(std::FILE* in, std::size_t keep, std::string* line);

// "libedit" when lines are edited, else "plain".
const char* PromptKind();

}  // namespace aiconvert
