// talp-cli's economics and optimisation as a script drives them: exit codes and JSON.

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <set>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "evaluation/combination_record.h"
#include "evaluation/optimisation_files.h"

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

std::string contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(CliOptimise, ShardsOfTheExhaustiveSearchMergeIntoTheFilesOfOneMachine)
{
    // As a batch scheduler's array jobs run it: one shard per job, then one merge.
    const auto dir = std::filesystem::temp_directory_path() / ("talp-cli-shards-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    const std::string search = " --exhaustive --threads 2 --max-velocity 10 --lang en heizpreis=30 --ranges "
                               "rohranzahl=1..2,rohrlnge=10..20,rohrdurchmesser=100..200,verlegungstiefe=1..2,"
                               "AbstandzwRohren=1..2";
    const Result whole = talpCli("optimise --dir " + (dir / "whole").string() + search + " --pareto " +
                                 (dir / "front.csv").string());
    ASSERT_EQ(whole.exitCode, 0) << whole.out;
    const nlohmann::json w = nlohmann::json::parse(whole.out);
    EXPECT_EQ(w["mode"], "exhaustive");
    EXPECT_EQ(w["end"], "all-done");
    EXPECT_GT(w["skipped"].get<long long>(), 0);  // the 100 mm pipes carry the air at over 10 m/s
    const long long frontPoints = w["pareto"]["points"].get<long long>();
    EXPECT_GT(frontPoints, 0);

    std::string shards;
    for (int k = 1; k <= 3; ++k) {
        const std::string folder = (dir / ("shard" + std::to_string(k))).string();
        const Result part = talpCli("optimise --dir " + folder + search + " --shard " + std::to_string(k) + "/3");
        ASSERT_EQ(part.exitCode, 0) << part.out;
        EXPECT_EQ(nlohmann::json::parse(part.out)["shard"], std::to_string(k) + "/3");
        shards += " " + folder;
    }
    const Result merged = talpCli("optimise-merge --dir " + (dir / "merged").string() + shards);
    ASSERT_EQ(merged.exitCode, 0) << merged.out;
    const nlohmann::json m = nlohmann::json::parse(merged.out);
    EXPECT_EQ(m["evaluated"], w["evaluated"]);
    EXPECT_EQ(m["skipped"], w["skipped"]);
    for (const char* file : {"sys/OptFile.dat", "sys/OptKomb.dat", "sys/OptStand.txt"})
        EXPECT_EQ(contents(dir / "merged" / file), contents(dir / "whole" / file)) << file;
    // The logs differ in the date line of their headers only.
    const auto withoutDate = [](std::string log) { return log.erase(0, log.find("\n\n", log.find("Date"))); };
    EXPECT_EQ(withoutDate(contents(dir / "merged" / "Optimum.log")), withoutDate(contents(dir / "whole" / "Optimum.log")));

    // The front of the merged files, in English: ',' between the fields.
    const Result front = talpCli("optimise --continue --dir " + (dir / "merged").string() + search + " --pareto " +
                                 (dir / "merged.csv").string());
    ASSERT_EQ(front.exitCode, 0) << front.out;
    EXPECT_EQ(nlohmann::json::parse(front.out)["evaluated"], w["evaluated"]);  // nothing left to evaluate
    EXPECT_EQ(contents(dir / "merged.csv"), contents(dir / "front.csv"));
    const std::string csv = contents(dir / "front.csv");
    EXPECT_EQ(csv.substr(3, csv.find('\r') - 3),
              "Number of pipes,Pipe length in m,Pipe diameter in mm,Distance between pipes in m,Depth of pipes in m,"
              "Fan,Energy gains in kWh/a,Internal interest rate in %,Payback time in a,Investment in €");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), frontPoints + 1);

    // A shard missing: refused with the reason, exit code 1.
    const Result partial = talpCli("optimise-merge --dir " + (dir / "partial").string() + " " + (dir / "shard1").string());
    EXPECT_EQ(partial.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "partial" / "Optimum.log"));
    std::filesystem::remove_all(dir);
}

TEST(CliOptimise, SigtermIsAStopAndContinuingSkipsNothing)
{
    // A batch system ends a job with SIGTERM: the search stops as with the Stop button, and
    // --continue goes on with combinations not yet in sys/OptKomb.dat, none twice.
    const auto dir = std::filesystem::temp_directory_path() / ("talp-cli-sigterm-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string dirText = dir.string();
    const std::string output = (dir / "out.json").string();
    // 1 and 2 pipes, every length, 100 to 200 mm: hundreds of combinations, far more than are done
    // before the signal arrives.
    std::vector<std::string> words{TALP_CLI, "optimise", "--seed", "3", "--threads", "2", "--dir", dirText,
                                   "--ranges", "rohranzahl=1..2,rohrdurchmesser=100..200,fan=before"};
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, TALP_CLI, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);

    const auto evaluatedFile = dir / "sys" / "OptKomb.dat";
    std::error_code ec;
    int status = 0;
    while (std::filesystem::file_size(evaluatedFile, ec) < 3 * talp::kCombinationRecordSize || ec) {
        ASSERT_EQ(::waitpid(child, &status, WNOHANG), 0) << "the search ended before it was stopped";
        ::usleep(2000);
    }
    ::kill(child, SIGTERM);
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::ifstream in(output);
    const nlohmann::json stopped = nlohmann::json::parse(in);
    EXPECT_EQ(stopped["end"], "cancelled");
    const long long recorded = static_cast<long long>(std::filesystem::file_size(evaluatedFile) / talp::kCombinationRecordSize);
    EXPECT_EQ(stopped["evaluated"].get<long long>(), recorded);

    const Result more = talpCli("optimise --continue --seed 3 --threads 2 --max-combinations 6 --dir " + dirText +
                                " --ranges rohranzahl=1..2,rohrdurchmesser=100..200,fan=before");
    ASSERT_EQ(more.exitCode, 0) << more.out;
    EXPECT_EQ(nlohmann::json::parse(more.out)["evaluated"].get<long long>(), recorded + 6);
    const auto records = talp::readCombinationRecords(evaluatedFile);
    ASSERT_TRUE(records);
    std::set<talp::CombinationKey> distinct;
    for (const talp::CombinationRecord& r : *records) distinct.insert(talp::keyOf(r.geometry));
    EXPECT_EQ(records->size(), static_cast<std::size_t>(recorded + 6));
    EXPECT_EQ(distinct.size(), records->size());
    std::filesystem::remove_all(dir);
}

}  // namespace
