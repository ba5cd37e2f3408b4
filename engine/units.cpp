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
static_assert(!kBytesForSpeed || kTemperatureNamesEnd - 1 + kNameWordOverrun <= sizeof kTemperatureRowNames.bytes,
              "a name copied in words stays within the temperature names");

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

// Where speed counts a name may be copied in whole words, which read up to
// kNameWordOverrun bytes past it; the last one is followed by as many zeros.
constexpr std::size_t NameBytes() {
    std::size_t bytes = kBytesForSpeed ? kNameWordOverrun : 0;
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

constexpr UnitDef Row(const char* name, UnitCategory category, double factor) {
#if AICONV_ROW_HOLDS_NAME_LENGTH
    return {Name(name), category, static_cast<std::uint8_t>(Length(name)), factor};
#else
    return {Name(name), category, factor};
#endif
}

}  // namespace

// Rows in the order the vocabulary is listed (aiconvert --list-units shows
// them so). Names are unique, so the order decides no lookup.
constexpr UnitDef UnitTable[kUnitCount + 1] = {
    Row("m", CategoryLength, 1),
    Row("meter", CategoryLength, 1),
    Row("metre", CategoryLength, 1),
    Row("meters", CategoryLength, 1),
    Row("km", CategoryLength, 1000),
    Row("kilometer", CategoryLength, 1000),
    Row("kilometre", CategoryLength, 1000),
    Row("kilometers", CategoryLength, 1000),
    Row("cm", CategoryLength, 0.01),
    Row("centimeter", CategoryLength, 0.01),
    Row("mm", CategoryLength, 0.001),
    Row("millimeter", CategoryLength, 0.001),
    Row("mi", CategoryLength, 1609.344),
    Row("mile", CategoryLength, 1609.344),
    Row("miles", CategoryLength, 1609.344),
    Row("yd", CategoryLength, 0.9144),
    Row("yard", CategoryLength, 0.9144),
    Row("yards", CategoryLength, 0.9144),
    Row("ft", CategoryLength, 0.3048),
    Row("foot", CategoryLength, 0.3048),
    Row("feet", CategoryLength, 0.3048),
    Row("in", CategoryLength, 0.0254),
    Row("inch", CategoryLength, 0.0254),
    Row("inches", CategoryLength, 0.0254),
    Row("nm", CategoryLength, 1e-09),
    Row("um", CategoryLength, 1e-06),
    Row("micrometer", CategoryLength, 1e-06),

    Row("kg", CategoryMass, 1),
    Row("kilogram", CategoryMass, 1),
    Row("kilograms", CategoryMass, 1),
    Row("g", CategoryMass, 0.001),
    Row("gram", CategoryMass, 0.001),
    Row("grams", CategoryMass, 0.001),
    Row("mg", CategoryMass, 1e-06),
    Row("milligram", CategoryMass, 1e-06),
    Row("lb", CategoryMass, 0.45359237),
    Row("lbs", CategoryMass, 0.45359237),
    Row("pound", CategoryMass, 0.45359237),
    Row("pounds", CategoryMass, 0.45359237),
    Row("lbs.", CategoryMass, 0.45359237),
    Row("oz", CategoryMass, 0.028349523125),
    Row("ounce", CategoryMass, 0.028349523125),
    Row("ounces", CategoryMass, 0.028349523125),
    Row("ton", CategoryMass, 907.18474),
    Row("tonne", CategoryMass, 1000),
    Row("t", CategoryMass, 1000),

    Row("m3", CategoryVolume, 1),
    Row("cubic meter", CategoryVolume, 1),
    Row("l", CategoryVolume, 0.001),
    Row("liter", CategoryVolume, 0.001),
    Row("litre", CategoryVolume, 0.001),
    Row("ml", CategoryVolume, 1e-06),
    Row("gal", CategoryVolume, 0.003785411784),
    Row("gallon", CategoryVolume, 0.003785411784),
    Row("qt", CategoryVolume, 0.000946352946),
    Row("pt", CategoryVolume, 0.000473176473),
    Row("fl oz", CategoryVolume, 2.95735295625e-05),
    Row("floz", CategoryVolume, 2.95735295625e-05),
    Row("cup", CategoryVolume, 0.0002365882365),
    Row("in3", CategoryVolume, 1.6387064e-05),
    Row("ft3", CategoryVolume, 0.028316846592),

    Row("m2", CategoryArea, 1),
    Row("km2", CategoryArea, 1000000),
    Row("cm2", CategoryArea, 0.0001),
    Row("mm2", CategoryArea, 1e-06),
    Row("ft2", CategoryArea, 0.09290304),
    Row("in2", CategoryArea, 0.00064516),
    Row("acre", CategoryArea, 4046.8564224),
    Row("ac", CategoryArea, 4046.8564224),
    Row("ha", CategoryArea, 10000),

    Row("m/s", CategorySpeed, 1),
    Row("km/h", CategorySpeed, 0.2777777777777778),
    Row("kph", CategorySpeed, 0.2777777777777778),
    Row("mph", CategorySpeed, 0.44704),
    Row("ft/s", CategorySpeed, 0.3048),
    Row("knot", CategorySpeed, 0.5144444444444445),
    Row("knots", CategorySpeed, 0.5144444444444445),
    Row("kt", CategorySpeed, 0.5144444444444445),

    Row("c", CategoryTemperature, 1),
    Row("celsius", CategoryTemperature, 1),
    Row("centigrade", CategoryTemperature, 1),
    Row("f", CategoryTemperature, 1),
    Row("fahrenheit", CategoryTemperature, 1),
    Row("k", CategoryTemperature, 1),
    Row("kelvin", CategoryTemperature, 1),

    Row("pa", CategoryPressure, 1),
    Row("kpa", CategoryPressure, 1000),
    Row("mpa", CategoryPressure, 1000000),
    Row("bar", CategoryPressure, 100000),
    Row("mbar", CategoryPressure, 100),
    Row("atm", CategoryPressure, 101325),
    Row("psi", CategoryPressure, 6894.757293168361),
    Row("mmhg", CategoryPressure, 133.3223684211),
    Row("torr", CategoryPressure, 133.3223684211),

    Row("j", CategoryEnergy, 1),
    Row("kj", CategoryEnergy, 1000),
    Row("mj", CategoryEnergy, 1000000),
    Row("wh", CategoryEnergy, 3600),
    Row("kwh", CategoryEnergy, 3600000),
    Row("cal", CategoryEnergy, 4.184),
    Row("kcal", CategoryEnergy, 4184),
    Row("btu", CategoryEnergy, 1055.05585262),

    Row("w", CategoryPower, 1),
    Row("kw", CategoryPower, 1000),
    Row("mw", CategoryPower, 1000000),
    Row("hp", CategoryPower, 745.6998715822702),

    Row("s", CategoryTime, 1),
    Row("sec", CategoryTime, 1),
    Row("min", CategoryTime, 60),
    Row("h", CategoryTime, 3600),
    Row("hr", CategoryTime, 3600),
    Row("hour", CategoryTime, 3600),
    Row("day", CategoryTime, 86400),

    Row("rad", CategoryAngle, 1),
    Row("deg", CategoryAngle, 0.017453292519943295),
    Row("degree", CategoryAngle, 0.017453292519943295),
    Row("gon", CategoryAngle, 0.015707963267948967),
    Row("grad", CategoryAngle, 0.015707963267948967),

    Row("bit", CategoryData, 1),
    Row("bits", CategoryData, 1),
    Row("kb", CategoryData, 1000),
    Row("mb", CategoryData, 1000000),
    Row("gb", CategoryData, 1000000000),
    Row("tb", CategoryData, 1000000000000),
    Row("kib", CategoryData, 1024),
    Row("mib", CategoryData, 1048576),
    Row("gib", CategoryData, 1073741824),
    Row("byte", CategoryData, 8),
    Row("bytes", CategoryData, 8),
    Row("b", CategoryData, 8),

    UnitDef{},
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
#if !AICONV_ROW_HOLDS_NAME_LENGTH
    std::uint8_t nameLength[kUnitCount];
#endif
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
#if !AICONV_ROW_HOLDS_NAME_LENGTH
        index.nameLength[row] = static_cast<std::uint8_t>(n);
#endif
    }
    return index;
}

