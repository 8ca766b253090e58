// talp-cli export-annual: the annual evaluation's files OUT.tpj and OUT.tps of a full year.

#include <iostream>

#include "cli/commands.h"
#include "cli/export_source.h"
#include "evaluation/annual_export.h"

namespace talp::cli {

int exportAnnualCommand(Arguments& args)
{
    const ExportSource source = exportSource(args, "OUT.tpj");
    const Language language = exportLanguage(args);
    SimulationResults results;
    calculate(source.project, results, kFullYear);

    const std::vector<Message> failures = exportAnnualEvaluation(
        source.output, results, source.project.get(Param::rohrlnge), source.projectFile, language);
    if (!failures.empty()) throw CommandFailure{std::string(failures.front().text.in(language))};
    const nlohmann::ordered_json written = {
        {"files", {source.output.string(), segmentFileName(source.output).string()}}};
    std::cout << written.dump(2) << "\n";
    return 0;
}

}  // namespace talp::cli
