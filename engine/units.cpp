#include "units.h"

#include <cstring>
#include <type_traits>

#include "compiler.h"
#include "text.h"
#include "unit_words.h"

namespace aiconv {

// Rows in the order the vocabulary is listed (aiconvert --list-units shows
// them so). Names are unique, so the order decides no lookup.
constexpr UnitDef UnitTable[kUnitCount + 1] = {
    {"m", CategoryLength, 1},
    {"meter", CategoryLength, 1},
    {"metre", CategoryLength, 1},
    {"meters", CategoryLength, 1},
    {"km", CategoryLength, 1000},
    {"kilometer", CategoryLength, 1000},
    {"kilometre", CategoryLength, 1000},
    {"kilometers", CategoryLength, 1000},
    {"cm", CategoryLength, 0.01},
    {"centimeter", CategoryLength, 0.01},
    {"mm", CategoryLength, 0.001},
    {"millimeter", CategoryLength, 0.001},
    {"mi", CategoryLength, 1609.344},
    {"mile", CategoryLength, 1609.344},
    {"miles", CategoryLength, 1609.344},
    {"yd", CategoryLength, 0.9144},
    {"yard", CategoryLength, 0.9144},
    {"yards", CategoryLength, 0.9144},
    {"ft", CategoryLength, 0.3048},
    {"foot", CategoryLength, 0.3048},
    {"feet", CategoryLength, 0.3048},
    {"in", CategoryLength, 0.0254},
    {"inch", CategoryLength, 0.0254},
    {"inches", CategoryLength, 0.0254},
    {"nm", CategoryLength, 1e-09},
    {"um", CategoryLength, 1e-06},
    {"micrometer", CategoryLength, 1e-06},

    {"kg", CategoryMass, 1},
    {"kilogram", CategoryMass, 1},
    {"kilograms", CategoryMass, 1},
    {"g", CategoryMass, 0.001},
    {"gram", CategoryMass, 0.001},
    {"grams", CategoryMass, 0.001},
    {"mg", CategoryMass, 1e-06},
    {"milligram", CategoryMass, 1e-06},
    {"lb", CategoryMass, 0.45359237},
    {"lbs", CategoryMass, 0.45359237},
    {"pound", CategoryMass, 0.45359237},
    {"pounds", CategoryMass, 0.45359237},
    {"lbs.", CategoryMass, 0.45359237},
    {"oz", CategoryMass, 0.028349523125},
    {"ounce", CategoryMass, 0.028349523125},
    {"ounces", CategoryMass, 0.028349523125},
    {"ton", CategoryMass, 907.18474},
    {"tonne", CategoryMass, 1000},
    {"t", CategoryMass, 1000},

    {"m3", CategoryVolume, 1},
    {"cubic meter", CategoryVolume, 1},
    {"l", CategoryVolume, 0.001},
    {"liter", CategoryVolume, 0.001},
    {"litre", CategoryVolume, 0.001},
    {"ml", CategoryVolume, 1e-06},
    {"gal", CategoryVolume, 0.003785411784},
    {"gallon", CategoryVolume, 0.003785411784},
    {"qt", CategoryVolume, 0.000946352946},
    {"pt", CategoryVolume, 0.000473176473},
    {"fl oz", CategoryVolume, 2.95735295625e-05},
    {"floz", CategoryVolume, 2.95735295625e-05},
    {"cup", CategoryVolume, 0.0002365882365},
    {"in3", CategoryVolume, 1.6387064e-05},
    {"ft3", CategoryVolume, 0.028316846592},

    {"m2", CategoryArea, 1},
    {"km2", CategoryArea, 1000000},
    {"cm2", CategoryArea, 0.0001},
    {"mm2", CategoryArea, 1e-06},
    {"ft2", CategoryArea, 0.09290304},
    {"in2", CategoryArea, 0.00064516},
    {"acre", CategoryArea, 4046.8564224},
    {"ac", CategoryArea, 4046.8564224},
    {"ha", CategoryArea, 10000},

    {"m/s", CategorySpeed, 1},
    {"km/h", CategorySpeed, 0.2777777777777778},
    {"kph", CategorySpeed, 0.2777777777777778},
    {"mph", CategorySpeed, 0.44704},
    {"ft/s", CategorySpeed, 0.3048},
    {"knot", CategorySpeed, 0.5144444444444445},
    {"knots", CategorySpeed, 0.5144444444444445},
    {"kt", CategorySpeed, 0.5144444444444445},

    {"c", CategoryTemperature, 1},
    {"celsius", CategoryTemperature, 1},
    {"centigrade", CategoryTemperature, 1},
    {"f", CategoryTemperature, 1},
    {"fahrenheit", CategoryTemperature, 1},
    {"k", CategoryTemperature, 1},
    {"kelvin", CategoryTemperature, 1},

    {"pa", CategoryPressure, 1},
    {"kpa", CategoryPressure, 1000},
    {"mpa", CategoryPressure, 1000000},
    {"bar", CategoryPressure, 100000},
    {"mbar", CategoryPressure, 100},
    {"atm", CategoryPressure, 101325},
    {"psi", CategoryPressure, 6894.757293168361},
    {"mmhg", CategoryPressure, 133.3223684211},
    {"torr", CategoryPressure, 133.3223684211},

    {"j", CategoryEnergy, 1},
    {"kj", CategoryEnergy, 1000},
    {"mj", CategoryEnergy, 1000000},
    {"wh", CategoryEnergy, 3600},
    {"kwh", CategoryEnergy, 3600000},
    {"cal", CategoryEnergy, 4.184},
    {"kcal", CategoryEnergy, 4184},
    {"btu", CategoryEnergy, 1055.05585262},

    {"w", CategoryPower, 1},
    {"kw", CategoryPower, 1000},
    {"mw", CategoryPower, 1000000},
    {"hp", CategoryPower, 745.6998715822702},

    {"s", CategoryTime, 1},
    {"sec", CategoryTime, 1},
    {"min", CategoryTime, 60},
    {"h", CategoryTime, 3600},
    {"hr", CategoryTime, 3600},
    {"hour", CategoryTime, 3600},
    {"day", CategoryTime, 86400},

    {"rad", CategoryAngle, 1},
    {"deg", CategoryAngle, 0.017453292519943295},
    {"degree", CategoryAngle, 0.017453292519943295},
    {"gon", CategoryAngle, 0.015707963267948967},
    {"grad", CategoryAngle, 0.015707963267948967},

    {"bit", CategoryData, 1},
    {"bits", CategoryData, 1},
    {"kb", CategoryData, 1000},
    {"mb", CategoryData, 1000000},
    {"gb", CategoryData, 1000000000},
    {"tb", CategoryData, 1000000000000},
    {"kib", CategoryData, 1024},
    {"mib", CategoryData, 1048576},
    {"gib", CategoryData, 1073741824},
    {"byte", CategoryData, 8},
    {"bytes", CategoryData, 8},
    {"b", CategoryData, 8},

    {nullptr, UnitCategory{}, 0},
};

static_assert(UnitTable[kUnitCount].name == nullptr, "the end row closes the table");

namespace {

constexpr std::size_t kMaxKey = kUnitKeySize - 1;

// Open addressing with linear probing in 2^kSlotBits slots; a slot holds
// row + 1, 0 is empty.
constexpr int kSlotBits = 8;
constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;
static_assert(kSlots >= kUnitCount * 3 / 2, "at most two thirds of the slots are taken");
static_assert(kUnitCount < 255, "a slot holds row + 1 in one byte");

// A key is hashed by its length and its first and last bytes: no loop over
// the key, whose bytes are compared once, at the row the hash leads to.
// Setting bit 5 maps A-Z onto a-z, so the hash ignores case; that it also
// pairs a few other bytes costs at most a compare. The same function builds
// the index at compile time.
constexpr std::uint32_t Hash(std::size_t length, unsigned char first, unsigned char last) noexcept {
    const std::uint32_t key = (std::uint32_t{first} << 16 | std::uint32_t{last} << 8 | 0x202000u) |
                              static_cast<std::uint32_t>(length);
    return (key * 0x9E3779B1u) >> (32 - kSlotBits);  // the top bits: a slot
}

constexpr std::size_t Length(const char* s) noexcept {
    std::size_t n = 0;
    while (s[n] != '\0') ++n;
    return n;
}

constexpr bool SameName(const char* a, const char* b) noexcept {
    while (*a != '\0' && *a == *b) ++a, ++b;
    return *a == *b;
}

// The index finds the one row whose name equals a key; with distinct names
// that is also the first one a scan in table order would find.
constexpr bool NamesAreDistinct() {
    for (std::size_t row = 0; row < kUnitCount; ++row) {
        for (std::size_t other = row + 1; other < kUnitCount; ++other) {
            if (SameName(UnitTable[row].name, UnitTable[other].name)) return false;
        }
    }
    return true;
}
static_assert(NamesAreDistinct(), "unit names are distinct");

// What each unit is, said for every row, in the table's order.
constexpr bool EveryRowIsDescribed() {
    for (std::size_t row = 0; row < kUnitCount; ++row) {
        if (!SameName(kUnitDescriptions[row].name, UnitTable[row].name) || kUnitDescriptions[row].words[0] == '\0') {
            return false;
        }
    }
    return true;
}
static_assert(EveryRowIsDescribed(), "kUnitDescriptions describes each row of UnitTable, in its order");

struct UnitIndex {
    std::uint8_t slot[kSlots];
    std::uint8_t nameLength[kUnitCount];
};

constexpr std::size_t LongestName() {
    std::size_t longest = 0;
    for (std::size_t row = 0; row < kUnitCount; ++row) {
        const std::size_t n = Length(UnitTable[row].name);
        longest = n > longest ? n : longest;
    }
    return longest;
}
static_assert(LongestName() == kLongestUnitName, "kLongestUnitName is the longest name's length");
static_assert(LongestName() <= kMaxKey, "every name fits a key and a one-byte length");

// Answers repeat the names, and the module widens answers as ASCII.
constexpr bool NamesAreAscii() {
    for (std::size_t row = 0; row < kUnitCount; ++row) {
        for (const char* p = UnitTable[row].name; *p != '\0'; ++p) {
            if (static_cast<unsigned char>(*p) >= 0x80) return false;
        }
    }
    return true;
}
static_assert(NamesAreAscii(), "unit names are ASCII");

constexpr UnitIndex BuildIndex() {
    UnitIndex index{};
    for (std::size_t row = 0; row < kUnitCount; ++row) {
        const char* name = UnitTable[row].name;
        const std::size_t n = Length(name);
        const auto first = static_cast<unsigned char>(name[0]);
        const auto last = static_cast<unsigned char>(name[n - 1]);
        std::size_t at = Hash(n, first, last) & (kSlots - 1);
        while (index.slot[at] != 0) at = (at + 1) & (kSlots - 1);
        index.slot[at] = static_cast<std::uint8_t>(row + 1);
        index.nameLength[row] = static_cast<std::uint8_t>(n);
    }
    return index;
}

constexpr UnitIndex kIndex = BuildIndex();

// The rows whose names hold a blank, and the length of their first word;
// as many as the table has.
constexpr std::size_t CountTwoWordNames() {
    std::size_t count = 0;
    for (std::size_t row = 0; row < kUnitCount; ++row) {
        for (const char* p = UnitTable[row].name; *p != '\0'; ++p) count += *p == ' ';
    }
    return count;
}

struct TwoWordNames {
    std::uint8_t row[CountTwoWordNames()];
    std::uint8_t firstLength[CountTwoWordNames()];
    std::size_t count;
};

constexpr TwoWordNames FindTwoWordNames() {
    TwoWordNames names{};
    for (std::size_t row = 0; row < kUnitCount; ++row) {
        const char* name = UnitTable[row].name;
        for (std::size_t i = 0; name[i] != '\0'; ++i) {
            if (name[i] == ' ') {
                names.row[names.count] = static_cast<std::uint8_t>(row);
                names.firstLength[names.count] = static_cast<std::uint8_t>(i);
                ++names.count;
            }
        }
    }
    return names;
}

constexpr TwoWordNames kTwoWordNames = FindTwoWordNames();

// The words in place rather than pointers to them: a pointer costs a shared
// library a relocation each, more bytes than the padding here. The bound
// also checks kLongestCategoryName: a longer word does not compile.
constexpr char kCategoryNames[][kLongestCategoryName + 1] = {
    "unknown", "length", "mass",   "volume", "area",  "speed", "temperature",
    "pressure", "energy", "power", "time",   "angle", "data",
};

// The bytes [p, p + N) as one integer of N bytes.
template <std::size_t N>
AICONV_ALWAYS_INLINE auto Load(const char* p) noexcept {
    using Word = std::conditional_t<N == 8, std::uint64_t, std::conditional_t<N == 4, std::uint32_t, std::uint16_t>>;
    Word w;
    std::memcpy(&w, p, N);
    return w;
}

// Whether n bytes (1 to 16) are equal, in two moves of a fixed size that
// overlap where n is no power of two (below 4: the first two and the last):
// a few instructions for any length, reading only the n bytes.
AICONV_ALWAYS_INLINE bool SameBytes(const char* a, const char* b, std::size_t n) noexcept {
    if (n < 4) return (n < 2 || Load<2>(a) == Load<2>(b)) && a[n - 1] == b[n - 1];
    if (n < 8) return Load<4>(a) == Load<4>(b) && Load<4>(a + n - 4) == Load<4>(b + n - 4);
    return Load<8>(a) == Load<8>(b) && Load<8>(a + n - 8) == Load<8>(b + n - 8);
}
static_assert(kLongestUnitName <= 16, "a name is compared in two moves");

// Whether the first n bytes of text, lower-cased, are the name (n is its
// length). Most queries are in lower case, as the names are: with
// kWholeFirst (where speed counts) equal bytes are tried whole first;
// otherwise a differing byte matches only as the upper case of a letter of
// the name.
template <bool kWholeFirst>
AICONV_HOT_INLINE bool MatchesName(const char* name, const char* text, std::size_t n) noexcept {
    if (kWholeFirst && SameBytes(text, name, n)) return true;
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char t = static_cast<unsigned char>(text[i]);
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (t != c && ((t | 0x20u) != c || c - unsigned{'a'} > 25u)) return false;
    }
    return true;
}

// The row whose name is the first n bytes of text, lower-cased; null if none.
template <bool kWholeFirst = !AICONV_FOR_SIZE>
AICONV_HOT_INLINE const UnitDef* FindKey(const char* text, std::size_t n) noexcept {
    if (n == 0) return nullptr;  // no name is empty
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    for (std::size_t at = Hash(n, bytes[0], bytes[n - 1]);; at = (at + 1) & (kSlots - 1)) {
        const std::size_t entry = kIndex.slot[at];
        if (entry == 0) return nullptr;
        const UnitDef* row = UnitTable + (entry - 1);
        if (kIndex.nameLength[entry - 1] == n && MatchesName<kWholeFirst>(row->name, text, n)) return row;
    }
}

// The key is a C string: a NUL inside the word ends it there. No name holds
// a NUL, so a word with one cannot have matched whole; it is looked up
// again, cut, only after that miss, which keeps the usual hit free of it.
AICONV_COLD const UnitDef* FindKeyBeforeNul(const char* text, std::size_t n) noexcept {
    std::size_t keyLength = 0;
    while (keyLength < n && text[keyLength] != '\0') ++keyLength;
    return keyLength < n ? FindKey<false>(text, keyLength) : nullptr;
}

}  // namespace

