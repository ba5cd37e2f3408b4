// Numbers to and from text, independent of the process locale: the results
// are those of a correctly rounded strtod and of "%.6f" / "%.10g" under the
// "C" locale, bit for bit and byte for byte. Nothing here throws, allocates
// or calls the C library's number routines.
#pragma once

#include <cstddef>

namespace aiconv {

// Size of a number text buffer, and the longest text FormatNumber writes.
inline constexpr std::size_t kNumberTextSize = 64;
inline constexpr std::size_t kNumberTextMaxLength = 17;

// Reads a decimal number at the start of [first, last): leading white space,
// an optional sign, digits with an optional point and exponent. Plain
// decimal notation only: no "inf" or "nan" words, no hexadecimal. Any
// number of digits is read exactly, rounded to nearest, ties to even; a
// magnitude too large for a double reads as infinity, one too small as
// zero. Returns the bytes consumed, or 0 when nothing was converted (then
// *value is left alone).
std::size_t ScanNumber(const char* first, const char* last, double* value) noexcept;

// Writes x as the answer shows it, NUL-terminated, into a buffer of
// kNumberTextSize bytes: "%.6f" with trailing zeros and point trimmed when
// 0.001 <= |x| < 1000000 or x is zero, "%.10g" otherwise (also inf and nan).
// The text never exceeds kNumberTextMaxLength characters. Returns its length.
std::size_t FormatNumber(double x, char* buffer) noexcept;

// The same two, the "%.10g" form and the reading by big integers alone,
// without the fast roads that decide nearly every number: the reference
// the fast roads are tested against. Slow; not for answers.
std::size_t ScanNumberExactly(const char* first, const char* last, double* value) noexcept;
std::size_t FormatNumberExactly(double x, char* buffer) noexcept;

}  // namespace aiconv
