#pragma once
// The optimisation's fast path of the simulation: a full year in double precision, many
// hours at once. The hours of the quasi-stationary model are independent, and with one
// laying depth and one building distance every segment of an hour sees the same soil, so
// the air's way along the pipe can be computed for a block of hours side by side. It
// agrees with BerechneEWT to far better than the results are shown; the interactive runs
// keep the extended-precision path.

#include <array>
#include <atomic>
#include <optional>
#include <vector>

#include "core/hourly_input.h"
#include "core/project.h"
#include "core/simulation.h"

namespace talp {

// What every candidate geometry of a project shares: per hour of the year the outdoor
// temperature, the air flow, the set point, the fan power of the building file, and
// whether a control rule (calendar, limit temperatures) already switches the hour off.
struct FastHourlyInputs {
    std::vector<double> outdoor, flow, setPoint, filePower;
    std::vector<unsigned char> switchedOff;
    bool fanPowerFromFile = false;
    double offset = -100;
};

// Reads the climate and building files once (through `openHourlyFile` when the project
// uses them). nullopt when a file cannot be opened or has fewer than 8760 lines.
std::optional<FastHourlyInputs> prepareFastInputs(const Project& project, const HourlyFileOpener& openHourlyFile);

struct FastRunResults {
    // The annual summary, as SimulationResults names it.
    long double OperatingHours = 0, MaxOutletTemp = -100, MinOutletTemp = 100, MaxOutdoorTemp = -100,
                MinOutdoorTemp = 100, HeatingEnergy = 0, CoolingEnergy = 0, HeatingEfficiency = 0,
                CoolingEfficiency = 0;

    // Per hour of the year (index 0..8759), filled when asked for: outlet temperature,
    // heat gain, air flow (0 while the exchanger is off, as HourlyAirFlow), soil
    // temperature (the same at every segment), and air and wall temperature at the nine
    // sample segments.
    std::vector<double> outletTemp, heatGain, airFlow, soilTemp;
    std::array<std::vector<double>, kSamples> sampleAirTemp, sampleWallTemp;
};

struct FastRunOutcome {
    bool ok = false;
    std::optional<Text> parameterError;  // the groundwater or depth check failed
};

// A full year for `geometry` (its per-segment flags must be off, as in the optimisation).
// `keepHourly` fills the hourly arrays; the optimisation needs the summary only. The hours
// computed so far are published in `hoursDone` for a progress display on another thread.
FastRunOutcome fastAnnualRun(const Project& project, const FastHourlyInputs& inputs, const RunGeometry& geometry,
                             FastRunResults& results, bool keepHourly = false, std::atomic<int>* hoursDone = nullptr);

}  // namespace talp
