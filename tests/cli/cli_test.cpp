// talp-cli as a user's script drives it: through its process, its exit code and its JSON.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "tests/cli/talp_cli_process.h"

namespace {

using Result = talp::testing::CliResult;

Result talpCli(const std::string& arguments) { return talp::testing::runTalpCli(arguments); }

TEST(CliRun, PrintsTheAnnualSummaryAsJson)
{
    const Result r = talpCli("run --json");
    ASSERT_EQ(r.exitCode, 0) << r.out;
    const nlohmann::json j = nlohmann::json::parse(r.out);
    for (const char* key : {"OperatingHours", "HeatingEnergy", "CoolingEnergy", "MaxOutletTemp", "MinOutletTemp",
                            "MaxOutdoorTemp", "MinOutdoorTemp", "HeatingEfficiency", "CoolingEfficiency"})
        EXPECT_TRUE(j.contains(key)) << key;
    EXPECT_GT(j["HeatingEnergy"].get<double>(), 0);
    EXPECT_DOUBLE_EQ(j["MaxOutdoorTemp"].get<double>(), 24.0);
}

TEST(CliRun, OverridesAreUsedExactlyAsGiven)
{
    const Result base = talpCli("run --json");
    const Result longer = talpCli("run rohrlnge=120 rohranzahl=3 VentilatorVor=0 --json");
    ASSERT_EQ(longer.exitCode, 0) << longer.out;
    const auto a = nlohmann::json::parse(base.out), b = nlohmann::json::parse(longer.out);
    EXPECT_GT(b["HeatingEnergy"].get<double>(), a["HeatingEnergy"].get<double>());
    // The second button of an option pair names the same input.
    const Result after = talpCli("run VentilatorNach=1 rohrlnge=120 rohranzahl=3 --json");
    EXPECT_EQ(nlohmann::json::parse(after.out), b);
}

TEST(CliRun, RejectsWhatItCannotUse)
{
    EXPECT_EQ(talpCli("run rohrlaenge=40").exitCode, 2);
    const Result notNumber = talpCli("run rohranzahl=drei");
    EXPECT_EQ(notNumber.exitCode, 2);
    EXPECT_NE(notNumber.out.find("rohranzahl"), std::string::npos);
    EXPECT_EQ(talpCli("run rohranzahl=11").exitCode, 2);
    EXPECT_EQ(talpCli("run rohranzahl=2.5").exitCode, 2);
    EXPECT_EQ(talpCli("frobnicate").exitCode, 2);
}

TEST(CliRun, AParameterErrorExitsWithTheMessage)
{
    const Result r = talpCli("run Grundwassertiefe=1 --json");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("Grundwassertiefe kleiner als Verlegungstiefe"), std::string::npos);
    EXPECT_NE(r.out.find("Dieser EWT kann nicht berechnet werden."), std::string::npos);
}

TEST(CliDay, GivesTheProfileOfAnHour)
{
    const Result r = talpCli("day 183 --hour 15 --json");
    ASSERT_EQ(r.exitCode, 0) << r.out;
    const nlohmann::json j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["day"], 183);
    EXPECT_EQ(j["DayAirTemp"].size(), 100u);
    EXPECT_EQ(j["DaySoilTemp"].size(), 100u);
    EXPECT_DOUBLE_EQ(j["DayOutdoorTemp"].get<double>(), 24.0);

    const Result whole = talpCli("day 10 --json");
    ASSERT_EQ(whole.exitCode, 0);
    EXPECT_EQ(nlohmann::json::parse(whole.out)["hours"].size(), 24u);
    EXPECT_EQ(talpCli("day 366 --json").exitCode, 2);
    EXPECT_EQ(talpCli("day 5 --hour 25 --json").exitCode, 2);
}

}  // namespace
