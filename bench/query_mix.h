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

}  // namespace aiconv_bench
