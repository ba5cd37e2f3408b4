// The fixed mix of queries that speed is measured on: plain conversions,
// temperatures, two-word units, both arrows, upper case, both number
// renderings and every error line a query can produce. Everyday
// conversions make up most of it, as they do in use.
#pragma once

namespace aiconv_bench {

struct MixQuery {
    const char* narrow;     // null for the null query
    const wchar_t* wide;
};

inline constexpr MixQuery kQueryMix[] = {
    {"10 km to mi", L"10 km to mi"},
    {"1.5 pt -> ml", L"1.5 pt -> ml"},
    {"100 c to f", L"100 c to f"},
    {"72 fahrenheit -> c", L"72 fahrenheit -> c"},
    {"0 k to c", L"0 k to c"},
    {"1 fl oz to ml", L"1 fl oz to ml"},
    {"2 cubic meter -> l", L"2 cubic meter -> l"},
    {"10 KM TO MI", L"10 KM TO MI"},
    {"5 Kg -> LB", L"5 Kg -> LB"},
    {"1 mi to nm", L"1 mi to nm"},
    {"1 mm to km", L"1 mm to km"},
    {"3.75 gal to l", L"3.75 gal to l"},
    {"60 mph km/h", L"60 mph km/h"},
    {"1 kwh to kj", L"1 kwh to kj"},
    {"1024 kib to mb", L"1024 kib to mb"},
    {"5 ft to m", L"5 ft to m"},
    {"180 lb to kg", L"180 lb to kg"},
    {"2.5 kg to lb", L"2.5 kg to lb"},
    {"350 f to c", L"350 f to c"},
    {"12 in to cm", L"12 in to cm"},
    {"500 g to oz", L"500 g to oz"},
    {"100 kph to mph", L"100 kph to mph"},
    {nullptr, nullptr},
    {"", L""},
    {"km to m", L"km to m"},
    {"10", L"10"},
    {"10 km to parsec", L"10 km to parsec"},
    {"1 m to kg", L"1 m to kg"},
};

inline constexpr int kQueryMixSize = sizeof kQueryMix / sizeof kQueryMix[0];

// Classes of query measured one at a time (instructions.sh --set NAME):
// each class costs differently, which one average over the mix hides.
inline constexpr MixQuery kEveryday[] = {
    {"10 km to mi", L"10 km to mi"},
    {"10 km -> mi", L"10 km -> mi"},
    {"10km mi", L"10km mi"},
    {"10 KM TO MI", L"10 KM TO MI"},
    {"5 ft to m", L"5 ft to m"},
    {"180 lb to kg", L"180 lb to kg"},
    {"500 g to oz", L"500 g to oz"},
    {"1 mi to nm", L"1 mi to nm"},
};
inline constexpr MixQuery kFraction[] = {
    {"2.5 kg to lb", L"2.5 kg to lb"},
    {"3.75 gal to l", L"3.75 gal to l"},
    {"100 c to f", L"100 c to f"},
    {"350 f to c", L"350 f to c"},
    {"0 k to c", L"0 k to c"},
    {"1 fl oz to ml", L"1 fl oz to ml"},
    {"2 cubic meter -> l", L"2 cubic meter -> l"},
    {"60 mph km/h", L"60 mph km/h"},
};
inline constexpr MixQuery kTemperatureNames[] = {
    {"72 fahrenheit -> celsius", L"72 fahrenheit -> celsius"},
    {"300 kelvin to fahrenheit", L"300 kelvin to fahrenheit"},
    {"25 celsius to kelvin", L"25 celsius to kelvin"},
    {"100 centigrade -> f", L"100 centigrade -> f"},
    {"98.6 fahrenheit to c", L"98.6 fahrenheit to c"},
};
inline constexpr MixQuery kExponent[] = {
    {"1.5e3 m to km", L"1.5e3 m to km"},
    {"6.02e23 mg to kg", L"6.02e23 mg to kg"},
    {"2.5e-3 kg to g", L"2.5e-3 kg to g"},
    {"1e10 m to km", L"1e10 m to km"},
    {"3E8 m to mi", L"3E8 m to mi"},
    {"1.6e-19 j to kwh", L"1.6e-19 j to kwh"},
};
inline constexpr MixQuery kLongDigits[] = {
    {"123456789.123456789 mm to km", L"123456789.123456789 mm to km"},
    {"3.141592653589793 m to ft", L"3.141592653589793 m to ft"},
    {"1234567890123456789 mm to km", L"1234567890123456789 mm to km"},
    {"0.1234567890123456 kg to lb", L"0.1234567890123456 kg to lb"},
    {"2.718281828459045235 l to gal", L"2.718281828459045235 l to gal"},
};
inline constexpr MixQuery kManyDigits[] = {
    {"3.14159265358979323846 rad to deg", L"3.14159265358979323846 rad to deg"},
    {"1.2345678901234567890123 m to ft", L"1.2345678901234567890123 m to ft"},
    {"2.7182818284590452353602874713527 l to gal", L"2.7182818284590452353602874713527 l to gal"},
    {"0.000123456789012345678901234 kg to g", L"0.000123456789012345678901234 kg to g"},
    {"98765432109876543210987654321 mm to km", L"98765432109876543210987654321 mm to km"},
};
inline constexpr MixQuery kMagnitude[] = {
    {"1e20 m to km", L"1e20 m to km"},
    {"1e25 m to km", L"1e25 m to km"},
    {"1e300 m to km", L"1e300 m to km"},
    {"1e-300 km to m", L"1e-300 km to m"},
    {"1.7976931348623157e308 mm to m", L"1.7976931348623157e308 mm to m"},
    {"4.9e-324 m to mm", L"4.9e-324 m to mm"},
    {"6.5e-200 kg to lb", L"6.5e-200 kg to lb"},
    {"8.8e150 l to ml", L"8.8e150 l to ml"},
};

struct QuerySet {
    const char* name;
    const MixQuery* queries;
    int size;
};

template <int N>
constexpr QuerySet Set(const char* name, const MixQuery (&queries)[N]) {
    return {name, queries, N};
}

// The mix first: it is the set measured when none is named.
inline constexpr QuerySet kQuerySets[] = {
    Set("mix", kQueryMix),
    Set("everyday", kEveryday),
    Set("fraction", kFraction),
    Set("temperature-names", kTemperatureNames),
    Set("exponent", kExponent),
    Set("long-digits", kLongDigits),
    Set("many-digits", kManyDigits),
    Set("magnitude", kMagnitude),
};

// The set called `name`, or null.
inline const QuerySet* FindQuerySet(const char* name) {
    for (const QuerySet& set : kQuerySets) {
        const char* a = set.name;
        const char* b = name;
        while (*a != '\0' && *a == *b) ++a, ++b;
        if (*a == *b) return &set;
    }
    return nullptr;
}

}  // namespace aiconv_bench
