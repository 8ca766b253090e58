// The parameter study of the variant window and of talp-cli sweep: a grid of 2 inputs × 10
// values on the defaults, on one thread and side by side on all cores.

#include <benchmark/benchmark.h>

#include "evaluation/parameter_study.h"

namespace {

void BM_ParameterStudy10x10(benchmark::State& state)
{
    using namespace talp;
    const std::vector<StudyAxis> axes{std::get<StudyAxis>(parseStudyAxis("rohrlnge=20..110:10")),
                                      std::get<StudyAxis>(parseStudyAxis("rohrdurchmesser=100..1000:100"))};
    StudyRequest request;
    request.threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const std::vector<StudyPoint> points = runStudy(Project{}, axes, request);
        benchmark::DoNotOptimize(points.data());
    }
    state.counters["variants"] = 100;
}
BENCHMARK(BM_ParameterStudy10x10)->ArgName("threads")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
