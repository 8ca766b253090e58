// talp-cli: drives the TALP engine without a display and prints machine-readable JSON.

#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/overrides.h"
#include "core/calculation_run.h"
#include "core/numeric.h"

namespace talp::cli {
namespace {

using nlohmann::json;

constexpr const char* kUsage =
    "usage: talp-cli run [name=value ...] [--json]\n"
    "       talp-cli day D [--hour H] [name=value ...] [--json]\n"
    "       talp-cli params\n"
    "Parameters are given by their control names, e.g. rohranzahl=3 rohrlnge=40 VentilatorVor=0.\n";

struct Arguments {
    std::vector<std::string> positional;
    std::vector<std::string> assignments;
    bool json = false;
    std::optional<std::string> hour;
};

Arguments parseArguments(int argc, char** argv, int first)
{
    Arguments a;
    for (int i = first; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--json") a.json = true;
        else if (arg == "--hour") {
            if (i + 1 >= argc) throw UsageError{"--hour needs a value"};
            a.hour = argv[++i];
        } else if (arg.rfind("--", 0) == 0) throw UsageError{"unknown option '" + arg + "'"};
        else if (isAssignment(arg)) a.assignments.push_back(arg);
        else a.positional.push_back(arg);
    }
    return a;
}

int wholeNumber(const std::string& text, int min, int max, const char* what)
{
    long double value = 0;
    if (!parseNumber(text, value) || value != static_cast<long double>(static_cast<int>(value)) || value < min || value > max)
        throw UsageError{std::string(what) + " must be a whole number within " + std::to_string(min) + " .. " +
                         std::to_string(max) + ", not '" + text + "'"};
    return static_cast<int>(value);
}

double num(long double v) { return static_cast<double>(v); }

// Runs the calculation; on failure prints the messages the user would see and returns false.
bool calculate(const Project& project, SimulationResults& results, int day)
{
    CalculationRequest request;
    request.day = day;
    const CalculationOutcome outcome = runCalculation(project, results, request);
    for (const Message& m : outcome.messages) std::cerr << m.text.de << "\n";
    return outcome.success;
}

int runCommand(const Arguments& args)
{
    if (!args.positional.empty()) throw UsageError{"unexpected argument '" + args.positional.front() + "'"};
    Project project;
    applyOverrides(project, args.assignments);
    SimulationResults results;
    if (!calculate(project, results, kFullYear)) return 1;

    const json summary = {
        {"OperatingHours", num(results.OperatingHours)},       {"HeatingEnergy", num(results.HeatingEnergy)},
        {"CoolingEnergy", num(results.CoolingEnergy)},         {"MaxOutletTemp", num(results.MaxOutletTemp)},
        {"MinOutletTemp", num(results.MinOutletTemp)},         {"MaxOutdoorTemp", num(results.MaxOutdoorTemp)},
        {"MinOutdoorTemp", num(results.MinOutdoorTemp)},       {"HeatingEfficiency", num(results.HeatingEfficiency)},
        {"CoolingEfficiency", num(results.CoolingEfficiency)},
    };
    if (args.json) {
        std::cout << summary.dump(2) << "\n";
    } else {
        std::cout << "TALP annual summary\n";
        for (const auto& [key, value] : summary.items())
            std::cout << "  " << key << std::string(20 - key.size(), ' ') << formatFixed(value.get<double>(), 3) << "\n";
    }
    return 0;
}

json hourProfile(const SimulationResults& r, int hour)
{
    json profile = json::object();
    const std::pair<const char*, const DayTable*> tables[] = {{"DayAirTemp", &r.DayAirTemp},
                                                              {"DayWallTemp", &r.DayWallTemp},
                                                              {"DaySoilTemp", &r.DaySoilTemp},
                                                              {"DayHeatFluxDensity", &r.DayHeatFluxDensity}};
    for (const auto& [name, table] : tables) {
        json segments = json::array();
        for (int s = 1; s <= kSegments; ++s) segments.push_back(num((*table)(hour, s)));
        profile[name] = segments;
    }
    return profile;
}

int dayCommand(const Arguments& args)
{
    if (args.positional.size() != 1) throw UsageError{"day needs exactly one day number 1..365"};
    const int day = wholeNumber(args.positional[0], 1, kDaysPerYear, "the day");
    const int hour = args.hour ? wholeNumber(*args.hour, 1, kHoursPerDay, "--hour") : 0;
    Project project;
    applyOverrides(project, args.assignments);
    SimulationResults r;
    if (!calculate(project, r, day)) return 1;

    json out = {{"day", day}};
    const auto hourly = [&](int h) {
        return json{{"DayOutdoorTemp", num(r.DayOutdoorTemp[static_cast<std::size_t>(h - 1)])},
                    {"DayHeatGain", num(r.DayHeatGain[static_cast<std::size_t>(h - 1)])},
                    {"HourlyOutletTemp", num(r.HourlyOutletTemp(day, h))},
                    {"HourlyAirFlow", num(r.HourlyAirFlow(day, h))},
                    {"HourlyFanPower", num(r.HourlyFanPower(day, h))}};
    };
    if (hour > 0) {
        out["hour"] = hour;
        out.update(hourly(hour));
        out.update(hourProfile(r, hour));
    } else {
        json hours = json::array();
        for (int h = 1; h <= kHoursPerDay; ++h) {
            json entry = hourly(h);
            entry["hour"] = h;
            entry.update(hourProfile(r, h));
            hours.push_back(entry);
        }
        out["hours"] = hours;
    }
    std::cout << (args.json ? out.dump(2) : out.dump(1)) << "\n";
    return 0;
}

int paramsCommand()
{
    json list = json::array();
    for (const ParamSpec& s : parameterTable()) {
        static constexpr const char* kKinds[] = {"real", "integer", "choice", "option"};
        list.push_back({{"name", std::string(s.name)},
                        {"kind", kKinds[static_cast<int>(s.kind)]},
                        {"default", num(s.defaultValue)},
                        {"min", num(s.minValue)},
                        {"max", num(s.maxValue)},
                        {"step", num(s.step)},
                        {"caption", std::string(s.caption.de)},
                        {"unit", std::string(s.unit)}});
    }
    std::cout << list.dump(2) << "\n";
    return 0;
}

int dispatch(int argc, char** argv)
{
    if (argc < 2) throw UsageError{"no command given"};
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << kUsage;
        return 0;
    }
    const Arguments args = parseArguments(argc, argv, 2);
    if (command == "run") return runCommand(args);
    if (command == "day") return dayCommand(args);
    if (command == "params") return paramsCommand();
    throw UsageError{"unknown command '" + command + "'"};
}

}  // namespace
}  // namespace talp::cli

int main(int argc, char** argv)
{
    try {
        return talp::cli::dispatch(argc, argv);
    } catch (const talp::cli::UsageError& e) {
        std::cerr << "talp-cli: " << e.message << "\n" << talp::cli::kUsage;
        return 2;
    }
}
