#include <benchmark/benchmark.h>

#include "engine/option_search.h"

namespace {

using vesmarot::engine::SearchOptions;

void Search(benchmark::State& state, const char* nmax, const char* area) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(SearchOptions(nmax, area));
    }
}

// The everyday request.
BENCHMARK_CAPTURE(Search, Typical_5cm2_Nmax3, "3", "5");
// The largest input by area.
BENCHMARK_CAPTURE(Search, Largest_99_9cm2_Nmax255, "255", "99.9");
// The area under 100 that lists the most options at Nmax 255: 736 entries, first reached at
// 71.88 in a scan of every three-decimal area (255 bars of 6 mm just cover it).
BENCHMARK_CAPTURE(Search, MostEntries_71_88cm2_Nmax255, "255", "71.88");

}  // namespace
