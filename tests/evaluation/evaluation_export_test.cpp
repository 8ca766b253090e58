// The annual (.tpj), segment (.tps) and daily (.tpt) export files: headers, the field
// widths of every data line (checked against the C library's formats) and the writing.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "../files/temp_dir.h"
#include "evaluation/annual_export.h"
#include "evaluation/daily_export.h"

namespace talp {
namespace {

namespace fs = std::filesystem;

// 2 July 13:00 (day 183, hour of the year 4381) runs; 13:00 of 3 July runs with the soil
// at segment 50 as warm as the outdoor air; 1 January 1:00 is off with values just below
// zero, and at 2:00 the exchanger runs and cools the air a hair, an efficiency just below
// zero; everything else is 0.
SimulationResults knownYear()
{
    SimulationResults r;
    r.HourlyOutdoorTemp(1, 1) = -0.04L;
    r.HourlyHeatGain(1, 1) = -0.049L;
    r.SampleAirTemp(1, 1) = -0.02L;
    r.HourlyAirFlow(1, 2) = 100;
    r.HourlyOutdoorTemp(1, 2) = 5;
    r.HourlyOutletTemp(1, 2) = 4.99L;
    r.SampleSoilTemp(5, 2) = 10;
    r.HourlyAirFlow(183, 13) = 250;
    r.HourlyOutdoorTemp(183, 13) = 10;
    r.HourlyOutletTemp(183, 13) = 13;
    r.HourlyHeatGain(183, 13) = 0.25L;
    r.HourlyFanPower(183, 13) = 12.5L;
    r.SampleSoilTemp(5, 4381) = 14;
    r.SampleAirTemp(9, 4381) = 13;
    r.SampleWallTemp(1, 4381) = -3.25L;
    r.HourlyAirFlow(184, 13) = 250;
    r.HourlyOutdoorTemp(184, 13) = 4;
    r.HourlyOutletTemp(184, 13) = 6;
    r.SampleSoilTemp(5, 4405) = 4;
    r.HourlyOutdoorTemp(365, 24) = -7.75L;
    return r;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the text ends with a line end";
    return lines;
}

// The values are printed as the extended reals they are, so that a half-way value rounds
// as in the file.
std::string printed(const char* format, long double value)
{
    char b[64];
    std::snprintf(b, sizeof b, format, value);
    return b;
}
std::string printed(const char* format, int value)
{
    char b[64];
    std::snprintf(b, sizeof b, format, value);
    return b;
}

std::string contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(AnnualExport, HeaderAndEveryHourByTheFieldWidths)
{
    const SimulationResults r = knownYear();
    const auto lines = linesOf(annualFileText(r, "/home/planer/haus.tlp", Language::German));
    ASSERT_EQ(lines.size(), 15u + 8760u);
    EXPECT_EQ(lines[0], "TALP - Jahresauswertung -");
    EXPECT_EQ(lines[2], "Projektname: haus.tlp");
    EXPECT_EQ(lines[10], "Wärmefluß                    kW");
    EXPECT_EQ(lines[13], "Format = (3(I2,1X), I1, 1X, F6.1, 1X, F4.1, 1X, F4.1, 1X, F6.1, 1X, F4.4, 1X)");
    EXPECT_EQ(lines[14], "");
    EXPECT_EQ(lines[15 + 4380], " 7  2 13 1    250.0   10.0   13.0      0.2   12.5000 ");
    EXPECT_EQ(lines.back(), "12 31 24 0      0.0   -7.8    0.0      0.0    0.0000 ");
    // Other programs compare these files with those of other installations: a value that
    // rounds to zero from below is written "-0.0", as the format writes it.
    EXPECT_EQ(lines[15], " 1  1  1 0      0.0   -0.0    0.0     -0.0    0.0000 ");

    std::size_t index = 15;
    int d = 0;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= kMonthLengths[static_cast<std::size_t>(month - 1)]; ++day) {
            ++d;
            for (int h = 1; h <= 24; ++h) {
                const long double flow = r.HourlyAirFlow(d, h);
                const std::string expected =
                    printed("%2d ", month) + printed("%2d ", day) + printed("%2d ", h) +
                    printed("%1d ", flow != 0 ? 1 : 0) + printed("%8.1Lf ", flow) +
                    printed("%6.1Lf ", r.HourlyOutdoorTemp(d, h)) +
                    printed("%6.1Lf ", r.HourlyOutletTemp(d, h)) +
                    printed("%8.1Lf ", r.HourlyHeatGain(d, h)) +
                    printed("%9.4Lf ", r.HourlyFanPower(d, h));
                ASSERT_EQ(lines[index++], expected) << month << "/" << day << " " << h;
            }
        }

