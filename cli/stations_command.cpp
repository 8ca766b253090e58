#include <iostream>
#include <memory>

#include "cli/climate_options.h"
#include "cli/commands.h"
#include "climate/climate_model.h"
#include "climate/station_list.h"

namespace talp::cli {

namespace {

// The station list of the installation; exit code 1 when it is incomplete.
int printStations(bool json)
{
    const StationListReading reading = readStationList(cliInstallation().readable(kStationListFile));
    if (!reading.complete) std::cerr << kClimateFileMissing.de << "\n";
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (int i = 0; i < reading.list.count(); ++i) {
        const ClimateStation& s = *reading.list.at(i);
        if (json) {
            list.push_back({{"station", i}, {"number", s.number}, {"name", s.itemText()}, {"x", s.x}, {"y", s.y}});
        } else {
            std::cout << (i < 10 ? " " : "") << i << "  " << s.itemText() << "\n";
        }
    }
    if (json) std::cout << list.dump(2) << "\n";
    return reading.complete ? 0 : 1;
}

}  // namespace

CommandAction stationsCommand(CLI::App& command)
{
    const auto json = std::make_shared<bool>(false);
    command.add_flag("--json", *json, "print the list as JSON");
    return [json] { return printStations(*json); };
}

}  // namespace talp::cli
