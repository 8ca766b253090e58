#include <iostream>

#include "cli/climate_options.h"
#include "cli/commands.h"
#include "climate/climate_model.h"
#include "climate/station_list.h"

namespace talp::cli {

int stationsCommand(Arguments& args)
{
    const StationListReading reading = readStationList(cliInstallation().readable(kStationListFile));
    if (!reading.complete) std::cerr << kClimateFileMissing.de << "\n";
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (int i = 0; i < reading.list.count(); ++i) {
        const ClimateStation& s = *reading.list.at(i);
        if (args.flag("json")) {
            list.push_back({{"station", i}, {"number", s.number}, {"name", s.itemText()}, {"x", s.x}, {"y", s.y}});
        } else {
            std::cout << (i < 10 ? " " : "") << i << "  " << s.itemText() << "\n";
        }
    }
    if (args.flag("json")) std::cout << list.dump(2) << "\n";
    return reading.complete ? 0 : 1;
}

}  // namespace talp::cli