    // A zero that carries a sign bit (0 × a negative factor) is no negative value.
    SimulationResults signedZero;
    signedZero.HourlyHeatGain(1, 1) = -0.0L;
    signedZero.HourlyOutletTemp(1, 1) = -0.0L;
    EXPECT_EQ(linesOf(annualFileText(signedZero, {}, Language::German))[15],
              " 1  1  1 0      0.0    0.0    0.0      0.0    0.0000 ");

    const auto english = linesOf(annualFileText(r, {}, Language::English));
    EXPECT_EQ(english[0], "TALP - annual analysis -");
    EXPECT_EQ(english[2], "Project name:  Unbenannt");
    EXPECT_EQ(english[11], "Fan power                     W");
}

TEST(AnnualExport, SegmentFileWithEfficiencyAndNineSegments)
{
    const SimulationResults r = knownYear();
    const auto lines = linesOf(segmentFileText(r, 40, {}, Language::German));
    ASSERT_EQ(lines.size(), 18u + 8760u);
    EXPECT_EQ(lines[0], "TALP - Segmentauswertung -");
    EXPECT_EQ(lines[2], "Projektname:  Unbenannt");
    EXPECT_EQ(lines[9], "9x für Segmente 1, 8, 22, 36, 50, 64, 78, 92, 100");
    EXPECT_EQ(lines[16],
              "Format = (3(I2,1X), F4.1, 1X, F4.1, 1X, F3.2, 1X, 9(I3, 1X, F4.1, 1X, F4.1, 1X, F4.1, 1X, F4.1, 1X))");
    // Efficiency (13 − 10) / (14 − 10); segment 1 at 0.4 m, segment 100 at the pipe's end.
    const std::string& july = lines[18 + 4380];
    EXPECT_EQ(july.substr(0, 30), " 7  2 13   10.0   13.0   0.75 ");
    EXPECT_EQ(july.size(), 30u + 9u * 32u);
    EXPECT_EQ(july.substr(30, 32), "  1    0.4    0.0   -3.2    0.0 ");
    EXPECT_EQ(july.substr(30 + 8 * 32), "100   40.0   13.0    0.0    0.0 ");
    // Off: no efficiency; running with soil as warm as the outdoor air: 0, not a division by 0.
    EXPECT_EQ(lines[18 + 4381].substr(0, 30), " 7  2 14    0.0    0.0   0.00 ");
    EXPECT_EQ(lines[18 + 4404].substr(0, 30), " 7  3 13    4.0    6.0   0.00 ");
    // Values just below zero keep their sign: the outdoor and the air temperature of
    // 1 January 1:00, and the efficiency (4.99 − 5) / (10 − 5) of 2:00.
    EXPECT_EQ(lines[18].substr(0, 62), " 1  1  1   -0.0    0.0   0.00   1    0.4   -0.0    0.0    0.0 ");
    EXPECT_EQ(lines[19].substr(0, 30), " 1  1  2    5.0    5.0  -0.00 ");
    EXPECT_EQ(linesOf(segmentFileText(r, 40, {}, Language::English))[11], "   EHX pipe length           m");
}

TEST(AnnualExport, SavingAsJahrWritesJahrTpjAndJahrTps)
{
    testing::TempDir dir;
    const SimulationResults r = knownYear();
    EXPECT_EQ(segmentFileName("/tmp/jahr.tpj"), fs::path("/tmp/jahr.tps"));
    EXPECT_TRUE(exportAnnualEvaluation(dir.path() / "jahr.tpj", r, 40, {}, Language::German).empty());
    EXPECT_EQ(contents(dir.path() / "jahr.tpj"), annualFileText(r, {}, Language::German));
    EXPECT_EQ(contents(dir.path() / "jahr.tps"), segmentFileText(r, 40, {}, Language::German));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST(AnnualExport, EachFileThatCannotBeWrittenIsReportedAndNothingIsLeftHalfWritten)
{
    testing::TempDir dir;
    const SimulationResults r = knownYear();
    const auto missing = exportAnnualEvaluation(dir.path() / "none" / "jahr.tpj", r, 40, {}, Language::German);
    ASSERT_EQ(missing.size(), 2u);
    EXPECT_EQ(missing[0].text.de, "Fehler beim Erstellen der Datei.");
    EXPECT_EQ(missing[0].text.en, "File creation error");

    // A folder holds the annual file's name: it stays, the segment file is still written.
    fs::create_directories(dir.path() / "jahr.tpj" / "inside");
    EXPECT_EQ(exportAnnualEvaluation(dir.path() / "jahr.tpj", r, 40, {}, Language::German).size(), 1u);
    EXPECT_TRUE(fs::is_directory(dir.path() / "jahr.tpj" / "inside"));
    EXPECT_TRUE(fs::is_regular_file(dir.path() / "jahr.tps"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST(DailyExport, ProfileOfTheShownHour)
{
    SimulationResults r;
    for (int s = 1; s <= kSegments; ++s) {
        r.DayAirTemp(14, s) = 5 + 0.1L * s;
        r.DayWallTemp(14, s) = 8 + 0.01L * s;
        r.DaySoilTemp(14, s) = 9.5L;
        r.DayHeatFluxDensity(14, s) = -12.34L * s;
    }
    r.DaySoilTemp(14, 1) = -0.01L;
    const ShownHour shown{12, 6, 14};
    const auto lines = linesOf(dailyFileText(r, shown, 40, "garten.tlp", Language::German));
    ASSERT_EQ(lines.size(), 16u + 100u);
    EXPECT_EQ(lines[2], "Projektname: garten.tlp");
    EXPECT_EQ(lines[4], "12. Juli, 14:00");
    EXPECT_EQ(lines[12], "Wärmefluß           W/m2");
    EXPECT_EQ(lines[14], "Format = (I3, 1X, F4.1, 1X, F4.1, 1X, F4.1, 1X, F4.1, 1X, F6.1, 1X)");
    EXPECT_EQ(lines[16], "  1    0.4    5.1    8.0   -0.0    -12.3 ");
    EXPECT_EQ(lines[115], "100   40.0   15.0    9.0    9.5  -1234.0 ");
    for (int s = 1; s <= 100; ++s)
        EXPECT_EQ(lines[static_cast<std::size_t>(15 + s)],
                  printed("%3d ", s) + printed("%6.1Lf ", 40.0L * s * 0.01L) +
                      printed("%6.1Lf ", r.DayAirTemp(14, s)) +
                      printed("%6.1Lf ", r.DayWallTemp(14, s)) +
                      printed("%6.1Lf ", r.DaySoilTemp(14, s)) +
                      printed("%8.1Lf ", r.DayHeatFluxDensity(14, s)));

    const auto english = linesOf(dailyFileText(r, shown, 40, {}, Language::English));
    EXPECT_EQ(english[2], "Project name: Unbenannt");
    EXPECT_EQ(english[4], "12. July, 14:00");

    testing::TempDir dir;
    EXPECT_FALSE(exportDailyEvaluation(dir.path() / "tag.tpt", r, shown, 40, {}, Language::German));
    EXPECT_EQ(contents(dir.path() / "tag.tpt"), dailyFileText(r, shown, 40, {}, Language::German));
    const auto failed = exportDailyEvaluation(dir.path() / "none" / "tag.tpt", r, shown, 40, {}, Language::German);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->text.de, "Fehler beim Erstellen der Datei!");
    EXPECT_EQ(failed->text.en, "Error while creating file!");
}

}  // namespace
}  // namespace talp
