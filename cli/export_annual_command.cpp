// talp-cli export-annual: the annual evaluation's files OUT.tpj and OUT.tps of a full year.

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/export_source.h"
#include "evaluation/annual_export.h"

namespace talp::cli {

namespace {

void exportAnnual(const ExportArguments& arguments)
{
    const Project project = projectOf(arguments.project);
    const std::filesystem::path output = arguments.output;
    const Language language = exportLanguage(arguments);
    SimulationResults results;
    calculate(project, results, kFullYear);

    const std::vector<Message> failures =
        exportAnnualEvaluation(output, results, project.get(Param::rohrlnge), arguments.project.file, language);
    if (!failures.empty()) throw CommandFailure{std::string(failures.front().text.in(language))};
    const nlohmann::ordered_json written = {{"files", {output.string(), segmentFileName(output).string()}}};
    std::cout << written.dump(2) << "\n";
}

}  // namespace

CommandAction exportAnnualCommand(CLI::App& command)
{
    const auto arguments = std::make_shared<ExportArguments>();
    addExportArguments(command, *arguments, "OUT.tpj");
    return [arguments] {
        exportAnnual(*arguments);
        return 0;
    };
}

}  // namespace talp::cli
