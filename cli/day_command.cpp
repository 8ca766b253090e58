#include <iostream>

#include "cli/commands.h"
#include "cli/project_source.h"

namespace talp::cli {

namespace {

using nlohmann::ordered_json;

ordered_json hourValues(const SimulationResults& r, int day, int hour)
{
    const std::size_t h = static_cast<std::size_t>(hour - 1);
    ordered_json out = {{"hour", hour},
                        {"DayOutdoorTemp", num(r.DayOutdoorTemp[h])},
                        {"DayHeatGain", num(r.DayHeatGain[h])},
                        {"HourlyOutletTemp", num(r.HourlyOutletTemp(day, hour))},
                        {"HourlyAirFlow", num(r.HourlyAirFlow(day, hour))},
                        {"HourlyFanPower", num(r.HourlyFanPower(day, hour))}};
    const std::pair<const char*, const DayTable*> profiles[] = {{"DayAirTemp", &r.DayAirTemp},
                                                                {"DayWallTemp", &r.DayWallTemp},
                                                                {"DaySoilTemp", &r.DaySoilTemp},
                                                                {"DayHeatFluxDensity", &r.DayHeatFluxDensity}};
    for (const auto& [name, table] : profiles) {
        ordered_json segments = ordered_json::array();
        for (int s = 1; s <= kSegments; ++s) segments.push_back(num((*table)(hour, s)));
        out[name] = segments;
    }
    return out;
}

}  // namespace

int dayCommand(Arguments& args)
{
    const Project project = projectFromArguments(args);
    if (args.positional.size() != 1) throw UsageError{"day needs exactly one day number 1..365"};
    const int day = wholeNumber(args.positional[0], 1, kDaysPerYear, "the day");
    const int hour = args.intOption("hour", 1, kHoursPerDay, 0);
    SimulationResults r;
    calculate(project, r, day);

    ordered_json out = {{"day", day}};
    if (hour > 0) {
        out.update(hourValues(r, day, hour));
    } else {
        ordered_json hours = ordered_json::array();
        for (int h = 1; h <= kHoursPerDay; ++h) hours.push_back(hourValues(r, day, h));
        out["hours"] = hours;
    }
    std::cout << out.dump(args.flag("json") ? 2 : -1) << "\n";
    return 0;
}

}  // namespace talp::cli
