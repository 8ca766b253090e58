#pragma once
// The commands of talp-cli, one file each.
//
// Adding a command: write cli/<name>_command.cpp with a function
//     CommandAction <name>Command(CLI::App& command)
// that declares the command's arguments and options on `command`, each with a one-line
// description (they are the command's help), and returns what the command does once the
// whole command line has been read and checked. Declare the function below, add its row
// (name, one-line summary, function) to kCommands in cli/main.cpp, its file to
// cli/CMakeLists.txt, and its row to the table of tests/cli/command_line_cli_test.cpp.
// Adding an option is a line in that function only: the command line refuses everything
// that is not declared there, and the option's description is its line of help.
//
// The values a command's options fill must outlive the parse; a command keeps them in a
// struct it shares with its action:
//     auto line = std::make_shared<Line>();
//     command.add_option("--hour", line->hour, "the hour 1..24")->type_name("H")->transform(WholeNumber(1, 24));
//     return [line] { ...; return 0; };
// Words of the form name=value are parameters (cli/project_source.h), not options. A
// mistake on the command line throws UsageError (exit code 2), data that cannot be read or
// calculated CommandFailure (exit code 1).

#include <functional>
#include <nlohmann/json.hpp>

#include "cli/command_line.h"
#include "core/calculation_run.h"

namespace talp::cli {

// Runs the command after a successful parse; returns the exit code.
using CommandAction = std::function<int()>;

struct Command {
    const char* name;
    const char* summary;  // one line: the overview of the commands and the head of the command's help
    CommandAction (*declare)(CLI::App& command);
};

CommandAction runCommand(CLI::App& command);           // run_command.cpp
CommandAction dayCommand(CLI::App& command);           // day_command.cpp
CommandAction paramsCommand(CLI::App& command);        // params_command.cpp
CommandAction plzCommand(CLI::App& command);           // plz_command.cpp
CommandAction stationsCommand(CLI::App& command);      // stations_command.cpp
CommandAction optimiseCommand(CLI::App& command);      // optimise_command.cpp
CommandAction optimiseMergeCommand(CLI::App& command); // optimise_merge_command.cpp
CommandAction exportAnnualCommand(CLI::App& command);  // export_annual_command.cpp
CommandAction exportDailyCommand(CLI::App& command);   // export_daily_command.cpp
CommandAction dumpCommand(CLI::App& command);          // dump_command.cpp
CommandAction newCommand(CLI::App& command);           // new_command.cpp
CommandAction upgradeCommand(CLI::App& command);       // upgrade_command.cpp
CommandAction climateFileCommand(CLI::App& command);   // climate_file_command.cpp
CommandAction importWeatherCommand(CLI::App& command); // import_weather_command.cpp
CommandAction exportCsvCommand(CLI::App& command);     // export_csv_command.cpp
CommandAction sweepCommand(CLI::App& command);         // sweep_command.cpp
CommandAction helpCommand(CLI::App& command);          // help_command.cpp

// Shared by the commands.
inline double num(long double v) { return static_cast<double>(v); }
// The calculation as a user starts it; throws CommandFailure with the messages the user
// would see when it fails.
// `economics` runs after a successful full year.
void calculate(const Project& project, SimulationResults& results, int day, const EconomicsHook& economics = {});
// The hooks a command-line calculation uses (the hourly file reader of the installation).
CalculationRequest calculationRequest(int day);

}  // namespace talp::cli
