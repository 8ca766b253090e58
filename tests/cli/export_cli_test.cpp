// talp-cli's exports as a script drives them: the files they write and their exit codes.

#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

int talpCli(const std::string& arguments)
{
    const std::string command = std::string(TALP_CLI) + " " + arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> lines(const fs::path& file)
{
    std::ifstream in(file);
    std::vector<std::string> all;
    for (std::string line; std::getline(in, line);) all.push_back(line);
    return all;
}

class CliExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("talp-cli-export-" + std::to_string(::getpid()) + "-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST_F(CliExport, AnnualWritesTheAnnualAndTheSegmentFile)
{
    ASSERT_EQ(talpCli("export-annual " + (dir / "jahr.tpj").string()), 0);
    const auto annual = lines(dir / "jahr.tpj");
    const auto segment = lines(dir / "jahr.tps");
    ASSERT_EQ(annual.size(), 15u + 8760u);
    ASSERT_EQ(segment.size(), 18u + 8760u);
    EXPECT_EQ(annual[0], "TALP - Jahresauswertung -");
    EXPECT_EQ(annual[2], "Projektname:  Unbenannt");
    EXPECT_EQ(annual[15].substr(0, 9), " 1  1  1 ");
    EXPECT_EQ(segment[0], "TALP - Segmentauswertung -");

    ASSERT_EQ(talpCli("export-annual --lang en rohranzahl=3 " + (dir / "year.tpj").string()), 0);
    EXPECT_EQ(lines(dir / "year.tpj")[0], "TALP - annual analysis -");
}

TEST_F(CliExport, DailyWritesTheProfileOfTheHour)
{
    ASSERT_EQ(talpCli("export-daily --day 183 --hour 14 " + (dir / "tag.tpt").string()), 0);
    const auto daily = lines(dir / "tag.tpt");
    ASSERT_EQ(daily.size(), 16u + 100u);
    EXPECT_EQ(daily[4], "2. Juli, 14:00");
    EXPECT_EQ(daily[115].substr(0, 11), "100   50.0 ");
    ASSERT_EQ(talpCli("export-daily --day 1 --hour 1 --lang en " + (dir / "day.tpt").string()), 0);
    EXPECT_EQ(lines(dir / "day.tpt")[4], "1. January, 1:00");
}

TEST_F(CliExport, MistakesAndFilesThatCannotBeWritten)
{
    EXPECT_EQ(talpCli("export-annual --lang fr " + (dir / "a.tpj").string()), 2);
    EXPECT_EQ(talpCli("export-daily --hour 3 " + (dir / "a.tpt").string()), 2);  // no day
    EXPECT_EQ(talpCli("export-daily --day 366 " + (dir / "a.tpt").string()), 2);
    EXPECT_EQ(talpCli("export-annual"), 2);
    EXPECT_EQ(talpCli("export-annual " + (dir / "missing" / "a.tpj").string()), 1);
    EXPECT_EQ(talpCli("export-daily --day 5 " + (dir / "missing" / "a.tpt").string()), 1);
    EXPECT_FALSE(fs::exists(dir / "a.tpj"));
}

}  // namespace
