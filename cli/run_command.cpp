#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>

#include "cli/climate_file_option.h"
#include "cli/climate_options.h"
#include "cli/commands.h"
#include "cli/figures_json.h"
#include "cli/project_source.h"
#include "core/numeric.h"
#include "evaluation/condensation.h"
#include "evaluation/economics.h"

namespace talp::cli {

namespace {

// The full year on the project, with its economics and the condensation estimate.
void runYear(const Project& project, bool json)
{
    SimulationResults results;
    EconomicsResults economics;
    std::optional<Message> economicsError;
    const HourlyFileOpener openHourlyFile = calculationRequest(kFullYear).openHourlyFile;
    calculate(project, results, kFullYear, [&](const Project& p, const SimulationResults& r) {
        economicsError = KostenRechnung(p, costedGeometryOf(p), runTotalsOf(r), openHourlyFile, economics).error;
    });
    if (economicsError) throw CommandFailure{std::string(economicsError->text.de)};

    const CondensationOfRun condensation = condensationOfRun(project, results, &cliInstallation());
    if (!condensation.estimate) std::cerr << condensation.humidity.text(Language::German) << "\n";

    const nlohmann::ordered_json summary =
        figuresJson(variantFigures(project, results, economics, condensation.estimate), false);
    if (json) {
        std::cout << summary.dump(2) << "\n";
        return;
    }
    std::cout << "TALP annual summary\n";
    for (const auto& [key, value] : summary.items())
        std::cout << "  " << key << std::string(std::max<std::size_t>(20, key.size() + 1) - key.size(), ' ')
                  << (value.is_null() ? std::string("-") : formatFixed(value.get<double>(), 3)) << "\n";
}

}  // namespace


CommandAction runCommand(CLI::App& command)
{
    struct Line {
        ProjectArguments project;
        ClimateFileOption climateFile;
        bool json = false;
    };
    const auto line = std::make_shared<Line>();
    addProjectArguments(command, line->project);
    addClimateFileOption(command, line->climateFile);
    command.add_flag("--json", line->json, "print the summary as JSON (else as a table)");
    return [line] {
        Project project = projectOf(line->project);
        std::optional<ScratchFolder> scratch;
        applyClimateFileOption(project, line->climateFile, line->project.assignments, scratch);
        runYear(project, line->json);
        return 0;
    };
}

}  // namespace talp::cli