constexpr UnitIndex kIndex = BuildIndex();

// A name's length: in its row where the row has room, else in the index.
AICONV_ALWAYS_INLINE std::size_t NameLength(std::size_t row) noexcept {
#if AICONV_ROW_HOLDS_NAME_LENGTH
    return UnitTable[row].nameLength;
#else
    return kIndex.nameLength[row];
#endif
}

// The same by the row's address, as a copy has it: no index worked out
// where the row holds the length.
[[maybe_unused]] AICONV_ALWAYS_INLINE std::size_t NameLength(const UnitDef* row) noexcept {
#if AICONV_ROW_HOLDS_NAME_LENGTH
    return row->nameLength;
#else
    return kIndex.nameLength[row - UnitTable];
#endif
}

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

// Copies n bytes (1 to 16) in the same two moves, writing only those n.
[[maybe_unused]] AICONV_ALWAYS_INLINE void CopyBytes(char* to, const char* from, std::size_t n) noexcept {
    if (n < 4) {
        if (n >= 2) std::memcpy(to, from, 2);
        to[n - 1] = from[n - 1];
    } else if (n < 8) {
        std::memcpy(to, from, 4);
        std::memcpy(to + n - 4, from + n - 4, 4);
    } else {
        std::memcpy(to, from, 8);
        std::memcpy(to + n - 8, from + n - 8, 8);
    }
}

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
        if (NameLength(entry - 1) == n && MatchesName<kWholeFirst>(row->name, text, n)) return row;
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
        const std::size_t n = NameLength(row);
        CopyBytes(out, name, n);
        return out + n;
    } else {
        while (*name != '\0') *out++ = *name++;
        return out;
    }
}

char* CopyUnitNameInWords(const UnitDef* row, char* out) noexcept {
    const char* name = row->name;
    if constexpr (kBytesForSpeed) {
        static_assert(kLongestUnitName <= 12, "a name takes at most three words");
        const std::size_t n = NameLength(row);
        std::memcpy(out, name, 4);
        if (n > 4) std::memcpy(out + 4, name + 4, 4);
        if (n > 8) std::memcpy(out + 8, name + 8, 4);
        return out + n;
    } else {
        return CopyUnitName(row, out);
    }
}

const char* CategoryName(std::int32_t category) noexcept {
    const bool known = category >= CategoryLength && category <= CategoryData;
    return kCategoryWords + kCategoryWordStarts.at[known ? category : 0];
}

}  // namespace aiconv
