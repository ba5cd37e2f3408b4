// Calls AIConverterText over the query mix AICONV_ROUNDS times, on a
// microcontroller (no arguments there: each round count is its own
// program). Run at two round counts under an instruction counter, the
// difference divided by the extra calls is the cost of one call without
// start-up: see instructions.sh.
#include "aiconverter_text.h"
#include "query_mix.h"
#include "semihosting.h"

int main() {
    // The number of queries in a round, for the script.
    HostWrite("queries in the mix: ");
    HostWriteNumber(aiconv_bench::kQueryMixSize);
    HostWrite("\n");
    unsigned checksum = 0;
    for (int r = 0; r < AICONV_ROUNDS; ++r) {
        for (const auto& q : aiconv_bench::kQueryMix) checksum += static_cast<unsigned char>(AIConverterText(q.narrow)[0]);
    }
    return checksum == 0;  // keeps the calls; never 0 in practice
}