const UnitDef* FindUnit(const char* text, std::size_t length) noexcept {
    // The usual word, 1 to kMaxKey bytes without a trailing '.', is told by
    // one compare of the length and one of the byte the hash reads anyway.
    const bool usual = length - 1 < kMaxKey && text[length - 1] != '.';
    const std::size_t n = usual ? length : WithoutTrailingPoint(text, length < kMaxKey ? length : kMaxKey);
    // A dropped trailing '.' is no NUL: the key's bytes are all that can hold one.
    const UnitDef* row = FindKey(text, n);
    return row != nullptr ? row : FindKeyBeforeNul(text, n);
}

bool MayBeginTwoWordUnit(const char* word, std::size_t length) noexcept {
    for (std::size_t i = 0; i < kTwoWordNames.count; ++i) {
        if (kTwoWordNames.firstLength[i] != length) continue;
        const char* name = UnitTable[kTwoWordNames.row[i]].name;
        std::size_t n = 0;
        while (n < length && ToLower(word[n]) == name[n]) ++n;
        if (n == length) return true;
    }
    return false;
}

namespace {

// Each row's length and name again, in entries a power of two times
// smaller than a row, so that a row's byte offset in the table, shifted,
// is its entry's offset here: no division turns an address into a row
// number. The name is then copied in one move of a fixed size, which may
// read into the next entries (padding closes the table for the last).
constexpr std::size_t kNameEntryShift = [] {
    std::size_t shift = 0;
    while (sizeof(UnitDef) % (std::size_t{2} << shift) == 0 &&
           sizeof(UnitDef) / (std::size_t{2} << shift) >= 1 + kLongestUnitName) {
        ++shift;
    }
    return shift;
}();
constexpr std::size_t kNameEntrySize = sizeof(UnitDef) >> kNameEntryShift;
static_assert(kNameEntrySize >= 1 + kLongestUnitName, "an entry holds a length and a name");

struct PaddedNames {
    char bytes[kUnitCount * kNameEntrySize + kCopiedNameBytes];
};

constexpr PaddedNames PadNames() {
    PaddedNames names{};
    for (std::size_t row = 0; row < kUnitCount; ++row) {
        char* entry = names.bytes + row * kNameEntrySize;
        const std::size_t n = Length(UnitTable[row].name);
        entry[0] = static_cast<char>(n);
        for (std::size_t i = 0; i < n; ++i) entry[1 + i] = UnitTable[row].name[i];
    }
    return names;
}

constexpr PaddedNames kPaddedNames = PadNames();

}  // namespace

char* CopyUnitName(const UnitDef* row, char* out) noexcept {
    const std::size_t offset =
        static_cast<std::size_t>(reinterpret_cast<const char*>(row) - reinterpret_cast<const char*>(UnitTable));
    const char* entry = kPaddedNames.bytes + (offset >> kNameEntryShift);
    std::memcpy(out, entry + 1, kCopiedNameBytes);
    return out + static_cast<unsigned char>(entry[0]);
}

const char* CategoryName(std::int32_t category) noexcept {
    const bool known = category >= CategoryLength && category <= CategoryData;
    return kCategoryNames[known ? category : 0];
}

}  // namespace aiconv
