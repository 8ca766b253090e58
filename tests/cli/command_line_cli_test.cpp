// talp-cli's command line: what every command refuses, its help and its version.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/talp_cli_process.h"
#include "tests/files/temp_dir.h"

namespace talp {
namespace {

using testing::CliStreams;
using testing::TempDir;

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) all.push_back(line);
    return all;
}

// The commands the overview lists, by name.
std::vector<std::string> listedCommands(const std::string& overview)
{
    std::vector<std::string> names;
    bool inList = false;
    for (const std::string& line : lines(overview)) {
        if (line == "Commands:") inList = true;
        else if (line.empty()) inList = false;
        else if (inList) names.push_back(line.substr(2, line.find(' ', 2) - 2));
    }
    return names;
}

class CliCommandLine : public ::testing::Test {
protected:
    CliStreams talpCli(const std::string& arguments) { return testing::runTalpCliApart(arguments, dir / "stderr.txt"); }

    // A command-line mistake: exit code 2, nothing on stdout, one line on stderr naming `word`.
    void expectRefused(const std::string& arguments, const std::string& word)
    {
        const CliStreams r = talpCli(arguments);
        EXPECT_EQ(r.exitCode, 2) << arguments << "\n" << r.out << r.err;
        EXPECT_EQ(r.out, "") << arguments;
        EXPECT_EQ(lines(r.err).size(), 1u) << arguments << "\n" << r.err;
        EXPECT_NE(r.err.find(word), std::string::npos) << arguments << "\n" << r.err;
    }

    TempDir dir;
};

// A command line each command accepts, and one of its options that takes a value. The
// files named do not exist: a line that was wrongly accepted fails on them quickly.
struct CommandLine {
    const char* command;
    std::string accepted;
    const char* valueOption;
    bool takesAList = false;  // its arguments are any number of words: none is stray
};

TEST_F(CliCommandLine, EveryCommandRefusesUnknownOptionsMissingValuesAndStrayArguments)
{
    const std::string missing = (dir / "missing").string();
    const std::vector<CommandLine> commands{
        {"run", "run rohranzahl=3", "--climate-file"},
        {"day", "day 5 rohranzahl=3", "--hour"},
        {"new", "new " + missing + "/p.tlp rohranzahl=3", nullptr},
        {"dump", "dump " + missing + ".tlp", nullptr},
        {"upgrade", "upgrade " + missing + ".tlp", nullptr},
        {"climate-file", "climate-file " + missing + ".txt --format XXXXXXXXXAAAA.A", "--header"},
        {"import-weather", "import-weather " + missing + ".epw " + missing + ".met", nullptr},
        {"params", "params", nullptr},
        {"plz", "plz 10115 --json", nullptr},
        {"stations", "stations", nullptr},
        {"export-annual", "export-annual " + missing + "/a.tpj", "--lang"},
        {"export-daily", "export-daily --day 5 " + missing + "/a.tpt", "--hour"},
        {"export-csv", "export-csv " + missing + "/a.csv", "--daily"},
        {"sweep", "sweep rohranzahl=1..2 --yes", "--csv"},
        {"optimise", "optimise --max-combinations 1 --dir " + missing, "--seed"},
        {"optimise-merge", "optimise-merge --dir " + missing + "/out " + missing, "--dir", true},
        {"help", "help run", nullptr},
    };
    // A new command needs its row here.
    std::vector<std::string> covered;
    for (const CommandLine& c : commands) covered.push_back(c.command);
    EXPECT_EQ(listedCommands(talpCli("help").out), covered);

    for (const CommandLine& c : commands) {
        expectRefused(c.accepted + " --bogus 3", "--bogus");
        if (!c.takesAList) expectRefused(c.accepted + " stray", "stray");
        if (c.valueOption) expectRefused(c.accepted + " " + c.valueOption, c.valueOption);
    }
    // Where the words go when two of a kind are given.
    expectRefused("run " + missing + "/a.tlp " + missing + "/b.tlp", "b.tlp");
    expectRefused("day 5 6", "'6'");
}

