#include "evaluation/condensation.h"

#include <algorithm>

#include "core/moist_air.h"
#include "core/numeric.h"

namespace talp {

namespace {
constexpr long double kDryAirGasConstant = 287.0L;  // J/(kg K)
constexpr long double kVapourGasConstant = 462.0L;  // J/(kg K)
}  // namespace

long double condensateOfHour(long double To, long double Tout, long double flow, long double phi)
{
    const long double p = kModelAirPressure;
    const long double xIn = humidityRatioAt(To, std::clamp(phi, 0.0L, 1.0L), p);
    const long double xSaturated = humidityRatioAt(Tout, 1.0L, p);
    if (xIn <= xSaturated) return 0;
    // The simulation's moist-air density divided by 1 + x: kg of dry air per m³.
    const long double TK = To + 273.15L;
    const long double dryAirFlow = flow / (kDryAirGasConstant * TK / p + kVapourGasConstant * xIn * TK / p);
    return dryAirFlow * (xIn - xSaturated);
}

std::vector<long double> hourlyCondensate(const SimulationResults& r, const std::vector<long double>& humidity)
{
    std::vector<long double> water(static_cast<std::size_t>(kHoursPerYear), 0.0L);
    for (int d = 1; d <= kDaysPerYear; ++d)
        for (int h = 1; h <= kHoursPerDay; ++h) {
            const long double flow = r.HourlyAirFlow(d, h);
            if (flow == 0) continue;
            const std::size_t hourOfYear = static_cast<std::size_t>((d - 1) * kHoursPerDay + h - 1);
            const long double phi = humidity.empty() ? kModelRelativeHumidity : humidity[hourOfYear] / 100.0L;
            water[hourOfYear] = condensateOfHour(r.HourlyOutdoorTemp(d, h), r.HourlyOutletTemp(d, h), flow, phi);
        }
    return water;
}

CondensationEstimate estimateCondensation(const SimulationResults& r, const std::vector<long double>& humidity)
{
    CondensationEstimate estimate;
    for (const long double water : hourlyCondensate(r, humidity)) {
        if (water <= 0) continue;
        ++estimate.hours;
        estimate.kilograms += water;
        estimate.maxKilogramsPerHour = std::max(estimate.maxKilogramsPerHour, water);
    }
    return estimate;
}

CondensationLabel condensationLabel(const CondensationOfRun& run, Language language)
{
    constexpr Text kCondensate{"Kondensat: ", "Condensate: "};
    constexpr Text kAtMost{"Höchstens ", "At most "};
    constexpr Text kAssumed{"Feuchte der Außenluft: 80 % rel. Feuchte angenommen",
                            "Humidity of the outdoor air: 80 % rel. humidity assumed"};
    constexpr Text kMeasured{"Feuchte der Außenluft: aus der Wetterdatei", "Humidity of the outdoor air: from the weather file"};
    const std::string head(kCondensate.in(language));
    if (!run.estimate) return {head + "\u2013", run.humidity.text(language)};
    const CondensationEstimate& e = *run.estimate;
    return {head + formatFixed(e.kilograms, 1) + " kg/a in " + std::to_string(e.hours) + " h",
            std::string(kAtMost.in(language)) + formatFixed(e.maxKilogramsPerHour, 2) + " kg/h; " +
                std::string((run.humidity.status == HumidityYear::Status::Read ? kMeasured : kAssumed).in(language))};
}

CondensationOfRun condensationOfRun(const Project& project, const SimulationResults& results,
                                    const Installation* installation)
{
    CondensationOfRun run;
    run.humidity = readHumidityBeside(project.climateCoupling, installation);
    if (run.humidity.status != HumidityYear::Status::Refused)
        run.estimate = estimateCondensation(results, run.humidity.percent);
    return run;
}

}  // namespace talp
