// Reading queries from a person at a terminal: with line editing, history
// (kept across runs) and unit-name completion where the tool is built with
// libedit, else plain lines behind a prompt.
#pragma once

#include <cstddef>
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
// error so that standard output holds answers alone. A line is kept to its
// first `keep` bytes, in the history too. The bytes typed reach the line as
// they are; one that is not text in the terminal's encoding becomes '?', as
// from a pipe. SIGHUP and SIGTERM end the prompt as the end of input does.
// Close saves the history.
PromptState* OpenPrompt(std::size_t keep);
PromptResult ReadPrompt(PromptState* prompt, std::string* line);
void ClosePrompt(PromptState* prompt);

// The signal (SIGHUP, SIGTERM) that ended the prompt, or 0. The caller
// ends by it once the history is saved.
int PromptEndSignal();

// "libedit" when lines are edited, else "plain".
const char* PromptKind();

}  // namespace aiconvert
