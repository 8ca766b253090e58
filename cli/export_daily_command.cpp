// talp-cli export-daily: the daily evaluation's file of one hour of the day D.

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/export_source.h"
#include "core/numeric.h"
#include "evaluation/daily_export.h"

namespace talp::cli {

namespace {

void exportDaily(const ExportArguments& arguments, int day, int hour)
{
    const Project project = projectOf(arguments.project);
    const std::filesystem::path output = arguments.output;
    const Language language = exportLanguage(arguments);
    SimulationResults results;
    calculate(project, results, day);

    const DayOfMonth date = TagImMonat(day);
    const ShownHour shown{date.day, date.month - 1, hour};
    if (const auto failure =
            exportDailyEvaluation(output, results, shown, project.get(Param::rohrlnge), arguments.project.file, language))
        throw CommandFailure{std::string(failure->text.in(language))};
    std::cout << nlohmann::ordered_json{{"files", {output.string()}}}.dump(2) << "\n";
}

}  // namespace

CommandAction exportDailyCommand(CLI::App& command)
{
    struct Line {
        ExportArguments arguments;
        int day = 1;
        int hour = 12;
    };
    const auto line = std::make_shared<Line>();
    addExportArguments(command, line->arguments, "OUT.tpt");
    command.add_option("--day", line->day, "the day of the year 1..365")
        ->type_name("D")
        ->required()
        ->transform(WholeNumber(1, kDaysPerYear));
    command.add_option("--hour", line->hour, "the hour 1..24 (default 12)")
        ->type_name("H")
        ->transform(WholeNumber(1, kHoursPerDay));
    return [line] {
        exportDaily(line->arguments, line->day, line->hour);
        return 0;
    };
}

}  // namespace talp::cli
