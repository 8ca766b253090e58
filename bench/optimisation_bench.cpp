// Throughput of the geometry optimisation: the random and the exhaustive search on all
// cores (combinations drawn or walked, simulated, costed and committed to the files per
// second, with the minutes the whole default catalogue would take at that pace), and one
// core's costed fast runs over an even sample of the default catalogue, from which the time
// for the whole catalogue on two cores is estimated.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

#include "core/fast_simulation.h"
#include "evaluation/economics.h"
#include "evaluation/optimisation_search.h"

namespace {

// `perSearch` new combinations of the default ranges, drawn at random or walked in order.
void searchDefaultRanges(benchmark::State& state, bool exhaustive)
{
    const talp::Project project;
    const auto dir = std::filesystem::temp_directory_path() / "talp-bench-optimisation";
    const long long perSearch = state.range(0);
    long long evaluated = 0;
    for (auto _ : state) {
        state.PauseTiming();
        talp::OptimisationSearch search;
        talp::OptimisationSettings settings;
        settings.options.exhaustive = exhaustive;
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
    // The minutes for every combination of the default ranges (179 872 with the fan either
    // side) at this pace; the geometry rules reject some of them, so the real run is shorter.
    state.counters["catalogue_min"] = benchmark::Counter(static_cast<double>(evaluated) * 60.0 / 179872.0,
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_OptimisationDefaultRanges(benchmark::State& state) { searchDefaultRanges(state, false); }
BENCHMARK(BM_OptimisationDefaultRanges)->Arg(1000)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime()
    ->MeasureProcessCPUTime();

void BM_ExhaustiveSearchDefaultRanges(benchmark::State& state) { searchDefaultRanges(state, true); }
BENCHMARK(BM_ExhaustiveSearchDefaultRanges)->Arg(2000)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime()
    ->MeasureProcessCPUTime();

// Every 61st combination of the default ranges that the geometry rules let through, in the
// search's order of parameters; 61 shares no factor with the catalogue's sizes, so the
// sample spreads over all of them.
std::vector<talp::Combination> catalogueSample(const talp::Project& project, long long& evaluable)
{
    using talp::CatalogueParam;
    const talp::OptimisationOptions o;
    std::vector<talp::Combination> sample;
    evaluable = 0;
    for (bool fan : {true, false})
        for (long double depth : o.valuesInRange(CatalogueParam::Depth))
            for (long double length : o.valuesInRange(CatalogueParam::Length))
                for (long double count : o.valuesInRange(CatalogueParam::PipeCount))
                    for (long double diameter : o.valuesInRange(CatalogueParam::Diameter)) {
                        const std::vector<long double> spacings =
                            count >= 2 ? std::vector<long double>(o.valuesInRange(CatalogueParam::Spacing).begin(),
                                                                  o.valuesInRange(CatalogueParam::Spacing).end())
                                       : std::vector<long double>{1.0L};
                        for (long double spacing : spacings) {
                            const talp::Combination c{static_cast<int>(count), length, diameter, spacing, depth, fan};
                            if (talp::rejectedByGeometry(c, project.get(talp::Param::Grundwassertiefe))) continue;
                            if (evaluable++ % 61 == 0) sample.push_back(c);
                        }
                    }
    return sample;
}

// One core simulating and costing catalogue combinations as a search worker does.
void BM_CostedCatalogueCombinations(benchmark::State& state)
{
    const talp::Project project;
    long long evaluable = 0;
    const std::vector<talp::Combination> sample = catalogueSample(project, evaluable);
    const auto inputs = talp::prepareFastInputs(project, {});
    long long combinations = 0;
    for (auto _ : state) {
        for (const talp::Combination& c : sample) {
            talp::RunGeometry g;
            g.pipeCount = c.pipeCount;
            g.fanBefore = c.fanBefore;
            g.pipeLength = c.length;
            g.pipeRadiusMm = c.diameter / 2;
            g.spacing = c.spacing;
            g.depth = c.depth;
            g.buildingDistance = project.get(talp::Param::AbsGebaeude);
            talp::FastRunResults run;
            if (!talp::fastAnnualRun(project, *inputs, g, run).ok) continue;
            talp::EconomicsResults economics;
            const talp::RunTotals totals{run.HeatingEnergy, run.CoolingEnergy, run.OperatingHours};
            benchmark::DoNotOptimize(
                talp::KostenRechnung(project, {c.pipeCount, c.diameter / 2, c.length, c.depth}, totals, {}, economics));
        }
        combinations += static_cast<long long>(sample.size());
    }
    state.counters["combinations/s"] = benchmark::Counter(static_cast<double>(combinations), benchmark::Counter::kIsRate);
    // Every combination the default catalogue lets through, shared by two cores.
    state.counters["catalogue_min_on_2_cores"] =
        benchmark::Counter(static_cast<double>(combinations) * 2.0 * 60.0 / static_cast<double>(evaluable),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["evaluable"] = static_cast<double>(evaluable);
}
BENCHMARK(BM_CostedCatalogueCombinations)->Unit(benchmark::kSecond)->MinTime(3.0);

}  // namespace
