// Calls AIConverter over a query set ROUNDS times: call_mix [ROUNDS [SET]]
// (1 round of the whole mix by default; the sets are in query_mix.h).
// Run at two round counts under an instruction counter, the difference
// divided by the extra calls is the cost of one call without start-up: see
// instructions.sh. Prints the number of queries in one round first.
#include <aiconverter.h>

#include <cstdio>
#include <cstdlib>

#include "query_mix.h"

int main(int argc, char** argv) {
    const aiconv_bench::QuerySet* set = aiconv_bench::FindQuerySet(argc > 2 ? argv[2] : "mix");
    if (set == nullptr) {
        std::fprintf(stderr, "no query set \"%s\"; the sets are:", argv[2]);
        for (const auto& s : aiconv_bench::kQuerySets) std::fprintf(stderr, " %s", s.name);
        std::fprintf(stderr, "\n");
        return 2;
    }
    std::printf("queries in the mix: %d\n", set->size);
    const long rounds = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1;
    unsigned checksum = 0;
    for (long r = 0; r < rounds; ++r) {
        for (int i = 0; i < set->size; ++i) checksum += AIConverter(set->queries[i].wide)[0];
    }
    return checksum == 0;  // keeps the calls; never 0 in practice
}
