// talp-cli: drives the TALP engine without a display and prints machine-readable JSON.

#include <array>
#include <iostream>
#include <string>

#include "cli/commands.h"

namespace talp::cli {
namespace {

// One row per command; a new command adds its row here and its own file.
constexpr std::array kCommands{
    Command{"run", runCommand, "run [PROJECT.tlp] [name=value ...] [--json]   full year, annual summary"},
    Command{"dump", dumpCommand, "dump PROJECT.tlp                     every field of the project record as JSON"},
    Command{"new", newCommand, "new OUT.tlp [name=value ...]         a project file of the defaults"},
    Command{"upgrade", upgradeCommand, "upgrade FILE                         an older project file to TALP 1.00"},
    Command{"climate-file", climateFileCommand,
            "climate-file FILE [--format F] [--header N]   check a climate file, its sine parameters"},
    Command{"day", dayCommand, "day D [--hour H] [name=value ...] [--json]   the day arrays of day D"},
    Command{"params", paramsCommand, "params                               the parameters with bounds"},
    Command{"plz", plzCommand, "plz CODE [--json]                    the climate region of a postal code"},
    Command{"stations", stationsCommand, "stations [--json]                    the climate stations for station=INDEX"},
    Command{"export-annual", exportAnnualCommand,
            "export-annual [PROJECT.tlp] OUT.tpj [--lang de|en]   the annual files OUT.tpj and OUT.tps"},
    Command{"export-daily", exportDailyCommand,
            "export-daily [PROJECT.tlp] --day D --hour H OUT.tpt [--lang de|en]   the profile of one hour"},
    Command{"optimise", optimiseCommand,
            "optimise [PROJECT.tlp] [--seed N] [--max-combinations K] [--threads T] [--dir DIR]\n"
            "           [--ranges rohranzahl=1..10,rohrlnge=1..200,...,fan=either|before|after] [--continue]\n"
            "                                       the geometry optimisation, JSON summary at the end"},
};

void printUsage(std::ostream& out)
{
    out << "usage:\n";
    for (const Command& c : kCommands) out << "  talp-cli " << c.usage << "\n";
    out << "Parameters are given by control name, e.g. rohranzahl=3 rohrlnge=40 VentilatorVor=0.\n";
    out << "The climate: klima=sin|region|euro|sim, klimaregion=N (region 1..12), station=INDEX.\n";
}

int dispatch(int argc, char** argv)
{
    if (argc < 2) throw UsageError{"no command given"};
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printUsage(std::cout);
        return 0;
    }
    Arguments args = parseArguments(argc, argv, 2);
    for (const Command& c : kCommands)
        if (name == c.name) return c.run(args);
    throw UsageError{"unknown command '" + name + "'"};
}

}  // namespace
}  // namespace talp::cli

int main(int argc, char** argv)
{
    try {
        return talp::cli::dispatch(argc, argv);
    } catch (const talp::cli::UsageError& e) {
        std::cerr << "talp-cli: " << e.message << "\n";
        talp::cli::printUsage(std::cerr);
        return 2;
    } catch (const talp::cli::CommandFailure& e) {
        std::cerr << e.message << "\n";
        return 1;
    }
}
