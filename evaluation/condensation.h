#pragma once
// The water warm humid air leaves in the pipes when they cool it below its dew point: for
// every operating hour, the outdoor air's humidity ratio against the saturation humidity
// ratio at the hour's outlet temperature, times the dry-air mass flow. An estimate beside
// the heat model, which treats the air as dry and stays unchanged: the latent heat of the
// water is not in the outlet temperature, and the water may condense earlier in the
// pipe than at its end.

#include <optional>
#include <string>
#include <vector>

#include "core/installation.h"
#include "core/project.h"
#include "core/simulation.h"
#include "files/humidity_file.h"

namespace talp {

struct CondensationEstimate {
    int hours = 0;                       // operating hours with condensate
    long double kilograms = 0;           // condensate of the year, kg
    long double maxKilogramsPerHour = 0; // the largest hourly amount, kg/h
};

// The condensate of one hour in kg: outdoor and outlet temperature in °C, the air flow in
// m³/h at the outdoor temperature and the outdoor air's relative humidity as a fraction
// (read as 0..1: a supersaturated reading holds no more vapour than saturated air).
long double condensateOfHour(long double outdoorTemp, long double outletTemp, long double airFlow,
                             long double relativeHumidity);

// The condensate of every hour of a finished year in kg (index 0..8759); the relative
// humidity of each hour of the year in %, or none for the model's 80 %. Hours without air
// flow do not operate and leave none.
std::vector<long double> hourlyCondensate(const SimulationResults& results,
                                          const std::vector<long double>& relativeHumidityPercent);

// Over the hours of a finished year; the relative humidity of each hour of the year in %,
// or none for the model's 80 %. Hours without air flow do not operate.
CondensationEstimate estimateCondensation(const SimulationResults& results,
                                          const std::vector<long double>& relativeHumidityPercent);

// The estimate of a project's year: with the humidity file beside its coupled climate
// file, else with the model's 80 %. A humidity file that does not read gives no estimate
// (its message says why) rather than one on an assumption the planner did not make.
struct CondensationOfRun {
    HumidityYear humidity;
    std::optional<CondensationEstimate> estimate;
};
CondensationOfRun condensationOfRun(const Project& project, const SimulationResults& results,
                                    const Installation* installation);

// The annual window's line, short enough for the figures beside the chart ("Kondensat: 12.3
// kg/a in 45 h", or "Kondensat: –"), and its details for the tooltip: the largest hour and
// where the humidity came from, or why there is no estimate.
struct CondensationLabel {
    std::string line;
    std::string details;
};
CondensationLabel condensationLabel(const CondensationOfRun& run, Language language);

}  // namespace talp
