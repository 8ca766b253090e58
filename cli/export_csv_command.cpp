// talp-cli export-csv: the annual hours, or with --daily the profile along the pipe of one
// hour, as a CSV file for a spreadsheet.

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/export_source.h"
#include "core/numeric.h"
#include "cli/climate_options.h"
#include "evaluation/condensation.h"
#include "evaluation/evaluation_csv.h"

namespace talp::cli {

namespace {

CsvTable annualTable(const Project& project, Language language)
{
    SimulationResults results;
    calculate(project, results, kFullYear);
    const CondensationOfRun condensation = condensationOfRun(project, results, &cliInstallation());
    if (!condensation.estimate) std::cerr << condensation.humidity.text(Language::German) << "\n";
    std::optional<std::vector<long double>> condensate;
    if (condensation.estimate) condensate = hourlyCondensate(results, condensation.humidity.percent);
    return annualCsvTable(results, condensate, language);
}

CsvTable dailyTable(const Project& project, int day, int hour, Language language)
{
    SimulationResults results;
    calculate(project, results, day);
    const DayOfMonth date = TagImMonat(day);
    return dailyCsvTable(results, {date.day, date.month - 1, hour}, project.get(Param::rohrlnge), language);
}

}  // namespace

CommandAction exportCsvCommand(CLI::App& command)
{
    struct Line {
        ExportArguments arguments;
        std::vector<int> daily;  // day of the year and hour
    };
    const auto line = std::make_shared<Line>();
    addExportArguments(command, line->arguments, "OUT.csv");
    command.add_option("--daily", line->daily, "the profile along the pipe of day D (1..365), hour H (1..24)")
        ->type_name("D H")
        ->expected(2);
    return [line] {
        const ExportArguments& arguments = line->arguments;
        if (!line->daily.empty()) {
            wholeNumber(std::to_string(line->daily[0]), 1, kDaysPerYear, "--daily: the day");
            wholeNumber(std::to_string(line->daily[1]), 1, kHoursPerDay, "--daily: the hour");
        }
        const Project project = projectOf(arguments.project);
        const Language language = exportLanguage(arguments);
        const CsvTable table = line->daily.empty() ? annualTable(project, language)
                                                   : dailyTable(project, line->daily[0], line->daily[1], language);
        if (const auto fault = writeCsvFile(arguments.output, table, language)) throw CommandFailure{fault->technical()};
        std::cout << nlohmann::ordered_json{{"files", {arguments.output}}}.dump(2) << "\n";
        return 0;
    };
}

}  // namespace talp::cli
