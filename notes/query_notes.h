// How the engine read a query, told to the person who typed it: the notes
// aiconvert writes on standard error and the page shows under the answer
// come from here alone. Bytes in, bytes out, no heap and no C++ runtime, so
// that the WebAssembly page links it as the terminal tool does.
#pragma once

#include <cstddef>

#include "engine/parse.h"
#include "engine/units.h"

namespace aiconv {

// One note's buffer, NUL included: room for the longest note with four
// words shown at a terminal's forty escaped characters each; a longer note
// is cut, never written past.
inline constexpr std::size_t kNoteSize = 1280;

// Writes the person's word [begin, end) of `query` into [out, out + room)
// as the host shows it and returns the bytes written (at most room): a
// terminal escapes control characters, the page marks where the word is.
using ShowWord = std::size_t (*)(const char* query, const char* begin, const char* end, char* out,
                                 std::size_t room);

struct QueryReading {
    const UnitDef* source;  // the rows the unit words were read as, when the query converts; else null
    const UnitDef* target;
    // The unit words as typed, where the parse reached them (see ParseQuery):
    // for a host that puts a unit in the query or swaps the two.
    QueryWord sourceWord;
    QueryWord targetWord;
    // When the query fails on a unit: the word that named none and how it
    // was read (a target word that begins with "to" is the arrow and the
    // rest; a number is read to its 63rd byte), else the nearest names.
    char hint[kNoteSize];
    // When it converts: where the case typed means another unit than the
    // row read ("mW" is megawatt, "MB" megabit). targetNote is "" also when
    // it would say what sourceNote says.
    char sourceNote[kNoteSize];
    char targetNote[kNoteSize];
};

// Reads the NUL-terminated query as the engine does and fills *reading.
void ReadQuery(const char* query, ShowWord show, QueryReading* reading) noexcept;

// Up to three rows whose names are within a small edit distance of the
// word, compared without regard to A-Z case, nearest first (table order
// among equals); none for a word far longer than any name. Returns how many.
std::size_t NearestUnits(const char* word, std::size_t length, const UnitDef* nearest[3]) noexcept;

}  // namespace aiconv
