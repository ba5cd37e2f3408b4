#include "units.h"

#include <cstring>
#include <type_traits>

#include "compiler.h"
#include "text.h"
#include "unit_words.h"

namespace aiconv {

// The temperature rows' names, together, so that IsTemperatureRowName knows
// a row's name by its address.
constexpr char kTemperatureSpellings[] = "\0c\0celsius\0centigrade\0k\0kelvin\0f\0fahrenheit";
static_assert(sizeof kTemperatureSpellings == kTemperatureNamesEnd, "kTemperatureNamesEnd ends the names");

constexpr TemperatureRowNames StoreTemperatureNames() {
    TemperatureRowNames names{};
    for (std::size_t at = 0; at < kTemperatureNamesEnd; ++at) names.bytes[at] = kTemperatureSpellings[at];
    return names;
}
constexpr TemperatureRowNames kTemperatureRowNames = StoreTemperatureNames();
static_assert(!kBytesForSpeed || sizeof "\0c\0celsius\0centigrade\0k\0kelvin\0f" + kCopiedNameBytes <=
                                     sizeof kTemperatureRowNames.bytes,
              "a name's copy stays within the temperature names");

namespace {

constexpr std::size_t Length(const char* s) noexcept {
    std::size_t n = 0;
    while (s[n] != '\0') ++n;
    return n;
}

constexpr bool SameName(const char* a, const char* b) noexcept {
    while (*a != '\0' && *a == *b) ++a, ++b;
    return *a == *b;
}

// Right after a NUL there is always a scale's letter, and nowhere else.
constexpr bool ScaleLettersBeginNames() {
    for (std::size_t at = 1; at < kTemperatureNamesEnd; ++at) {
        const char c = kTemperatureRowNames.bytes[at];
        if ((c == 'c' || c == 'f' || c == 'k') != (kTemperatureRowNames.bytes[at - 1] == '\0')) return false;
    }
    return true;
}
static_assert(ScaleLettersBeginNames(), "each temperature name begins with its scale's letter, and has no other");

// The stored temperature name that is `name`; null for any other.
constexpr const char* TemperatureSpelling(const char* name) {
    for (std::size_t at = 1; at < kTemperatureNamesEnd; at += Length(kTemperatureRowNames.bytes + at) + 1) {
        if (SameName(kTemperatureRowNames.bytes + at, name)) return kTemperatureRowNames.bytes + at;
    }
    return nullptr;
}

// Which rows have a temperature name, worked out once: the searches below
// would otherwise pass a compiler's limit on constant evaluation.
struct TemperatureRows {
    bool is[kUnitCount];
};

constexpr TemperatureRows FindTemperatureRows() {
    TemperatureRows rows{};
    for (std::size_t row = 0; row < kUnitCount; ++row) {
        rows.is[row] = TemperatureSpelling(kUnitDescriptions[row].name) != nullptr;
    }
    return rows;
}

constexpr TemperatureRows kTemperatureRows = FindTemperatureRows();

// Whether another name that is no temperature name ends with this one ("m"
// of "km"): it is then that one's end, as a linker merges string literals.
constexpr bool EndsAnotherName(const char* name) {
    const std::size_t n = Length(name);
    for (std::size_t row = 0; row < kUnitCount; ++row) {
        const char* other = kUnitDescriptions[row].name;
        const std::size_t length = Length(other);
        if (!kTemperatureRows.is[row] && length > n && SameName(other + (length - n), name)) return true;
    }
    return false;
}

constexpr bool IsStoredWhole(const char* name) {
    return TemperatureSpelling(name) == nullptr && !EndsAnotherName(name);
}

// Where speed counts an answer copies a name in one move of kCopiedNameBytes,
// which may read past it into the names that follow; the last one is
// followed by enough zeros.
constexpr std::size_t NameBytes() {
    std::size_t bytes = kBytesForSpeed ? kCopiedNameBytes : 0;
    for (const UnitDescription& unit : kUnitDescriptions) {
        if (IsStoredWhole(unit.name)) bytes += Length(unit.name) + 1;
    }
    return bytes;
}

// Every other unit name once, NUL-terminated.
struct UnitNames {
    char bytes[NameBytes()];
};

constexpr UnitNames StoreNames() {
    UnitNames names{};
    std::size_t at = 0;
    for (const UnitDescription& unit : kUnitDescriptions) {
        if (!IsStoredWhole(unit.name)) continue;
        for (const char* p = unit.name; *p != '\0'; ++p) names.bytes[at++] = *p;
        names.bytes[at++] = '\0';
    }
    return names;
}

constexpr UnitNames kUnitNames = StoreNames();

// The stored name, which the rows point to; one that kUnitDescriptions
// lacks does not compile (the search runs off the end of the names).
constexpr const char* Name(const char* name) {
    if (const char* temperature = TemperatureSpelling(name)) return temperature;
    std::size_t at = 0;
    while (!SameName(kUnitNames.bytes + at, name)) ++at;
    return kUnitNames.bytes + at;
}

}  // namespace

// Rows in the order the vocabulary is listed (aiconvert --list-units shows
// them so). Names are unique, so the order decides no lookup.
constexpr UnitDef UnitTable[kUnitCount + 1] = {
    {Name("m"), CategoryLength, 1},
    {Name("meter"), CategoryLength, 1},
    {Name("metre"), CategoryLength, 1},
    {Name("meters"), CategoryLength, 1},
    {Name("km"), CategoryLength, 1000},
    {Name("kilometer"), CategoryLength, 1000},
    {Name("kilometre"), CategoryLength, 1000},
    {Name("kilometers"), CategoryLength, 1000},
    {Name("cm"), CategoryLength, 0.01},
    {Name("centimeter"), CategoryLength, 0.01},
    {Name("mm"), CategoryLength, 0.001},
    {Name("millimeter"), CategoryLength, 0.001},
    {Name("mi"), CategoryLength, 1609.344},
    {Name("mile"), CategoryLength, 1609.344},
    {Name("miles"), CategoryLength, 1609.344},
    {Name("yd"), CategoryLength, 0.9144},
    {Name("yard"), CategoryLength, 0.9144},
    {Name("yards"), CategoryLength, 0.9144},
    {Name("ft"), CategoryLength, 0.3048},
    {Name("foot"), CategoryLength, 0.3048},
    {Name("feet"), CategoryLength, 0.3048},
    {Name("in"), CategoryLength, 0.0254},
    {Name("inch"), CategoryLength, 0.0254},
    {Name("inches"), CategoryLength, 0.0254},
    {Name("nm"), CategoryLength, 1e-09},
    {Name("um"), CategoryLength, 1e-06},
    {Name("micrometer"), CategoryLength, 1e-06},

    {Name("kg"), CategoryMass, 1},
    {Name("kilogram"), CategoryMass, 1},
    {Name("kilograms"), CategoryMass, 1},
    {Name("g"), CategoryMass, 0.001},
    {Name("gram"), CategoryMass, 0.001},
    {Name("grams"), CategoryMass, 0.001},
    {Name("mg"), CategoryMass, 1e-06},
    {Name("milligram"), CategoryMass, 1e-06},
    {Name("lb"), CategoryMass, 0.45359237},
    {Name("lbs"), CategoryMass, 0.45359237},
    {Name("pound"), CategoryMass, 0.45359237},
    {Name("pounds"), CategoryMass, 0.45359237},
    {Name("lbs."), CategoryMass, 0.45359237},
    {Name("oz"), CategoryMass, 0.028349523125},
    {Name("ounce"), CategoryMass, 0.028349523125},
    {Name("ounces"), CategoryMass, 0.028349523125},
    {Name("ton"), CategoryMass, 907.18474},
    {Name("tonne"), CategoryMass, 1000},
    {Name("t"), CategoryMass, 1000},

    {Name("m3"), CategoryVolume, 1},
    {Name("cubic meter"), CategoryVolume, 1},
    {Name("l"), CategoryVolume, 0.001},
    {Name("liter"), CategoryVolume, 0.001},
    {Name("litre"), CategoryVolume, 0.001},
    {Name("ml"), CategoryVolume, 1e-06},
    {Name("gal"), CategoryVolume, 0.003785411784},
    {Name("gallon"), CategoryVolume, 0.003785411784},
    {Name("qt"), CategoryVolume, 0.000946352946},
    {Name("pt"), CategoryVolume, 0.000473176473},
    {Name("fl oz"), CategoryVolume, 2.95735295625e-05},
    {Name("floz"), CategoryVolume, 2.95735295625e-05},
    {Name("cup"), CategoryVolume, 0.0002365882365},
    {Name("in3"), CategoryVolume, 1.6387064e-05},
    {Name("ft3"), CategoryVolume, 0.028316846592},

    {Name("m2"), CategoryArea, 1},
    {Name("km2"), CategoryArea, 1000000},
    {Name("cm2"), CategoryArea, 0.0001},
    {Name("mm2"), CategoryArea, 1e-06},
    {Name("ft2"), CategoryArea, 0.09290304},
    {Name("in2"), CategoryArea, 0.00064516},
    {Name("acre"), CategoryArea, 4046.8564224},
    {Name("ac"), CategoryArea, 4046.8564224},
    {Name("ha"), CategoryArea, 10000},

    {Name("m/s"), CategorySpeed, 1},
    {Name("km/h"), CategorySpeed, 0.2777777777777778},
    {Name("kph"), CategorySpeed, 0.2777777777777778},
    {Name("mph"), CategorySpeed, 0.44704},
    {Name("ft/s"), CategorySpeed, 0.3048},
    {Name("knot"), CategorySpeed, 0.5144444444444445},
    {Name("knots"), CategorySpeed, 0.5144444444444445},
    {Name("kt"), CategorySpeed, 0.5144444444444445},

    {Name("c"), CategoryTemperature, 1},
    {Name("celsius"), CategoryTemperature, 1},
    {Name("centigrade"), CategoryTemperature, 1},
    {Name("f"), CategoryTemperature, 1},
    {Name("fahrenheit"), CategoryTemperature, 1},
    {Name("k"), CategoryTemperature, 1},
    {Name("kelvin"), CategoryTemperature, 1},

    {Name("pa"), CategoryPressure, 1},
    {Name("kpa"), CategoryPressure, 1000},
    {Name("mpa"), CategoryPressure, 1000000},
    {Name("bar"), CategoryPressure, 100000},
    {Name("mbar"), CategoryPressure, 100},
    {Name("atm"), CategoryPressure, 101325},
    {Name("psi"), CategoryPressure, 6894.757293168361},
    {Name("mmhg"), CategoryPressure, 133.3223684211},
    {Name("torr"), CategoryPressure, 133.3223684211},

    {Name("j"), CategoryEnergy, 1},
    {Name("kj"), CategoryEnergy, 1000},
    {Name("mj"), CategoryEnergy, 1000000},
    {Name("wh"), CategoryEnergy, 3600},
    {Name("kwh"), CategoryEnergy, 3600000},
    {Name("cal"), CategoryEnergy, 4.184},
    {Name("kcal"), CategoryEnergy, 4184},
    {Name("btu"), CategoryEnergy, 1055.05585262},

    {Name("w"), CategoryPower, 1},
    {Name("kw"), CategoryPower, 1000},
    {Name("mw"), CategoryPower, 1000000},
    {Name("hp"), CategoryPower, 745.6998715822702},

    {Name("s"), CategoryTime, 1},
    {Name("sec"), CategoryTime, 1},
    {Name("min"), CategoryTime, 60},
    {Name("h"), CategoryTime, 3600},
    {Name("hr"), CategoryTime, 3600},
    {Name("hour"), CategoryTime, 3600},
    {Name("day"), CategoryTime, 86400},

    {Name("rad"), CategoryAngle, 1},
    {Name("deg"), CategoryAngle, 0.017453292519943295},
    {Name("degree"), CategoryAngle, 0.017453292519943295},
    {Name("gon"), CategoryAngle, 0.015707963267948967},
    {Name("grad"), CategoryAngle, 0.015707963267948967},

    {Name("bit"), CategoryData, 1},
    {Name("bits"), CategoryData, 1},
    {Name("kb"), CategoryData, 1000},
    {Name("mb"), CategoryData, 1000000},
    {Name("gb"), CategoryData, 1000000000},
    {Name("tb"), CategoryData, 1000000000000},
    {Name("kib"), CategoryData, 1024},
    {Name("mib"), CategoryData, 1048576},
    {Name("gib"), CategoryData, 1073741824},
    {Name("byte"), CategoryData, 8},
    {Name("bytes"), CategoryData, 8},
    {Name("b"), CategoryData, 8},

    {nullptr, UnitCategory{}, 0},
};

static_assert(UnitTable[kUnitCount].name == nullptr, "the end row closes the table");

constexpr bool TemperatureRowsAreTheSpellings() {
    for (std::size_t row = 0; row < kUnitCount; ++row) {
        const bool spelling = TemperatureSpelling(UnitTable[row].name) != nullptr;
        if ((UnitTable[row].category == CategoryTemperature) != spelling) return false;
    }
    return true;
}
static_assert(TemperatureRowsAreTheSpellings(), "the temperature rows, and only they, have the temperature names");

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
    std::uint8_t nameLength[kUnitCount];  // the one place a name's length is kept
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

// The words one after another and where each begins, rather than pointers
// to them (a relocation each in a shared library) or rows of one size (the
// longest's).
constexpr char kCategoryWords[] =
    "unknown\0length\0mass\0volume\0area\0speed\0temperature\0pressure\0energy\0power\0time\0angle\0data";

struct CategoryWordStarts {
    std::uint8_t at[CategoryData + 1];
};

constexpr CategoryWordStarts FindCategoryWords() {
    CategoryWordStarts starts{};
    std::size_t at = 0;
    for (int category = 0; category <= CategoryData; ++category) {
        starts.at[category] = static_cast<std::uint8_t>(at);
        at += Length(kCategoryWords + at) + 1;
    }
    return starts;
}

constexpr CategoryWordStarts kCategoryWordStarts = FindCategoryWords();

constexpr bool CategoryWordsFit() {
    for (std::uint8_t at : kCategoryWordStarts.at) {
        if (Length(kCategoryWords + at) > kLongestCategoryName) return false;
    }
    return kCategoryWordStarts.at[CategoryData] + Length(kCategoryWords + kCategoryWordStarts.at[CategoryData]) + 1 ==
           sizeof kCategoryWords;
}
static_assert(CategoryWordsFit(), "a word for each category, none longer than kLongestCategoryName");

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

char* CopyUnitName(const UnitDef* row, char* out) noexcept {
    const char* name = row->name;
    if constexpr (kBytesForSpeed) {
        std::memcpy(out, name, kCopiedNameBytes);
        return out + kIndex.nameLength[row - UnitTable];
    } else {
        while (*name != '\0') *out++ = *name++;
        return out;
    }
}

const char* CategoryName(std::int32_t category) noexcept {
    const bool known = category >= CategoryLength && category <= CategoryData;
    return kCategoryWords + kCategoryWordStarts.at[known ? category : 0];
}

}  // namespace aiconv
