/* Times AIConverter from C over a list of queries, for benchmarks in other
 * languages that load this module: the loop runs here, so what a binding adds
 * per call is not in the figure. */
#define _POSIX_C_SOURCE 199309L
#include <stddef.h>
#include <time.h>

#include "aiconverter.h"

__attribute__((visibility("default"))) double aiconv_c_call_ns(const wchar_t* const* queries, size_t count,
                                                               size_t rounds);

/* Nanoseconds a call, over rounds passes of the count queries. */
double aiconv_c_call_ns(const wchar_t* const* queries, size_t count, size_t rounds) {
    struct timespec start, end;
    clock_gettime(CLOCK_MONOTONIC, &start);
    for (size_t round = 0; round < rounds; ++round) {
        for (size_t i = 0; i < count; ++i) AIConverter(queries[i]);
    }
    clock_gettime(CLOCK_MONOTONIC, &end);
    const double ns = (double)(end.tv_sec - start.tv_sec) * 1e9 + (double)(end.tv_nsec - start.tv_nsec);
    return ns / (double)(rounds * count);
}
