// One full year of the optimisation's fast path on the default project.

#include <benchmark/benchmark.h>

#include "core/fast_simulation.h"

namespace {

void BM_FastFullYearDefaults(benchmark::State& state)
{
    const talp::Project project;
    const auto inputs = talp::prepareFastInputs(project, {});
    const talp::RunGeometry geometry = talp::geometryOf(project, -1);
    talp::FastRunResults results;
    for (auto _ : state) {
        const auto outcome = talp::fastAnnualRun(project, *inputs, geometry, results);
        benchmark::DoNotOptimize(outcome.ok);
        benchmark::DoNotOptimize(results.HeatingEnergy);
    }
    state.counters["segment_steps/s"] =
        benchmark::Counter(876000.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FastFullYearDefaults)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace
