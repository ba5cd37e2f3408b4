// The unit vocabulary: one constant table of names, categories and factors,
// and the lookup that turns a word of a query into a row of it.
// Nothing here throws or allocates.
#pragma once

#include <cstddef>
#include <cstdint>

#include "compiler.h"

namespace aiconv {

// A 32-bit category code; values outside 1..12 are "unknown".
enum UnitCategory : std::int32_t {
    CategoryLength = 1,
    CategoryMass = 2,
    CategoryVolume = 3,
    CategoryArea = 4,
    CategorySpeed = 5,
    CategoryTemperature = 6,
    CategoryPressure = 7,
    CategoryEnergy = 8,
    CategoryPower = 9,
    CategoryTime = 10,
    CategoryAngle = 11,
    CategoryData = 12,
};

struct UnitDef {
    const char* name;       // lower case, NUL-terminated; null only in the end row
    UnitCategory category;
    double factor;          // size of one unit in the category's base unit
};

// Rows in lookup order, then one end row whose name is null.
inline constexpr std::size_t kUnitCount = 130;
extern const UnitDef UnitTable[kUnitCount + 1];

// A lookup key holds at most kUnitKeySize - 1 bytes and a NUL.
inline constexpr std::size_t kUnitKeySize = 32;

// The length of the longest name in the table (checked against the table
// where it is defined).
inline constexpr std::size_t kLongestUnitName = 11;

// The length of a word as the lookup reads it: one trailing '.' dropped
// ("kg." finds "kg"; "kg.." does not).
constexpr std::size_t WithoutTrailingPoint(const char* word, std::size_t length) noexcept {
    return length > 0 && word[length - 1] == '.' ? length - 1 : length;
}

// Finds the row for a word of `length` bytes (not necessarily NUL-terminated):
// the word is cut to kUnitKeySize - 1 bytes, A-Z lower-cased and one trailing '.' dropped,
// then matched exactly. Returns null when no row matches.
const UnitDef* FindUnit(const char* text, std::size_t length) noexcept;

// Whether a word of `length` bytes, compared without regard to A-Z case, is
// the first word of a two-word name ("fl" of "fl oz").
bool MayBeginTwoWordUnit(const char* word, std::size_t length) noexcept;

// The temperature rows' names, each after a NUL ("\0c\0celsius\0..."), up
// to kTemperatureNamesEnd, one past the last one's NUL; where names are
// copied in one move, room for a copy of the last follows.
inline constexpr std::size_t kTemperatureNamesEnd = 44;
struct TemperatureRowNames {
    char bytes[kTemperatureNamesEnd + (kBytesForSpeed ? 5 : 0)];
};
extern const TemperatureRowNames kTemperatureRowNames;

// Whether name is a temperature row's own name (the row's pointer, not a
// copy of it), whose first letter then is its scale: its address lies
// among those names, right after a NUL. No byte of the name is read.
inline bool IsTemperatureRowName(const char* name) noexcept {
    const std::uintptr_t offset =
        reinterpret_cast<std::uintptr_t>(name) - reinterpret_cast<std::uintptr_t>(kTemperatureRowNames.bytes + 1);
    return offset < kTemperatureNamesEnd - 1 && name[-1] == '\0';
}

// Writes the row's name at out and returns its end, with no NUL after it.
// Where code may grow for speed (kBytesForSpeed) it is one move of
// kCopiedNameBytes bytes, those past the name's end taken from the names
// that follow it in the engine's table.
inline constexpr std::size_t kCopiedNameBytes = 16;
static_assert(kLongestUnitName <= kCopiedNameBytes, "every name is copied whole in one move");
char* CopyUnitName(const UnitDef* row, char* out) noexcept;

// No category word is longer (checked against the words where they are
// defined).
inline constexpr std::size_t kLongestCategoryName = 11;

// Display word of a category ("length", ...); "unknown" outside 1..12.
const char* CategoryName(std::int32_t category) noexcept;

}  // namespace aiconv
