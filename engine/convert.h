// The engine's one operation: a query line in, an answer line out.
// Nothing here throws or allocates.
#pragma once

#include <cstddef>

namespace aiconv {

// Size of the buffer that receives an answer: the answer and room for the
// engine's work in place. The answer itself is never longer than
// kLongestAnswer characters (checked where answers are made).
inline constexpr std::size_t kResultTextSize = 256;
inline constexpr std::size_t kLongestAnswer = 63;

// Parses and converts the 8-bit query in [query, query + length) (no NUL is
// needed after it; a NUL inside ends it; null is answered too) and writes
// the answer line with its NUL into `answer`, kResultTextSize bytes:
// "<number> <unit> -> <number> <unit>", or a line that begins with
// "ERROR: ", in ASCII only. Returns the answer's length. Keeps no state:
// calls may overlap, from any number of threads and interrupts.
std::size_t ConvertQuery(const char* query, std::size_t length, char* answer) noexcept;

// The same for a query that is a C string of that length (query[length] is
// its NUL; null is answered too): the same answer, a little sooner, as the
// words are read up to the NUL without a test of the end at each byte.
std::size_t ConvertCString(const char* query, std::size_t length, char* answer) noexcept;

// Converts between the temperature names "c"/"celsius"/"centigrade",
// "f"/"fahrenheit" and "k"/"kelvin". Returns 1 and sets *result, or 0 when
// either name is none of these.
int ConvertTemperature(double value, const char* fromName, const char* toName,
                       double* result) noexcept;

}  // namespace aiconv
