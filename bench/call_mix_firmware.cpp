// Calls AIConverterText over a query set AICONV_ROUNDS times, on a
// microcontroller, where each round count is its own program; the set is
// named by the last word of the semihosting command line (the whole mix
// when there is none). Run at two round counts under an instruction
// counter, the difference divided by the extra calls is the cost of one
// call without start-up: see instructions.sh.
#include "aiconverter_text.h"
#include "query_mix.h"
#include "semihosting.h"

int main() {
    char line[80];
    const char* name = "mix";
    if (HostCommandLine(line, sizeof line)) {
        for (const char* p = line; *p != '\0'; ++p) {
            if (*p != ' ' && (p == line || p[-1] == ' ')) name = p;
        }
    }
    const aiconv_bench::QuerySet* set = aiconv_bench::FindQuerySet(name);
    if (set == nullptr) {
        HostWrite("no such query set\n");
        return 2;
    }
    // The number of queries in a round, for the script.
    HostWrite("queries in the mix: ");
    HostWriteNumber(static_cast<unsigned long>(set->size));
    HostWrite("\n");
    unsigned checksum = 0;
    for (int r = 0; r < AICONV_ROUNDS; ++r) {
        for (int i = 0; i < set->size; ++i) {
            checksum += static_cast<unsigned char>(AIConverterText(set->queries[i].narrow)[0]);
        }
    }
    return checksum == 0;  // keeps the calls; never 0 in practice
}
