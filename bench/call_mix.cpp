// Calls AIConverter over the query mix ROUNDS times (argument, default 1).
// Run at two round counts under an instruction counter, the difference
// divided by the extra calls is the cost of one call without start-up: see
// instructions.sh. Prints the number of queries in one round first.
#include <aiconverter.h>

#include <cstdio>
#include <cstdlib>

#include "query_mix.h"

int main(int argc, char** argv) {
    std::printf("queries in the mix: %d\n", aiconv_bench::kQueryMixSize);
    const long rounds = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1;
    unsigned checksum = 0;
    for (long r = 0; r < rounds; ++r) {
        for (const auto& q : aiconv_bench::kQueryMix) checksum += AIConverter(q.wide)[0];
    }
    return checksum == 0;  // keeps the calls; never 0 in practice
}
