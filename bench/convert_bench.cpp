// Time per call over the query mix, for the engine and for the exported
// entry. Not a test: nothing here asserts a time.
#include <aiconverter.h>
#include <benchmark/benchmark.h>

#include <cstring>

#include "engine/convert.h"
#include "query_mix.h"

namespace {

using aiconv_bench::kQueryMix;
using aiconv_bench::kQueryMixSize;

void BM_ConvertQuery(benchmark::State& state) {
    char answer[aiconv::kResultTextSize];
    for (auto _ : state) {
        for (const auto& q : kQueryMix) {
            const std::size_t length = q.narrow != nullptr ? std::strlen(q.narrow) : 0;  // the null query too
            benchmark::DoNotOptimize(aiconv::ConvertQuery(q.narrow, length, answer));
        }
    }
    state.SetItemsProcessed(state.iterations() * kQueryMixSize);
}
BENCHMARK(BM_ConvertQuery);

void BM_AIConverter(benchmark::State& state) {
    for (auto _ : state) {
        for (const auto& q : kQueryMix) benchmark::DoNotOptimize(AIConverter(q.wide));
    }
    state.SetItemsProcessed(state.iterations() * kQueryMixSize);
}
BENCHMARK(BM_AIConverter);

void BM_AIConverterOneQuery(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(AIConverter(L"10 km to mi"));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AIConverterOneQuery);

}  // namespace

BENCHMARK_MAIN();
