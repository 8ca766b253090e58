#include <iostream>
#include <memory>

#include "cli/climate_options.h"
#include "cli/climate_summary.h"
#include "cli/commands.h"
#include "files/climate_file_sine.h"
#include "files/coupling_acceptance.h"
#include "files/weather_import.h"

namespace talp::cli {

namespace {

// Checks a climate file as the coupling dialog does and prints the sine parameters the
// climate window takes from it; a file made by import-weather also names its source.
void checkClimateFile(const CouplingChoice& choice)
{
    Project project;
    const Installation& installation = cliInstallation();
    const CouplingAcceptance acceptance = acceptCoupling(project, CouplingKind::Climate, choice, &installation);
    if (!acceptance.accepted()) throw CommandFailure{CouplingRefusal{CouplingKind::Climate, acceptance}.text(Language::German)};

    const auto sine = deriveClimateFileSine(project.climateCoupling, &installation);
    if (!sine) throw CommandFailure{std::string(kCannotOpenFile.de)};
    nlohmann::ordered_json out = {{"file", choice.fileName}};
    if (const auto header = importedClimateHeader(locateHourlyFile(choice.fileName, &installation)))
        out.update({{"source", header->sourceFile}, {"kind", header->kind}, {"location", header->location}});
    out.update(climateSineSummary(*sine, project));
    std::cout << out.dump(2) << "\n";
}

}  // namespace

CommandAction climateFileCommand(CLI::App& command)
{
    const auto choice = std::make_shared<CouplingChoice>(CouplingChoice{"", "XXXXXXXXXAAAA.A", 4});
    command.add_option("FILE", choice->fileName, "the climate file, one hour a line")->type_name("")->required();
    command.add_option("--format", choice->format, "the columns of a line (default XXXXXXXXXAAAA.A)")->type_name("F");
    command.add_option("--header", choice->headerLines, "the lines before the first hour, 0..100 (default 4)")
        ->type_name("N")
        ->transform(WholeNumber(0, 100));
    return [choice] {
        checkClimateFile(*choice);
        return 0;
    };
}

}  // namespace talp::cli
