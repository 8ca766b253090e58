// A weather file converted into a climate file of the installation's layout and its
// humidity file: coupled like any climate file, with exactly the results of the same
// temperatures in a fixed-column file of another layout.

#include <gtest/gtest.h>

#include <fstream>

#include "core/calculation_run.h"
#include "files/humidity_file.h"
#include "files/weather_import.h"
#include "temp_dir.h"
#include "weather_samples.h"

namespace talp {
namespace {

using namespace testing;

std::vector<std::string> linesOf(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A test reference year without humidity columns.
std::string withoutHumidity(std::string content)
{
    content.replace(content.find(" x  RF "), 7, " q  rf ");
    return content;
}

class WeatherImportTest : public ::testing::Test {
protected:
    TempDir dir;

    ImportedWeather imported(const std::string& name, const std::string& content, const std::string& target = "out.met")
    {
        const WeatherImport result = importWeatherFile(dir.write(name, content), dir / target);
        EXPECT_TRUE(result.ok()) << result.error.text(Language::English);
        return result.ok() ? *result.imported : ImportedWeather{};
    }
};

TEST_F(WeatherImportTest, WritesTheClimateFileOfTheInstallationsLayoutAndTheHumidityBesideIt)
{
    const ImportedWeather w = imported("TRY2015_test.dat", try2015File());
    EXPECT_EQ(w.climateFile, dir / "out.met");
    EXPECT_EQ(w.humidityFile, dir / "out.hum");
    EXPECT_EQ(w.coupling.fileName, (dir / "out.met").string());
    EXPECT_EQ(w.coupling.format, "XXXXXXXXXAAAA.A");
    EXPECT_EQ(w.coupling.headerLines, 4);

    const std::vector<std::string> met = linesOf(dir / "out.met");
    ASSERT_EQ(met.size(), 4u + kHoursPerYear);
    EXPECT_EQ(met[0], "TALP Klimadatei aus Wetterdatei: TRY2015_test.dat");
    EXPECT_EQ(met[1], "Art: TRY 2015/2045 (mittleres Jahr, Bezugszeitraum 1995-2012)");
    EXPECT_EQ(met[2], "Ort: 52.00 N 10.00 E, 162 m");
    EXPECT_EQ(met[3], "Format XXXXXXXXXAAAA.A (Monat Tag Stunde, Aussenlufttemperatur in Grad C); 8760 Stundenwerte ab "
                      "1. Januar 01:00");
    // The lines of the region files: month, day, hour, the value in the columns after 9.
    EXPECT_EQ(met[4], " 1  1  1   -6.3");
    EXPECT_EQ(met.back(), "12 31 24" + formatFixedWidth(sampleTemperature(kHoursPerYear), 7, 1));
    const std::vector<std::string> hum = linesOf(dir / "out.hum");
    EXPECT_EQ(hum[3], "Format XXXXXXXXXAAAA.A (Monat Tag Stunde, relative Feuchte in %); 8760 Stundenwerte ab 1. Januar 01:00");
    EXPECT_EQ(hum[4], " 1  1  1   31.0");

    // The coupling dialog accepts it as it is filled in, and the humidity reads back.
    Project project;
    ASSERT_TRUE(acceptCoupling(project, CouplingKind::Climate, w.coupling, nullptr).accepted());
    const HumidityYear humidity = readHumidityBeside(project.climateCoupling, nullptr);
    ASSERT_EQ(humidity.status, HumidityYear::Status::Read);
    for (int h = 1; h <= kHoursPerYear; ++h) ASSERT_EQ(humidity.percent[static_cast<std::size_t>(h - 1)], sampleHumidity(h));

    const auto header = importedClimateHeader(dir / "out.met");
    ASSERT_TRUE(header);
    EXPECT_EQ(header->sourceFile, "TRY2015_test.dat");
    EXPECT_EQ(header->kind, "TRY 2015/2045 (mittleres Jahr, Bezugszeitraum 1995-2012)");
    EXPECT_EQ(header->location, "52.00 N 10.00 E, 162 m");
    // The installation's own climate files are no imports.
    EXPECT_FALSE(importedClimateHeader("sys/_klima_4.met"));
}

// Everything a run computes from the outdoor temperatures.
void expectSameResults(const SimulationResults& a, const SimulationResults& b)
{
    for (int d = 1; d <= kDaysPerYear; ++d)
        for (int h = 1; h <= kHoursPerDay; ++h) {
            ASSERT_EQ(a.HourlyOutdoorTemp(d, h), b.HourlyOutdoorTemp(d, h));
            ASSERT_EQ(a.HourlyOutletTemp(d, h), b.HourlyOutletTemp(d, h));
            ASSERT_EQ(a.HourlyAirFlow(d, h), b.HourlyAirFlow(d, h));
            ASSERT_EQ(a.HourlyHeatGain(d, h), b.HourlyHeatGain(d, h));
        }
    for (int k = 1; k <= kSamples; ++k)
        for (int h = 1; h <= kHoursPerYear; ++h) ASSERT_EQ(a.SampleSoilTemp(k, h), b.SampleSoilTemp(k, h));
    EXPECT_EQ(a.HeatingEnergy, b.HeatingEnergy);
    EXPECT_EQ(a.CoolingEnergy, b.CoolingEnergy);
    EXPECT_EQ(a.OperatingHours, b.OperatingHours);
    EXPECT_EQ(a.HeatingEfficiency, b.HeatingEfficiency);
    EXPECT_EQ(a.CoolingEfficiency, b.CoolingEfficiency);
}

TEST_F(WeatherImportTest, AnImportedFileGivesTheResultsOfTheSameTemperaturesInAFixedColumnFile)
{
    // The same year as an hour-numbered file of another layout, coupled by hand.
    std::string fixed = "own layout\nhour temperature\n";
    for (int h = 1; h <= kHoursPerYear; ++h) fixed += formatIntWidth(h, 5) + formatFixedWidth(sampleTemperature(h), 8, 2) + "\n";
    Project byHand;
    ASSERT_TRUE(acceptCoupling(byHand, CouplingKind::Climate, {dir.write("fixed.txt", fixed).string(), "XXXXXAAAAA.AA", 2}, nullptr)
                    .accepted());

    for (const std::string& weather : {try2015File(), try2011File(), epwFile(true)}) {
        Project project;
        ASSERT_TRUE(acceptCoupling(project, CouplingKind::Climate, imported("weather", weather).coupling, nullptr).accepted());
        // The sine parameters for the soil come from the same monthly means.
        for (Param p : {Param::max_monatsmittel, Param::min_monatsmittel, Param::jahresmittel, Param::monat_sinusspitze,
                        Param::tag_sinusspitze})
            EXPECT_EQ(project.get(p), byHand.get(p));

        CalculationRequest request;
        request.openHourlyFile = hourlyFileOpener(nullptr);
        SimulationResults a, b;
        ASSERT_TRUE(runCalculation(project, a, request).success);
        ASSERT_TRUE(runCalculation(byHand, b, request).success);
        expectSameResults(a, b);
    }
}

TEST_F(WeatherImportTest, AWeatherFileWithoutHumidityTakesAwayAnOlderHumidityFile)
{
    imported("first.epw", epwFile());
    ASSERT_TRUE(std::filesystem::exists(dir / "out.hum"));
    const ImportedWeather dry = imported("dry.dat", withoutHumidity(try2015File()));
    EXPECT_FALSE(dry.humidityFile);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.hum"));
    CouplingRecord record;
    record.valid = true;
    record.fileName = (dir / "out.met").string();
    EXPECT_EQ(readHumidityBeside(record, nullptr).status, HumidityYear::Status::None);
}

TEST_F(WeatherImportTest, NothingIsWrittenForABadWeatherFile)
{
    const std::string firstHours = epwFile().substr(0, epwFile().find("1995,1,2,3,"));
    const WeatherImport result = importWeatherFile(dir.write("bad.epw", firstHours), dir / "out.met");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error.text(Language::German), "nur 26 Stunden, ein Jahr hat 8760");
    EXPECT_FALSE(std::filesystem::exists(dir / "out.met"));

    EXPECT_EQ(importWeatherFile(dir.write("a.epw", epwFile()), dir / "out.hum").error.text(Language::English),
              "The climate file must not end in .hum");
    const WeatherImport unwritable = importWeatherFile(dir / "a.epw", dir / "no" / "such" / "folder.met");
    ASSERT_FALSE(unwritable.ok());
    EXPECT_EQ(unwritable.error.text(Language::German).rfind("Datei kann nicht geschrieben werden: ", 0), 0u);
}

TEST_F(WeatherImportTest, AHumidityFileThatDoesNotReadIsRefusedWithItsLine)
{
    const ImportedWeather w = imported("w.epw", epwFile());
    Project project;
    ASSERT_TRUE(acceptCoupling(project, CouplingKind::Climate, w.coupling, nullptr).accepted());
    std::vector<std::string> hum = linesOf(dir / "out.hum");
    const auto rewrite = [&](std::size_t index, const std::string& line) {
        std::vector<std::string> changed = hum;
        changed[index] = line;
        std::string text;
        for (const std::string& l : changed) text += l + "\n";
        dir.write("out.hum", text);
        return readHumidityBeside(project.climateCoupling, nullptr);
    };
    for (const std::string& bad : {std::string(" 1  1 10  abc.d"), std::string(" 1  1 10  150.0"), std::string(" 1  1 10   -1.0")}) {
        const HumidityYear refused = rewrite(13, bad);
        EXPECT_EQ(refused.status, HumidityYear::Status::Refused) << bad;
        EXPECT_EQ(refused.text(Language::German), "Fehler in der Feuchtedatei, Zeile 14") << bad;
        EXPECT_TRUE(refused.percent.empty());
    }
    hum.pop_back();
    EXPECT_EQ(rewrite(13, hum[13]).text(Language::English), "Error in the humidity file, row 8764");
}

}  // namespace
}  // namespace talp
