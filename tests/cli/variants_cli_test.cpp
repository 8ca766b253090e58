// talp-cli sweep and export-csv as a script drives them: the study's lines against single
// runs, its refusals, and the CSV files read back with the separator rules.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

#include "talp_cli_process.h"
#include "tests/files/csv_reading.h"
#include "tests/files/temp_dir.h"

namespace talp {
namespace {

using testing::readCsv;
using testing::runTalpCli;

std::string contentOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CliSweep, EachLineAgreesWithTheRunOfItsVariant)
{
    const auto sweep = runTalpCli("sweep klima=region klimaregion=4 rohrlnge=40..60:20 VentilatorNach=0..1 --json", false);
    ASSERT_EQ(sweep.exitCode, 0) << sweep.out;
    std::istringstream lines(sweep.out);
    int variants = 0;
    for (std::string line; std::getline(lines, line); ++variants) {
        const auto variant = nlohmann::json::parse(line);
        const std::string inputs = "rohrlnge=" + std::to_string(variant["rohrlnge"].get<int>()) +
                                   " VentilatorNach=" + std::to_string(variant["VentilatorNach"].get<int>());
        const auto run = runTalpCli("run klima=region klimaregion=4 " + inputs + " --json", false);
        ASSERT_EQ(run.exitCode, 0);
        const auto single = nlohmann::json::parse(run.out);
        for (const auto& [key, value] : single.items()) {
            ASSERT_TRUE(variant.contains(key)) << key;
            if (value.is_null()) {
                EXPECT_TRUE(variant[key].is_null()) << key;
                continue;
            }
            const double a = variant[key].get<double>(), b = value.get<double>();
            EXPECT_LE(std::fabs(a - b), 1e-8 * std::max(std::fabs(b), 1e-6)) << inputs << " " << key;
        }
        EXPECT_GT(variant["AirVelocity"].get<double>(), 0);
    }
    EXPECT_EQ(variants, 4);
}

TEST(CliSweep, RefusesWhatIsNoGridAndAsksBeforeAHugeOne)
{
    const auto refused = [](const std::string& arguments, const std::string& reason) {
        const auto r = runTalpCli("sweep " + arguments);
        EXPECT_EQ(r.exitCode, 2) << arguments;
        EXPECT_NE(r.out.find(reason), std::string::npos) << r.out;
    };
    refused("rohranzahl=3", "no range NAME=FROM..TO:STEP given");
    refused("rohrlnge=150..250:50", "must be within 1 .. 200, not 250");
    refused("rohrlnge=40..60:5 rohrlnge=70..80:5", "'rohrlnge' is given two ranges");
    refused("geb_vol=1..1000 luftstrom=1..1000", "the grid has 1000000 variants; give --yes");
    refused("rohrlaenge=1..2", "unknown parameter 'rohrlaenge'");
}

TEST(CliSweep, WritesTheStudyAsCsvForASpreadsheet)
{
    testing::TempDir dir;
    const auto file = dir / "studie.csv";
    ASSERT_EQ(runTalpCli("sweep rohranzahl=1..3 rohrdurchmesser=200..300:100 --csv " + file.string() + " --lang en",
                         false)
                  .exitCode,
              0);
    const auto rows = readCsv(contentOf(file), Language::English);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0][0], "Number of pipes");
    EXPECT_EQ(rows[0][1], "Pipe diameter in mm");
    EXPECT_EQ(rows[0][3], "Heat gain in kWh");
    EXPECT_EQ(rows[6][0], "3");
    EXPECT_EQ(rows[6][1], "300");
    long double heat = 0;
    EXPECT_TRUE(testing::csvNumberIn(rows[6][3], Language::English, heat));
    EXPECT_GT(heat, 0);
}

TEST(CliExportCsv, AnnualHoursAndDailyProfileReadBackInEitherLanguage)
{
    testing::TempDir dir;
    for (const Language language : {Language::German, Language::English}) {
        const std::string lang = language == Language::German ? "de" : "en";
        const auto annual = dir / ("jahr-" + lang + ".csv");
        ASSERT_EQ(runTalpCli("export-csv rohranzahl=3 " + annual.string() + " --lang " + lang, false).exitCode, 0);
        const auto hours = readCsv(contentOf(annual), language);
        ASSERT_EQ(hours.size(), 8761u);
        ASSERT_EQ(hours[0].size(), 10u);  // the condensate at the model's humidity
        EXPECT_EQ(hours[0][6], language == Language::German ? "Temperatur nach EWT in °C" : "EHX outlet temperature in °C");
        long double value = 0;
        for (std::size_t line = 1; line < hours.size(); line += 101)
            for (const std::string& field : hours[line])
                EXPECT_TRUE(testing::csvNumberIn(field, language, value)) << line << ": " << field;

        const auto daily = dir / ("tag-" + lang + ".csv");
        ASSERT_EQ(runTalpCli("export-csv " + daily.string() + " --lang " + lang + " --daily 183 14", false).exitCode, 0);
        const auto profile = readCsv(contentOf(daily), language);
        ASSERT_EQ(profile.size(), 101u);
        EXPECT_EQ(profile[100][0], "100");
        EXPECT_TRUE(testing::csvNumberIn(profile[100][1], language, value));
        EXPECT_EQ(value, 50);  // the default pipe length at the last segment
    }
    EXPECT_EQ(runTalpCli("export-csv " + (dir / "a.csv").string() + " --daily 366 1").exitCode, 2);
    EXPECT_EQ(runTalpCli("export-csv " + (dir / "a.csv").string() + " --daily 5").exitCode, 2);
    EXPECT_EQ(runTalpCli("export-csv " + (dir / "fehlt" / "a.csv").string()).exitCode, 1);
}

}  // namespace
}  // namespace talp