TEST_F(CliCommandLine, MistakesInValuesAndCommandsAreOneLine)
{
    expectRefused("", "no command");
    expectRefused("frobnicate", "frobnicate");
    expectRefused("--bogus run", "--bogus");
    expectRefused("help frobnicate", "frobnicate");
    expectRefused("run rohrlaenge=40", "rohrlaenge");
    expectRefused("day 366", "1 .. 365");
    expectRefused("day 5 --hour -3", "1 .. 24");  // a negative number is the option's value
    expectRefused("day 5 --hour 2.5", "1 .. 24");
    expectRefused("optimise --threads 0", "1 .. 256");
    expectRefused("optimise --shard 1/2", "--exhaustive");
    expectRefused("optimise --exhaustive --shard 3/2", "--shard");
    expectRefused("optimise --exhaustive --shard 1", "K/N");
    expectRefused("optimise --exhaustive --max-velocity 0", "--max-velocity");
    expectRefused("optimise --pareto-by cost", "cost");
    expectRefused("optimise-merge " + (dir / "a").string(), "--dir");
    expectRefused("export-annual --lang fr " + (dir / "a.tpj").string(), "fr");
    expectRefused("export-daily " + (dir / "a.tpt").string(), "--day");
}

TEST_F(CliCommandLine, VersionIsTheProjectVersion)
{
    const CliStreams r = talpCli("--version");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, std::string("talp-cli ") + TALP_VERSION + "\n");
    EXPECT_EQ(r.err, "");
}

// Help is the source of a manual page: the overview names every command with a line of
// summary; a command's help is that line, its usage, and a line for each argument and option.
TEST_F(CliCommandLine, HelpShowsTheOverviewAndEachCommandsUsage)
{
    const CliStreams overview = talpCli("help");
    EXPECT_EQ(overview.exitCode, 0);
    const CliStreams dashed = talpCli("--help");
    EXPECT_EQ(dashed.exitCode, 0);
    EXPECT_EQ(dashed.out, overview.out);
    EXPECT_NE(overview.out.find("Usage: talp-cli"), std::string::npos);

    for (const std::string& command : listedCommands(overview.out)) {
        const CliStreams usage = talpCli("help " + command);
        EXPECT_EQ(usage.exitCode, 0) << command;
        EXPECT_EQ(usage.err, "") << command;
        EXPECT_EQ(talpCli(command + " --help").out, usage.out) << command;
        const std::vector<std::string> text = lines(usage.out);
        ASSERT_GE(text.size(), 2u) << command;
        EXPECT_NE(overview.out.find(text[0]), std::string::npos) << command << ": the summary line";
        EXPECT_EQ(text[1].rfind("Usage: talp-cli " + command, 0), 0u) << command;
        for (const std::string& line : text) {
            if (line.rfind("  ", 0) == 0) {
                EXPECT_NE(line.find_first_not_of(' ', line.find("  ", 2)), std::string::npos) << "undescribed: " << line;
            }
        }
    }
    const std::string day = talpCli("day --help").out;
    for (const char* entry : {"PROJECT.tlp", "name=value", "--hour H", "--json"})
        EXPECT_NE(day.find(entry), std::string::npos) << entry;
}

TEST_F(CliCommandLine, WordsMayComeInAnyOrder)
{
    const std::string project = (dir / "p.tlp").string();
    ASSERT_EQ(talpCli("new " + project + " rohranzahl=4").exitCode, 0);
    const CliStreams usual = talpCli("day 10 rohranzahl=4 rohrlnge=80 --hour 12 --json");
    ASSERT_EQ(usual.exitCode, 0) << usual.err;
    EXPECT_EQ(nlohmann::json::parse(usual.out)["hour"], 12);
    // Options before the arguments, the project file after a parameter, a whole number with
    // a decimal point.
    EXPECT_EQ(talpCli("day --json --hour 12.0 rohrlnge=80 " + project + " 10").out, usual.out);
}

}  // namespace
}  // namespace talp
