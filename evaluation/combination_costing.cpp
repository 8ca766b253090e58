#include "evaluation/combination_costing.h"

#include "core/numeric.h"

namespace talp {

namespace {

// The lines of the building file, read once and handed to the costing of every combination.
class ReplayedFile : public HourlyReader {
public:
    explicit ReplayedFile(std::shared_ptr<const std::vector<HourlyValues>> lines) : lines_(std::move(lines)) {}
    bool readLine(HourlyValues& values) override
    {
        if (next_ >= lines_->size()) return false;
        values = (*lines_)[next_++];
        return true;
    }

private:
    std::shared_ptr<const std::vector<HourlyValues>> lines_;
    std::size_t next_ = 0;
};

}  // namespace

bool isEconomic(bool rateFound, const EconomicsResults& e)
{
    return rateFound && e.InternerZinssatz > 0.0L && e.Amortisationszeit < kPaybackHorizon;
}

RunGeometry candidateGeometry(const Project& p, const Combination& c)
{
    RunGeometry g;
    g.pipeCount = c.pipeCount;
    g.day = kFullYear;
    g.fanBefore = c.fanBefore;
    g.pipeLength = c.length;
    g.pipeRadiusMm = c.diameter / 2.0L;
    g.spacing = c.spacing;
    g.depth = c.depth;
    g.buildingDistance = p.get(Param::AbsGebaeude);
    return g;
}

CostedGeometry costedGeometry(const Combination& c) { return {c.pipeCount, c.diameter / 2.0L, c.length, c.depth}; }

CombinationCosting::CombinationCosting(const Project& project, FastHourlyInputs inputs,
                                       std::vector<HourlyValues> buildingLines)
    : project_(&project),
      inputs_(std::move(inputs)),
      buildingLines_(std::make_shared<const std::vector<HourlyValues>>(std::move(buildingLines)))
{
}

std::optional<CombinationCosting> CombinationCosting::prepare(const Project& project,
                                                              const HourlyFileOpener& openHourlyFile)
{
    std::optional<FastHourlyInputs> inputs = prepareFastInputs(project, openHourlyFile);
    if (!inputs) return std::nullopt;
    std::vector<HourlyValues> buildingLines;
    if (ventilationFileInUse(project)) {
        std::unique_ptr<HourlyReader> reader = openHourlyFile ? openHourlyFile(project.buildingCoupling) : nullptr;
        if (!reader) return std::nullopt;
        HourlyValues line{};
        while (buildingLines.size() < static_cast<std::size_t>(kHoursPerYear) && reader->readLine(line))
            buildingLines.push_back(line);
    }
    return CombinationCosting(project, std::move(*inputs), std::move(buildingLines));
}

CostedCombination CombinationCosting::cost(const Combination& c, std::atomic<int>* hoursDone) const
{
    CostedCombination out;
    FastRunResults run;
    if (!fastAnnualRun(*project_, inputs_, candidateGeometry(*project_, c), run, false, hoursDone).ok) return out;
    const RunTotals totals{run.HeatingEnergy, run.CoolingEnergy, run.OperatingHours};
    const auto lines = buildingLines_;
    const HourlyFileOpener replay = [lines](const CouplingRecord&) { return std::make_unique<ReplayedFile>(lines); };
    const EconomicsOutcome costed = KostenRechnung(*project_, costedGeometry(c), totals, replay, out.economics);
    if (costed.error) return out;
    out.record = CombinationRecord{c, run.HeatingEnergy + run.CoolingEnergy, out.economics.InternerZinssatz};
    out.economic = isEconomic(costed.rateFound, out.economics);
    out.ok = true;
    return out;
}

}  // namespace talp
