// Calls AIConverter over the query mix ROUNDS times (argument, default 1).
// Run at two round counts under an instruction counter, the difference
// divided by the extra calls is the cost of one call without start-up: see
// instructions.sh and arm_instructions.sh. "--count" prints the number of
// queries in one round.
#include <aiconverter.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "query_mix.h"

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--count") == 0) {
        std::printf("%d\n", aiconv_bench::kQueryMixSize);
        return 0;
    }
    const long rounds = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1;
    unsigned checksum = 0;
    for (long r = 0; r < rounds; ++r) {
        for (const auto& q : aiconv_bench::kQueryMix) checksum += AIConverter(q.wide)[0];
    }
    return checksum == 0;  // keeps the calls; never 0 in practice
}
