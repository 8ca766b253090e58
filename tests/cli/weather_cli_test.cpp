// Weather files through talp-cli: import-weather, run --climate-file and the condensation
// figures of run --json. The weather files are written by the tests.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "../files/temp_dir.h"
#include "../files/weather_samples.h"
#include "talp_cli_process.h"

namespace talp {
namespace {

using nlohmann::json;
using testing::runTalpCli;
using testing::TempDir;

std::string quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

json jsonOf(const testing::CliResult& r)
{
    EXPECT_EQ(r.exitCode, 0) << r.out;
    return r.exitCode == 0 ? json::parse(r.out) : json();
}

// The monthly means of the sample year.
std::vector<double> sampleMonthlyMeans()
{
    std::vector<double> means;
    int hour = 0;
    for (int days : kMonthLengths) {
        long double sum = 0;
        for (int i = 0; i < days * kHoursPerDay; ++i) sum += testing::sampleTemperature(++hour);
        means.push_back(static_cast<double>(sum / (days * kHoursPerDay)));
    }
    return means;
}

TEST(CliWeather, ImportWeatherWritesTheClimateFileAndPrintsWhatItHolds)
{
    TempDir dir;
    const struct {
        const char* name;
        std::string content;
        const char* kind;
        const char* location;
        int sourceHours;
    } files[] = {
        {"try2011.dat", testing::try2011File(), "TRY 2011", "Essen, 51.40 N 6.97 E, 152 m", 8760},
        {"try2015.dat", testing::try2015File(), "TRY 2015/2045", "52.00 N 10.00 E, 162 m", 8760},
        {"leap.epw", testing::epwFile(true), "EPW", "Stockholm Arlanda, SWE, 59.65 N 17.95 E, 61 m", 8784},
    };
    for (const auto& f : files) {
        const auto out = dir / (std::string(f.name) + ".met");
        const json imported = jsonOf(runTalpCli("import-weather " + quoted(dir.write(f.name, f.content)) + " " + quoted(out) + " --json"));
        EXPECT_EQ(imported["kind"], f.kind);
        EXPECT_EQ(imported["location"], f.location);
        EXPECT_EQ(imported["hours"], 8760);
        EXPECT_EQ(imported["sourceHours"], f.sourceHours);
        EXPECT_EQ(imported["climateFile"], out.string());
        EXPECT_EQ(imported["humidityFile"], std::filesystem::path(out).replace_extension(".hum").string());
        EXPECT_EQ(imported["format"], "XXXXXXXXXAAAA.A");
        EXPECT_EQ(imported["headerLines"], 4);
        const std::vector<double> means = sampleMonthlyMeans();
        for (std::size_t m = 0; m < 12; ++m) EXPECT_NEAR(imported["monthlyMeans"][m].get<double>(), means[m], 1e-9) << m;

        // The climate file checks as the coupling dialog's format, with the same sine
        // parameters, and names its source.
        const json checked = jsonOf(runTalpCli("climate-file " + quoted(out)));
        for (const char* key : {"max_monatsmittel", "jahresmittel", "min_monatsmittel", "monat_sinusspitze", "tag_sinusspitze"})
            EXPECT_EQ(checked[key], imported[key]) << key;
        EXPECT_EQ(checked["source"], f.name);
        EXPECT_EQ(checked["location"], f.location);
    }

    const testing::CliResult text = runTalpCli("import-weather " + quoted(dir / "try2015.dat") + " " + quoted(dir / "t.met"));
    ASSERT_EQ(text.exitCode, 0) << text.out;
    EXPECT_EQ(text.out.rfind("TRY 2015/2045 (mittleres Jahr, Bezugszeitraum 1995-2012)\n", 0), 0u) << text.out;
}

TEST(CliWeather, RunOnAWeatherFileEqualsRunOnItsImportAndOnTheSameTemperaturesInAnotherLayout)
{
    TempDir dir;
    const auto epw = dir.write("site.epw", testing::epwFile());
    const json direct = jsonOf(runTalpCli("run --climate-file " + quoted(epw) + " --json"));
    ASSERT_EQ(runTalpCli("import-weather " + quoted(epw) + " " + quoted(dir / "site.met")).exitCode, 0);
    EXPECT_EQ(jsonOf(runTalpCli("run --climate-file " + quoted(dir / "site.met") + " --json")), direct);

    // The temperatures numbered by hour, without a humidity file: the heat figures are the
    // same, the condensation is that of the model's 80 %.
    std::string fixed = "one header line\n";
    for (int h = 1; h <= kHoursPerYear; ++h) fixed += formatIntWidth(h, 6) + formatFixedWidth(testing::sampleTemperature(h), 7, 2) + "\n";
    const json byHand = jsonOf(runTalpCli("run --climate-file " + quoted(dir.write("hours.txt", fixed)) +
                                          " --format XXXXXXAAAA.AA --header 1 --json"));
    for (const auto& [key, value] : direct.items())
        if (key.rfind("Condens", 0) != 0) {
            EXPECT_EQ(byHand[key], value) << key;
        }
    EXPECT_GT(direct["MaxOutdoorTemp"].get<double>(), 29);
    EXPECT_GT(byHand["CondensateKg"].get<double>(), direct["CondensateKg"].get<double>());
}

TEST(CliWeather, RunJsonEndsWithTheCondensationFigures)
{
    TempDir dir;
    const testing::CliResult run = runTalpCli("run kuehlgrenztemp=19 --json");
    const json sine = jsonOf(run);
    // In the order printed: the new figures come after every figure there was before.
    const nlohmann::ordered_json ordered = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& [key, value] : ordered.items()) keys.push_back(key);
    ASSERT_GE(keys.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(keys.end() - 3, keys.end()),
              (std::vector<std::string>{"CondensationHours", "CondensateKg", "CondensateMaxKgPerHour"}));
    EXPECT_EQ(keys.front(), "OperatingHours");
    EXPECT_GT(sine["CondensationHours"].get<int>(), 0);
    EXPECT_GT(sine["CondensateKg"].get<double>(), sine["CondensateMaxKgPerHour"].get<double>());

