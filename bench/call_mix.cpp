// Calls AIConverter over the query mix ROUNDS times (argument, default 1).
// Run under callgrind at two round counts, the difference divided by the
// extra calls is the cost of one call without start-up: see instructions.sh.
#include <aiconverter.h>

#include <cstdlib>

#include "query_mix.h"

int main(int argc, char** argv) {
    const long rounds = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1;
    unsigned checksum = 0;
    for (long r = 0; r < rounds; ++r) {
        for (const auto& q : aiconv_bench::kQueryMix) checksum += AIConverter(q.wide)[0];
    }
    return checksum == 0;  // keeps the calls; never 0 in practice
}
