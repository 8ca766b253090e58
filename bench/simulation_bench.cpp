// One full-year run of the extended-precision simulation on the default project: on one
// thread, and on one thread per core as the interactive runs use it (wall time; the CPU
// time is that of all threads together).

#include <benchmark/benchmark.h>

#include "core/simulation.h"

namespace {

void BM_FullYearDefaults(benchmark::State& state)
{
    const talp::Project project;
    talp::SimulationResults results;
    const talp::RunGeometry geometry = talp::geometryOf(project, -1);
    talp::SimulationHooks hooks;
    hooks.threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const auto outcome = talp::BerechneEWT(project, geometry, results, hooks);
        benchmark::DoNotOptimize(outcome.ok);
        benchmark::DoNotOptimize(results.HeatingEnergy);
    }
    state.counters["segment_steps/s"] =
        benchmark::Counter(876000.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
// Argument: threads; 0 is one per core.
BENCHMARK(BM_FullYearDefaults)->ArgName("threads")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2.0)
    ->UseRealTime()->MeasureProcessCPUTime();

}  // namespace
