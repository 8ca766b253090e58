#include "evaluation/chart_curves.h"

#include "evaluation/hour_selection.h"

namespace talp {

namespace {

// Every hour of the year in order, or only those whose heat gain is not 0.
Curve hourlyCurve(const HourTable& values, const HourTable* heatGain)
{
    Curve curve;
    curve.reserve(kHoursPerYear);
    for (int day = 1; day <= kDaysPerYear; ++day)
        for (int hour = 1; hour <= kHoursPerDay; ++hour)
            if (!heatGain || (*heatGain)(day, hour) != 0)
                curve.push_back({static_cast<double>(hourOfYear(day, hour)), static_cast<double>(values(day, hour))});
    return curve;
}

}  // namespace

Curve outdoorTemperatureCurve(const SimulationResults& r) { return hourlyCurve(r.HourlyOutdoorTemp, nullptr); }
Curve outletTemperatureCurve(const SimulationResults& r) { return hourlyCurve(r.HourlyOutletTemp, &r.HourlyHeatGain); }
Curve heatExchangeCurve(const SimulationResults& r) { return hourlyCurve(r.HourlyHeatGain, &r.HourlyHeatGain); }

Curve pipeProfile(const DayTable& table, int hour, long double pipeLength)
{
    Curve curve;
    curve.reserve(kSegments);
    for (int s = 1; s <= kSegments; ++s)
        curve.push_back({static_cast<double>(pipeLength * s * 0.01L), static_cast<double>(table(hour, s))});
    return curve;
}

}  // namespace talp
