#pragma once
// The commands of talp-cli, one file each.

#include <nlohmann/json.hpp>

#include "cli/arguments.h"
#include "core/calculation_run.h"

namespace talp::cli {

using CommandFunction = int (*)(Arguments&);

struct Command {
    const char* name;
    CommandFunction run;
    const char* usage;
};

int runCommand(Arguments& args);     // run_command.cpp
int dayCommand(Arguments& args);     // day_command.cpp
int paramsCommand(Arguments& args);  // params_command.cpp
int plzCommand(Arguments& args);       // plz_command.cpp
int stationsCommand(Arguments& args);  // stations_command.cpp
int optimiseCommand(Arguments& args);  // optimise_command.cpp
int exportAnnualCommand(Arguments& args);  // export_annual_command.cpp
int exportDailyCommand(Arguments& args);   // export_daily_command.cpp
int dumpCommand(Arguments& args);          // dump_command.cpp
int newCommand(Arguments& args);           // new_command.cpp
int upgradeCommand(Arguments& args);       // upgrade_command.cpp
int climateFileCommand(Arguments& args);   // climate_file_command.cpp

// Shared by the commands.
inline double num(long double v) { return static_cast<double>(v); }
// The calculation as a user starts it; throws CommandFailure with the messages the user
// would see when it fails.
// `economics` runs after a successful full year.
void calculate(const Project& project, SimulationResults& results, int day, const EconomicsHook& economics = {});
// The hooks a command-line calculation uses (the hourly file reader of the installation).
CalculationRequest calculationRequest(int day);

}  // namespace talp::cli
