// The climate of talp-cli: postal codes, the station list and runs on the installation's
// region and station climates.

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "tests/cli/talp_cli_process.h"

namespace talp {
namespace {

using testing::runTalpCli;

nlohmann::json json(const testing::CliResult& r) { return nlohmann::json::parse(r.out); }

TEST(CliPlz, PrintsTheRegionOfAPostalCode)
{
    const testing::CliResult berlin = runTalpCli("plz 10115 --json");
    ASSERT_EQ(berlin.exitCode, 0) << berlin.out;
    EXPECT_EQ(json(berlin)["klimaregion"], 3);
    EXPECT_EQ(json(berlin)["name"], "Ballungsgebiete");
    const testing::CliResult konstanz = runTalpCli("plz 78462");
    EXPECT_EQ(konstanz.out, "78462: Klimaregion 12 (Bodensee mit Umgebung)\n");
}

TEST(CliPlz, AnInvalidCodeExitsWithTheMessage)
{
    for (const char* code : {"1011", "00017", "1011x", "101155"}) {
        const testing::CliResult r = runTalpCli(std::string("plz ") + code);
        EXPECT_EQ(r.exitCode, 1) << code;
        EXPECT_EQ(r.out, "Keine gültige Postleitzahl\n") << code;
    }
    EXPECT_EQ(runTalpCli("plz").exitCode, 2);
}

TEST(CliStations, ListsEveryStationWithItsIndex)
{
    const testing::CliResult r = runTalpCli("stations --json");
    ASSERT_EQ(r.exitCode, 0) << r.out;
    const nlohmann::json list = json(r);
    ASSERT_EQ(list.size(), 58u);
    EXPECT_EQ(list[0]["station"], 0);
    bool berlin = false;
    for (const auto& s : list) berlin = berlin || s["name"] == "Berlin-Tempelhof, Deutschland";
    EXPECT_TRUE(berlin);
}

// A region or a station brings its hourly year: the outdoor extremes are the file's, not
// the sine's, and the sine parameters given on the command line give way to the region's.
TEST(CliClimate, RunsOnTheRegionAndStationClimates)
{
    const testing::CliResult region4 = runTalpCli("run klima=region klimaregion=4 --json");
    ASSERT_EQ(region4.exitCode, 0) << region4.out;
    const nlohmann::json four = json(region4);
    EXPECT_NE(four["MaxOutdoorTemp"].get<double>(), 24.0);  // the default sine: 18 °C + 6 K
    EXPECT_GT(four["MaxOutdoorTemp"].get<double>(), 20);
    EXPECT_LT(four["MinOutdoorTemp"].get<double>(), 0);
    // Only one decimal in the file.
    EXPECT_NEAR(four["MaxOutdoorTemp"].get<double>() * 10, std::round(four["MaxOutdoorTemp"].get<double>() * 10), 1e-6);
    EXPECT_EQ(json(runTalpCli("run klimaregion=4 jahresmittel=20 max_monatsmittel=30 --json")), four);
    EXPECT_NE(json(runTalpCli("run klima=region klimaregion=7 --json"))["HeatingEnergy"], four["HeatingEnergy"]);

    const testing::CliResult station = runTalpCli("run klima=euro station=0 --json");
    ASSERT_EQ(station.exitCode, 0) << station.out;
    EXPECT_NE(json(station)["MaxOutdoorTemp"], four["MaxOutdoorTemp"]);
}

TEST(CliClimate, RejectsChoicesItCannotUse)
{
    for (const char* arguments : {"klima=wetter", "klimaregion=0", "klimaregion=13", "klima=sin klimaregion=3",
                                  "klima=region station=2", "klima=euro", "station=58", "station=-1", "klima=sim"}) {
        const testing::CliResult r = runTalpCli(std::string("run ") + arguments + " --json");
        EXPECT_EQ(r.exitCode, 2) << arguments << ": " << r.out;
    }
}

}  // namespace
}  // namespace talp
