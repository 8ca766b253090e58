#pragma once
// What the annual and daily evaluations plot: the hourly curves of the year (x = hour of
// the year) and the profiles along the pipe of one hour (x = position in m).

#include <vector>

#include "core/simulation.h"

namespace talp {

struct CurvePoint {
    double x, y;
    bool operator==(const CurvePoint&) const = default;
};
using Curve = std::vector<CurvePoint>;

// The outdoor temperature at every hour of the year.
Curve outdoorTemperatureCurve(const SimulationResults& results);
// The outlet temperature at the hours the exchanger exchanged heat; off hours are left
// out, since the air then does not pass the pipes.
Curve outletTemperatureCurve(const SimulationResults& results);
// The heat exchanged in kW at the hours it was not 0.
Curve heatExchangeCurve(const SimulationResults& results);

// One hour's values (air, wall or soil temperature, heat flux density) of every segment
// at its position pipeLength × s / 100.
Curve pipeProfile(const DayTable& table, int hour, long double pipeLength);

}  // namespace talp
