#include <iostream>

#include "cli/commands.h"
#include "cli/project_source.h"
#include "core/numeric.h"

namespace talp::cli {

namespace {
nlohmann::ordered_json annualSummary(const SimulationResults& r)
{
    return {{"OperatingHours", num(r.OperatingHours)},       {"HeatingEnergy", num(r.HeatingEnergy)},
            {"CoolingEnergy", num(r.CoolingEnergy)},         {"MaxOutletTemp", num(r.MaxOutletTemp)},
            {"MinOutletTemp", num(r.MinOutletTemp)},         {"MaxOutdoorTemp", num(r.MaxOutdoorTemp)},
            {"MinOutdoorTemp", num(r.MinOutdoorTemp)},       {"HeatingEfficiency", num(r.HeatingEfficiency)},
            {"CoolingEfficiency", num(r.CoolingEfficiency)}};
}
}  // namespace

int runCommand(Arguments& args)
{
    const Project project = projectFromArguments(args);
    if (!args.positional.empty()) throw UsageError{"unexpected argument '" + args.positional.front() + "'"};
    SimulationResults results;
    calculate(project, results, kFullYear);

    const nlohmann::ordered_json summary = annualSummary(results);
    if (args.flag("json")) {
        std::cout << summary.dump(2) << "\n";
        return 0;
    }
    std::cout << "TALP annual summary\n";
    for (const auto& [key, value] : summary.items())
        std::cout << "  " << key << std::string(20 - key.size(), ' ') << formatFixed(value.get<double>(), 3) << "\n";
    return 0;
}

}  // namespace talp::cli
