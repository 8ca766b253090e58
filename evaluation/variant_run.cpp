#include "evaluation/variant_run.h"

#include <optional>

#include "core/calculation_run.h"
#include "core/fast_simulation.h"

namespace talp {

namespace {

// The fast year in the shape of the interactive results: the hourly rows the figures are
// taken from and the annual summary.
bool fastYear(const Project& project, const HourlyFileOpener& openHourlyFile, SimulationResults& r)
{
    const std::optional<FastHourlyInputs> inputs = prepareFastInputs(project, openHourlyFile);
    if (!inputs) return false;
    FastRunResults run;
    if (!fastAnnualRun(project, *inputs, geometryOf(project, kFullYear), run, true).ok) return false;
    for (int d = 1; d <= kDaysPerYear; ++d)
        for (int h = 1; h <= kHoursPerDay; ++h) {
            const std::size_t i = static_cast<std::size_t>((d - 1) * kHoursPerDay + h - 1);
            r.HourlyOutdoorTemp(d, h) = inputs->outdoor[i];
            r.HourlyOutletTemp(d, h) = run.outletTemp[i];
            r.HourlyHeatGain(d, h) = run.heatGain[i];
            r.HourlyAirFlow(d, h) = run.airFlow[i];
        }
    r.OperatingHours = r.OperatingHoursRun = run.OperatingHours;
    r.MaxOutletTemp = r.MaxOutletTempRun = run.MaxOutletTemp;
    r.MinOutletTemp = r.MinOutletTempRun = run.MinOutletTemp;
    r.MaxOutdoorTemp = r.MaxOutdoorTempRun = run.MaxOutdoorTemp;
    r.MinOutdoorTemp = r.MinOutdoorTempRun = run.MinOutdoorTemp;
    r.HeatingEnergy = r.HeatingEnergyRun = run.HeatingEnergy;
    r.CoolingEnergy = r.CoolingEnergyRun = run.CoolingEnergy;
    r.HeatingEfficiency = run.HeatingEfficiency;
    r.CoolingEfficiency = run.CoolingEfficiency;
    r.geometry = geometryOf(project, kFullYear);
    return true;
}

}  // namespace

bool fastPathCovers(const Project& project)
{
    return !project.SegmentDepth.variable && !project.SegmentBuildingDistance.variable;
}

VariantRun calculateVariant(const Project& project, const VariantRequest& request, SimulationResults& scratch)
{
    VariantRun run;
    if (!fastPathCovers(project) || !fastYear(project, request.openHourlyFile, scratch)) {
        CalculationRequest extended;
        extended.day = kFullYear;
        extended.openHourlyFile = request.openHourlyFile;
        extended.cancel = request.cancel;
        extended.threads = request.threads;
        const CalculationOutcome outcome = runCalculation(project, scratch, extended);
        run.cancelled = outcome.cancelled;
        if (!outcome.success) {
            run.messages = outcome.messages;
            return run;
        }
    }
    EconomicsResults economics;
    const EconomicsOutcome costed =
        KostenRechnung(project, costedGeometryOf(project), runTotalsOf(scratch), request.openHourlyFile, economics);
    if (costed.error) {
        run.messages.push_back(*costed.error);
        return run;
    }
    const CondensationOfRun condensation = condensationOfRun(project, scratch, request.installation);
    run.figures = variantFigures(project, scratch, economics, condensation.estimate);
    if (!request.keepHourly) run.figures.outletTemp = {};
    run.ok = true;
    return run;
}

}  // namespace talp
