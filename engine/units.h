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

// Where a pointer takes eight bytes a row has four bytes of padding after its
// category, which hold its name's length; elsewhere the lookup's index keeps
// the lengths, and a row is no larger than its three fields.
#if UINTPTR_MAX > 0xFFFFFFFFu
#    define AICONV_ROW_HOLDS_NAME_LENGTH 1
#else
#    define AICONV_ROW_HOLDS_NAME_LENGTH 0
#endif

struct UnitDef {
    const char* name;       // lower case, NUL-terminated; null only in the end row
    UnitCategory category;
#if AICONV_ROW_HOLDS_NAME_LENGTH
    std::uint8_t nameLength;
#endif
    double factor;          // size of one unit in the category's base unit
};
static_assert(sizeof(UnitDef) == (sizeof(void*) == 8 ? 24 : 16), "the name's length takes no room of its own");

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
// copied in whole words, room for the last one's follows.
inline constexpr std::size_t kTemperatureNamesEnd = 44;
inline constexpr std::size_t kNameWordOverrun = 3;
struct TemperatureRowNames {
    char bytes[kTemperatureNamesEnd + (kBytesForSpeed ? kNameWordOverrun : 0)];
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

// Writes the row's name at out and returns its end, with no NUL after it
// and nothing past it.
char* CopyUnitName(const UnitDef* row, char* out) noexcept;

// The same where at least four bytes are written at the end next: where code
// may grow for speed the name goes in whole words of four bytes, the last of
// which may write up to kNameWordOverrun bytes past its end (what follows
// the name in the engine's tables), under what is written next.
char* CopyUnitNameInWords(const UnitDef* row, char* out) noexcept;

// No category word is longer (checked against the words where they are
// defined).
inline constexpr std::size_t kLongestCategoryName = 11;

// Display word of a category ("length", ...); "unknown" outside 1..12.
const char* CategoryName(std::int32_t category) noexcept;

}  // namespace aiconv
