// Conversion between wide text and the system's default 8-bit code page.
// On Windows that is the ANSI code page through the system's own calls; other
// systems have none, so Windows-1252 stands in for it.
#pragma once

#include <cstddef>

namespace aiconv {

// Converts the wide NUL-terminated text into the code page. Writes at most
// size - 1 bytes and a NUL: text whose 8-bit form is longer is cut there.
// Characters the code page cannot hold become '?', never a look-alike. A
// conversion that fails as a whole leaves the empty string. size must be at least 1 and at most
// AICONVERTER_QUERY_LIMIT + 1. Returns the bytes written before the NUL.
std::size_t WideToCodePage(const wchar_t* text, char* out, std::size_t size) noexcept;

// Converts an answer of the engine, `length` bytes (text[length] is its
// NUL), to wide text, writing at most size wide characters including the
// NUL (size >= 1). Answers are ASCII, which every code page holds as is:
// Windows still converts them with its own call; elsewhere each byte is
// widened unchanged.
void AnswerToWide(const char* text, std::size_t length, wchar_t* out, std::size_t size) noexcept;

}  // namespace aiconv
