// Throughput of the geometry optimisation on all cores: combinations of the default ranges
// drawn, simulated, costed and committed to the files per second.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "evaluation/optimisation_search.h"

namespace {

void BM_OptimisationDefaultRanges(benchmark::State& state)
{
    const talp::Project project;
    const auto dir = std::filesystem::temp_directory_path() / "talp-bench-optimisation";
    const long long perSearch = state.range(0);
    long long evaluated = 0;
    for (auto _ : state) {
        state.PauseTiming();
        talp::OptimisationSearch search;
        talp::OptimisationSettings settings;
        settings.directory = dir;
        settings.seed = 1;
        settings.maxCombinations = perSearch;
        search.startNew(project, settings);  // the starting run is the interactive path's, not timed
        const long long before = search.counters().evaluated;
        state.ResumeTiming();
        search.run(project, {});
        evaluated += search.counters().evaluated - before;
    }
    std::filesystem::remove_all(dir);
    state.counters["combinations/s"] = benchmark::Counter(static_cast<double>(evaluated), benchmark::Counter::kIsRate);
    // The time for every combination of the default ranges (179 872 with the fan either side).
    state.counters["seconds_for_all"] = benchmark::Counter(static_cast<double>(evaluated) / 179872.0,
                                                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_OptimisationDefaultRanges)->Arg(400)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
