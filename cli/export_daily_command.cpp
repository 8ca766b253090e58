// talp-cli export-daily: the daily evaluation's file of one hour of the day D.

#include <iostream>

#include "cli/commands.h"
#include "cli/export_source.h"
#include "core/numeric.h"
#include "evaluation/daily_export.h"

namespace talp::cli {

int exportDailyCommand(Arguments& args)
{
    const ExportSource source = exportSource(args, "OUT.tpt");
    const Language language = exportLanguage(args);
    if (!args.option("day")) throw UsageError{"export-daily needs --day D (1..365)"};
    const int day = args.intOption("day", 1, kDaysPerYear, 1);
    const int hour = args.intOption("hour", 1, kHoursPerDay, 12);
    SimulationResults results;
    calculate(source.project, results, day);

    const DayOfMonth date = TagImMonat(day);
    const ShownHour shown{date.day, date.month - 1, hour};
    if (const auto failure = exportDailyEvaluation(source.output, results, shown, source.project.get(Param::rohrlnge),
                                                   source.projectFile, language))
        throw CommandFailure{std::string(failure->text.in(language))};
    std::cout << nlohmann::ordered_json{{"files", {source.output.string()}}}.dump(2) << "\n";
    return 0;
}

}  // namespace talp::cli
