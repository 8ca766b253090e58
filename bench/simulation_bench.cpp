// One full-year run of the extended-precision simulation on the default project.

#include <benchmark/benchmark.h>

#include "core/simulation.h"

namespace {

void BM_FullYearDefaults(benchmark::State& state)
{
    const talp::Project project;
    talp::SimulationResults results;
    const talp::RunGeometry geometry = talp::geometryOf(project, -1);
    for (auto _ : state) {
        const auto outcome = talp::BerechneEWT(project, geometry, results);
        benchmark::DoNotOptimize(outcome.ok);
        benchmark::DoNotOptimize(results.HeatingEnergy);
    }
    state.counters["segment_steps/s"] =
        benchmark::Counter(876000.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FullYearDefaults)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
