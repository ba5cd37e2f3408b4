// The engine's one operation: a query line in, an answer line out.
// Nothing here throws or allocates.
#pragma once

#include <cstddef>

namespace aiconv {

// Parses and converts a NUL-terminated 8-bit query (null is answered too) and
// returns the answer line: "<number> <unit> -> <number> <unit>", or a line
// that begins with "ERROR: ", in ASCII only. The text lives in one module-level buffer that
// the next call overwrites; calls must not overlap. Never returns null.
const char* ConvertQuery(const char* query) noexcept;

// Size of the buffer that holds the answer; no answer is longer than 70.
inline constexpr std::size_t kResultTextSize = 256;

// The same for a query whose length is known (query[length] is its first
// NUL); *answerLength receives the answer's length. Saves measuring both.
const char* ConvertQuery(const char* query, std::size_t length, std::size_t* answerLength) noexcept;

// Converts between the temperature names "c"/"celsius"/"centigrade",
// "f"/"fahrenheit" and "k"/"kelvin". Returns 1 and sets *result, or 0 when
// either name is none of these.
int ConvertTemperature(double value, const char* fromName, const char* toName,
                       double* result) noexcept;

}  // namespace aiconv
