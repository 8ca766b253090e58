#include <iostream>
#include <memory>
#include <string>

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

// The day arrays of one day, of all its hours or of one.
void printDay(const Project& project, int day, int hour, bool indented)
{
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
    std::cout << out.dump(indented ? 2 : -1) << "\n";
}

}  // namespace

CommandAction dayCommand(CLI::App& command)
{
    struct Line {
        ProjectArguments project;
        std::string day;
        int hour = 0;  // 0: every hour
        bool json = false;
    };
    const auto line = std::make_shared<Line>();
    addProjectArguments(command, line->project);
    // Checked by the action, so that a day out of range is named as such rather than taken
    // for a stray word.
    command.add_option("D", line->day, "the day of the year 1..365")->type_name("")->required();
    command.add_option("--hour", line->hour, "only hour H (1..24) of the day")->type_name("H")->transform(WholeNumber(1, kHoursPerDay));
    command.add_flag("--json", line->json, "print the JSON indented (else on one line)");
    return [line] {
        const Project project = projectOf(line->project);
        printDay(project, wholeNumber(line->day, 1, kDaysPerYear, "the day"), line->hour, line->json);
        return 0;
    };
}

}  // namespace talp::cli
