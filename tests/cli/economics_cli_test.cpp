// talp-cli's economics and optimisation as a script drives them: exit codes and JSON.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <unistd.h>

#include "tests/cli/talp_cli_process.h"

namespace {

using Result = talp::testing::CliResult;

// stdout only: the optimisation reports its end on stderr.
Result talpCli(const std::string& arguments) { return talp::testing::runTalpCli(arguments, false); }

TEST(CliEconomics, RunReportsTheAppraisal)
{
    const Result r = talpCli("run --json heizpreis=30 khlpreis=30");
    ASSERT_EQ(r.exitCode, 0) << r.out;
    const nlohmann::json j = nlohmann::json::parse(r.out);
    // 2 pipes of 50 m, 500 mm: 500 € of pipes, 15 750 € of trenches, 1000 € fixed.
    EXPECT_DOUBLE_EQ(j["Investition"].get<double>(), 17250.0);
    for (const char* key : {"Betriebskosten", "Energieeinsparung", "InternerZinssatz", "Amortisationszeit",
                            "Annuitaet", "Energiepreis"})
        EXPECT_TRUE(j[key].is_number()) << key;
    EXPECT_GT(j["InternerZinssatz"].get<double>(), 0);
    EXPECT_LT(j["Amortisationszeit"].get<double>(), 100);

    // Without a lifetime the annuity and the break-even price have no value.
    const nlohmann::json none = nlohmann::json::parse(talpCli("run --json lebensdauer=0").out);
    EXPECT_TRUE(none["Annuitaet"].is_null());
    EXPECT_TRUE(none["Energiepreis"].is_null());
    EXPECT_EQ(none["InternerZinssatz"].get<double>(), -99);
}

TEST(CliOptimise, SearchesTheRangesAndSummarises)
{
    // One folder per test process, so that builds testing side by side do not meet.
    const auto dir = std::filesystem::temp_directory_path() / ("talp-cli-optimise-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    const std::string common = "--seed 5 --threads 2 --dir " + dir.string() +
                               " --ranges rohranzahl=1..2,rohrlnge=10,rohrdurchmesser=200..100,AbstandzwRohren=1,"
                               "verlegungstiefe=1,fan=before heizpreis=30";
    const Result first = talpCli("optimise " + common + " --max-combinations 2");
    ASSERT_EQ(first.exitCode, 0) << first.out;
    const nlohmann::json a = nlohmann::json::parse(first.out);
    EXPECT_EQ(a["end"], "limit");
    EXPECT_EQ(a["evaluated"], 3);  // the pipe form's geometry and two drawn ones
    EXPECT_EQ(a["total"], 7);      // 2 counts × 3 diameters, and the start outside the ranges

    const Result rest = talpCli("optimise " + common + " --continue");
    ASSERT_EQ(rest.exitCode, 0) << rest.out;
    const nlohmann::json b = nlohmann::json::parse(rest.out);
    EXPECT_EQ(b["end"], "all-done");
    EXPECT_EQ(b["evaluated"], 7);
    EXPECT_TRUE(b["allDone"].get<bool>());
    ASSERT_TRUE(b["bestEnergy"].is_object());
    EXPECT_GE(b["bestEnergy"]["Energiebeitrag"].get<double>(), b["bestRate"]["Energiebeitrag"].get<double>());
    EXPECT_EQ(std::filesystem::file_size(dir / "sys" / "OptKomb.dat"), 7u * 68u);
    std::filesystem::remove_all(dir);

    EXPECT_EQ(talpCli("optimise --ranges rohrlnge=11 --dir " + dir.string()).exitCode, 2);
    EXPECT_EQ(talpCli("optimise Grundwassertiefe=0.5 --dir " + dir.string()).exitCode, 1);
}

}  // namespace