    // A humidity file that does not read: no figures, and the reason on stderr.
    ASSERT_EQ(runTalpCli("import-weather " + quoted(dir.write("w.epw", testing::epwFile())) + " " + quoted(dir / "w.met")).exitCode, 0);
    dir.write("w.hum", "broken\n");
    const testing::CliResult broken = runTalpCli("run --climate-file " + quoted(dir / "w.met") + " --json", false);
    const json figures = jsonOf(broken);
    EXPECT_TRUE(figures["CondensateKg"].is_null());
    EXPECT_FALSE(figures["HeatingEnergy"].is_null());
    const testing::CliResult withErrors = runTalpCli("run --climate-file " + quoted(dir / "w.met") + " --json");
    EXPECT_NE(withErrors.out.find("Fehler in der Feuchtedatei, Zeile 5"), std::string::npos);
}

TEST(CliWeather, BadWeatherFilesAndContradictoryOptionsAreRefused)
{
    TempDir dir;
    std::string content = testing::epwFile();
    content.replace(content.find("1995,1,1,5,60,"), 14, "1995,1,1,6,60,");
    const auto bad = dir.write("bad.epw", content);
    const testing::CliResult run = runTalpCli("run --climate-file " + quoted(bad));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "Zeile 13: Stunde 01-01 06 folgt nicht auf die vorige (Monat-Tag Stunde)\n");
    const testing::CliResult imported = runTalpCli("import-weather " + quoted(bad) + " " + quoted(dir / "x.met"));
    EXPECT_EQ(imported.exitCode, 1);
    EXPECT_EQ(imported.out, run.out);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.met"));

    EXPECT_EQ(runTalpCli("run --climate-file " + quoted(bad) + " klima=region").exitCode, 2);
    EXPECT_EQ(runTalpCli("run --format XXXXXXXXXAAAA.A").exitCode, 2);
    EXPECT_EQ(runTalpCli("import-weather " + quoted(bad)).exitCode, 2);
    // A fixed-column file that is not one year in the given format.
    EXPECT_EQ(runTalpCli("run --climate-file " + quoted(bad) + " --header 8").out, "Fehler in Datei, Zeile 9\n");
}

}  // namespace
}  // namespace talp
