// talp-cli: drives the TALP engine without a display and prints machine-readable JSON.

#include <array>
#include <cctype>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace talp::cli {
namespace {

// One row per command; a new command adds its row here and its own file (cli/commands.h).
constexpr std::array kCommands{
    Command{"run", "the full year on a project: the annual summary and the economics", runCommand},
    Command{"day", "the day arrays along the pipe of one day, or of one hour of it", dayCommand},
    Command{"new", "a project file of the defaults with the given inputs", newCommand},
    Command{"dump", "every field of a project file's record as JSON", dumpCommand},
    Command{"upgrade", "an older project file brought to TALP 1.00 in place", upgradeCommand},
    Command{"climate-file", "check a climate file and print the sine parameters taken from it", climateFileCommand},
    Command{"import-weather", "a TRY or EPW weather file as a climate file (and its humidity beside it)",
            importWeatherCommand},
    Command{"params", "every input with its kind, default, bounds and step as JSON", paramsCommand},
    Command{"plz", "the climate region of a postal code", plzCommand},
    Command{"stations", "the climate stations, by the index station=INDEX takes", stationsCommand},
    Command{"export-annual", "the annual evaluation of a full year as the files OUT.tpj and OUT.tps", exportAnnualCommand},
    Command{"export-daily", "the daily evaluation of one hour as the file OUT.tpt", exportDailyCommand},
    Command{"export-csv", "the annual hours, or one hour's profile along the pipe, as a CSV file for a spreadsheet",
            exportCsvCommand},
    Command{"sweep", "the parameter study: every variant of a grid of inputs, one line each", sweepCommand},
    Command{"optimise", "the geometry optimisation, with a JSON summary at the end", optimiseCommand},
    Command{"optimise-merge", "the shard folders of one exhaustive search merged into one", optimiseMergeCommand},
    Command{"help", "the overview of the commands, or the usage of one", helpCommand},
};

// The one line that tells a user what is wrong with the command line. Words the parse could
// not place are named; the parser's own message covers the rest.
std::string mistake(const CLI::App& program, const CLI::App& command, const CLI::ParseError& error)
{
    for (const CLI::App* app : {&program, &command}) {
        if (app->remaining().empty()) continue;
        const std::string word = app->remaining().front();
        if (word.size() > 1 && word[0] == '-' && !std::isdigit(static_cast<unsigned char>(word[1])))
            return "unknown option '" + word + "'";
        return (app == &program ? "unknown command '" : "unexpected argument '") + word + "'";
    }
    return &command == &program ? "no command given" : error.what();
}

// Prints one line about a command-line mistake on stderr; exit code 2.
int refuse(const CLI::App& program, const CLI::App& command, const std::string& message)
{
    const std::string where = &command == &program ? program.get_name() : program.get_name() + " " + command.get_name();
    std::cerr << where << ": " << message << " (see " << program.get_name() << " help"
              << (&command == &program ? "" : " " + command.get_name()) << ")\n";
    return 2;
}

int talpCli(int argc, char** argv)
{
    CLI::App program{"talp-cli drives the TALP calculation without a display and prints machine-readable JSON.",
                     "talp-cli"};
    program.set_help_flag("-h,--help", "print this help and exit");
    program.set_version_flag("--version", std::string("talp-cli ") + TALP_VERSION, "print the version and exit");
    program.require_subcommand(1);
    // The words of a man page: commands and their arguments.
    program.get_formatter()->label("SUBCOMMAND", "COMMAND");
    program.get_formatter()->label("Positionals", "Arguments");
    std::map<const CLI::App*, CommandAction> actions;
    for (const Command& c : kCommands) {
        CLI::App& command = *program.add_subcommand(c.name, c.summary)->group("Commands");
        command.set_help_flag("-h,--help", "print this help and exit");
        actions[&command] = c.declare(command);
    }
    program.footer("'talp-cli help COMMAND' shows the usage of a command. Exit codes: 0 done, 1 the data cannot be "
                   "read or calculated, 2 a mistake on the command line.");

    try {
        program.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) return program.exit(e);  // --help, --version
        const CLI::App& command = program.get_subcommands().empty() ? program : *program.get_subcommands().front();
        return refuse(program, command, mistake(program, command, e));
    }

    const CLI::App& command = *program.get_subcommands().front();
    try {
        return actions.at(&command)();
    } catch (const UsageError& e) {
        return refuse(program, command, e.message);
    } catch (const CommandFailure& e) {
        std::cerr << e.message << "\n";
        return 1;
    }
}

}  // namespace
}  // namespace talp::cli

int main(int argc, char** argv) { return talp::cli::talpCli(argc, argv); }
