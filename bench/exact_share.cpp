// Reads a million random decimals and prints a million random doubles with
// the engine's own functions, so that a call counter can tell how many still
// take the big-integer road: see exact_share.sh.
//   exact_share COUNT plain   decimals of 1 to 19 random digits with any
//                             exponent; doubles of any bit pattern
//   exact_share COUNT hard    every kind of tests/number_samples.h in turn,
//                             the ties and near-ties included
//   exact_share COUNT long    decimals of 20 to 40 random digits with any
//                             exponent (doubles as for plain)
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "engine/number_text.h"
#include "number_samples.h"

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1000000;
    const std::string kind = argc > 2 ? argv[2] : "plain";
    const bool hard = kind == "hard";
    std::mt19937_64 random(2026);
    unsigned checksum = 0;
    for (long i = 0; i < count; ++i) {
        const std::string text = kind == "long" ? aiconv_samples::RandomLongDecimal(random, 0)
                                                : aiconv_samples::RandomDecimal(random, hard ? i : 1);
        double value = 0;
        aiconv::ScanNumber(text.data(), text.data() + text.size(), &value);
        checksum += static_cast<unsigned>(value != 0);
    }
    for (long i = 0; i < count; ++i) {
        char text[aiconv::kNumberTextSize];
        const double x = aiconv_samples::RandomDouble(random, hard ? i : 0);
        checksum += static_cast<unsigned>(aiconv::FormatNumber(x, text));
    }
    std::printf("read and printed %ld numbers each (checksum %u)\n", count, checksum);
}
