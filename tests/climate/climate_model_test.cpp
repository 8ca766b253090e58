// The climate model actions: which model supplies the outdoor temperature, and what
// applying a region or a station does to the project.

#include <gtest/gtest.h>

#include <cstdio>

#include "climate/climate_model.h"
#include "climate/sine_parameters.h"
#include "core/numeric.h"
#include "tests/files/temp_dir.h"

namespace talp {
namespace {

using testing::TempDir;

// A station year whose months have constant temperatures.
std::string stationYear(const std::array<double, 12>& monthly)
{
    std::string text;
    for (int i = 0; i < 6; ++i) text += "header\n";
    int hour = 0;
    for (std::size_t m = 0; m < 12; ++m)
        for (int h = 0; h < kMonthLengths[m] * kHoursPerDay; ++h) {
            char line[32];
            std::snprintf(line, sizeof line, "%4d %5.1f\n", ++hour, monthly[m]);
            text += line;
        }
    return text;
}

constexpr std::array<double, 12> kWarmJuly{-2, 0, 4, 8, 12, 16, 18, 16, 12, 8, 4, 0};

// An installation with region 4's data file and two stations, the second without its file.
struct Installed {
    TempDir dir;
    ClimateContext context;
    Installed()
    {
        std::filesystem::create_directories(dir / "sys");
        dir.write("sys/_klima_4.met", "region 4\n");
        dir.write("sys/kstat.txt", "10384;Berlin-Tempelhof;Deutschland;;;146;113;\n6700;Geneve-Cointrin;Schweiz;;;105;149;\n");
        dir.write("sys/_klima10384.met", stationYear(kWarmJuly));
        context.installation = {dir.path(), dir.path()};
    }
};

void expectMarkedChanged(const Project& p)
{
    EXPECT_TRUE(p.modified);
    EXPECT_TRUE(p.RecalcNeeded);
    EXPECT_TRUE(p.OptRecalcNeeded);
}

Project unchangedProject()
{
    Project p;
    p.modified = p.RecalcNeeded = p.OptRecalcNeeded = false;
    return p;
}

TEST(RegionApplication, RegionFourGivesItsSineParametersAndFile)
{
    Project p = unchangedProject();
    p.set(Param::klimaregion, 3);
    applyRegion(p);
    EXPECT_NEAR(static_cast<double>(p.get(Param::max_monatsmittel)), 17.4, 1e-12);
    EXPECT_NEAR(static_cast<double>(p.get(Param::jahresmittel)), 9.1, 1e-12);
    EXPECT_NEAR(static_cast<double>(p.get(Param::min_monatsmittel)), 0.8, 1e-12);
    EXPECT_EQ(monthName(p.getInt(Param::monat_sinusspitze), false), "Juli");
    EXPECT_EQ(p.getInt(Param::tag_sinusspitze), 20);
    const CouplingRecord& c = p.climateCoupling;
    EXPECT_TRUE(c.valid);
    EXPECT_EQ(c.fileName, "sys/_klima_4.met");
    EXPECT_EQ(c.columnCount, 1);
    EXPECT_EQ(c.columns[0], (ColumnDescriptor{9, 4, 1, 'A'}));
    EXPECT_EQ(c.headerLines, 4);
    expectMarkedChanged(p);
}

TEST(RegionApplication, EveryRegionEndsWithTheMinimumMirrored)
{
    for (int n = 1; n <= kRegionCount; ++n) {
        Project p;
        p.set(Param::klimaregion, n - 1);
        applyRegion(p);
        const ClimateRegion& r = climateRegion(n);
        EXPECT_NEAR(static_cast<double>(p.get(Param::min_monatsmittel)), static_cast<double>(2 * r.annualMean - r.highestMonthlyMean), 1e-12) << n;
        EXPECT_EQ(peakDayOf(p), r.peakDay) << n;
        EXPECT_EQ(p.climateCoupling.fileName, regionClimateFile(n));
    }
    Project none = unchangedProject();
    none.set(Param::klimaregion, -1);
    applyRegion(none);
    EXPECT_FALSE(none.modified);
}

TEST(RegionApplication, AMissingDataFileStopsItWithTheInstallationMessage)
{
    Installed installed;
    Project p = unchangedProject();
    p.set(Param::klimaregion, 4);  // region 5: its file is not installed
    const Project before = p;
    const std::optional<Message> missing = applyRegionChecked(p, installed.context.installation);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->text.de, kClimateFileMissing.de);
    EXPECT_EQ(missing->text.en, "File not found. Please repeat setup-procedure.");
    EXPECT_TRUE(p == before);
    EXPECT_FALSE(p.modified);

    p.set(Param::klimaregion, 3);
    EXPECT_FALSE(applyRegionChecked(p, installed.context.installation));
    EXPECT_EQ(p.climateCoupling.fileName, "sys/_klima_4.met");
    ASSERT_TRUE(checkRegionMap(installed.context.installation, 4));
    EXPECT_EQ(checkRegionMap(installed.context.installation, 4)->text.de,
              "Karte der Klimaregion nicht gefunden. Bitte wiederholen Sie die Installation.");
}

TEST(ClimateModels, SineRegionAndFileModels)
{
    Installed installed;
    Project p = unchangedProject();
    initialiseClimate(p);
    EXPECT_TRUE(p.climateCoupling.valid);
    EXPECT_EQ(p.getInt(Param::klimaregion), 3);

    selectSineModel(p);
    EXPECT_EQ(p.klimaModell, "sin");
    EXPECT_FALSE(climateFileInUse(p));
    expectMarkedChanged(p);

    // The region model with nothing chosen takes the remembered region.
    p.set(Param::klimaregion, -1);
    installed.context.remembered.regionIndex = 8;
    selectRegionModel(p, installed.context);
    EXPECT_EQ(p.klimaModell, "region");
    EXPECT_EQ(p.getInt(Param::klimaregion), 8);
    EXPECT_EQ(p.climateCoupling.fileName, "sys/_klima_9.met");

    // A refused coupling dialog goes back to the region model, an accepted one keeps the
    // record the dialog filled.
    p.climateCoupling = defaultClimateCoupling();
    p.climateCoupling.valid = true;
    p.climateCoupling.fileName = "/home/planer/wetter.dat";
    selectFileModel(p, installed.context, true);
    EXPECT_EQ(p.klimaModell, "sim");
    EXPECT_EQ(p.climateCoupling.fileName, "/home/planer/wetter.dat");
    selectFileModel(p, installed.context, false);
    EXPECT_EQ(p.klimaModell, "region");
    EXPECT_EQ(p.climateCoupling.fileName, "sys/_klima_9.met");
}

TEST(ClimateModels, StationModelDrawsAStationAndDerivesItsSine)
{
    Installed installed;
    installed.context.randomStation = [](int count) {
        EXPECT_EQ(count, 2);
        return 0;
    };
    Project p = unchangedProject();
    EXPECT_FALSE(selectStationModel(p, installed.context));
    EXPECT_EQ(p.klimaModell, "euro");
    EXPECT_EQ(p.getInt(Param::AuswKlimastation), 0);
    EXPECT_EQ(installed.context.remembered.stationIndex, 0);
    const CouplingRecord& c = p.climateCoupling;
    EXPECT_TRUE(c.valid);
    EXPECT_EQ(c.fileName, "sys/_klima10384.met");
    EXPECT_EQ(c.columns[0], (ColumnDescriptor{5, 3, 1, 'A'}));
    EXPECT_EQ(c.headerLines, 6);
    // January -2, July 18, annual mean 8: peak on day 198 (17 July).
    EXPECT_NEAR(static_cast<double>(p.get(Param::max_monatsmittel)), 18, 1e-9);
    EXPECT_NEAR(static_cast<double>(p.get(Param::min_monatsmittel)), -2, 1e-9);
    EXPECT_NEAR(static_cast<double>(p.get(Param::jahresmittel)), 8, 1e-9);
    EXPECT_EQ(p.getInt(Param::monat_sinusspitze), 6);
    EXPECT_EQ(p.getInt(Param::tag_sinusspitze), 17);
    expectMarkedChanged(p);
}

TEST(ClimateModels, AStationWithoutItsDataFileIsReported)
{
    Installed installed;
    Project p;
    p.set(Param::AuswKlimastation, 1);
    installed.context.stations = readStationList(installed.dir / "sys/kstat.txt").list;
    installed.context.stationsRead = true;
    const long double max = p.get(Param::max_monatsmittel);
    const std::optional<Message> failed = applyStation(p, installed.context);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->text.de, kClimateFileMissing.de);
    EXPECT_EQ(p.climateCoupling.fileName, "sys/_klima6700.met");
    EXPECT_EQ(p.get(Param::max_monatsmittel), max);
}

TEST(ClimateModels, AMissingStationListIsReportedAndLeavesNoStation)
{
    TempDir empty;
    ClimateContext context;
    context.installation = {empty.path(), empty.path()};
    Project p;
    const std::optional<Message> failed = selectStationModel(p, context);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->text.de, kClimateFileMissing.de);
    EXPECT_EQ(p.klimaModell, "euro");
    EXPECT_EQ(context.stations.count(), 0);
    EXPECT_EQ(p.getInt(Param::AuswKlimastation), -1);
}

TEST(ClimateModels, TheStationListIsReadEachTimeTheModelIsChosen)
{
    // The list broken after its first station: that station stays, and the message comes at
    // every choice of the model, not only the first.
    Installed installed;
    installed.dir.write("sys/kstat.txt", "10384;Berlin-Tempelhof;Deutschland;;;146;113;\n7;Nirgendwo;;;;x;y;\n");
    for (int choice = 0; choice < 2; ++choice) {
        Project p;
        const std::optional<Message> failed = selectStationModel(p, installed.context);
        ASSERT_TRUE(failed);
        EXPECT_EQ(failed->text.de, kClimateFileMissing.de);
        EXPECT_EQ(installed.context.stations.count(), 1);
    }
    // Repaired, the next choice reads the whole list.
    installed.dir.write("sys/kstat.txt", "10384;Berlin-Tempelhof;Deutschland;;;146;113;\n6700;Geneve-Cointrin;Schweiz;;;105;149;\n");
    Project p;
    EXPECT_FALSE(selectStationModel(p, installed.context));
    EXPECT_EQ(installed.context.stations.count(), 2);
}

TEST(ClimateModels, RefreshAndLoadReapplyTheStoredModel)
{
    Installed installed;
    installed.context.stations = readStationList(installed.dir / "sys/kstat.txt").list;
    installed.context.stationsRead = true;
    installed.context.remembered.stationIndex = 0;
    Project p;
    p.klimaModell = "euro";
    p.set(Param::AuswKlimastation, 1);
    EXPECT_FALSE(refreshClimateModel(p, installed.context));
    EXPECT_EQ(p.getInt(Param::AuswKlimastation), 0);
    EXPECT_EQ(p.climateCoupling.fileName, "sys/_klima10384.met");

    Project loaded;
    loaded.klimaModell = "region";
    loaded.set(Param::klimaregion, 11);
    EXPECT_FALSE(applyLoadedClimateModel(loaded, installed.context));
    EXPECT_EQ(loaded.climateCoupling.fileName, "sys/_klima_12.met");
    loaded.klimaModell = "sin";
    EXPECT_FALSE(applyLoadedClimateModel(loaded, installed.context));
    EXPECT_FALSE(loaded.climateCoupling.valid);
    // A user's file stays as the project stored it.
    loaded.klimaModell = "sim";
    loaded.climateCoupling.valid = true;
    EXPECT_FALSE(applyLoadedClimateModel(loaded, installed.context));
    EXPECT_TRUE(loaded.climateCoupling.valid);
}

TEST(ClimateModels, InputsFollowTheModel)
{
    EXPECT_TRUE(climateInputState("sin").sineInputs);
    EXPECT_FALSE(climateInputState("sin").postalCode);
    EXPECT_TRUE(climateInputState("region").regionList);
    EXPECT_TRUE(climateInputState("region").postalCode);
    EXPECT_FALSE(climateInputState("region").sineInputs);
    EXPECT_TRUE(climateInputState("sim").fileButton);
    EXPECT_FALSE(climateInputState("euro").fileButton);
    EXPECT_TRUE(climateInputState("euro").stationList);
    EXPECT_TRUE(isClimateModelKey("euro"));
    EXPECT_FALSE(isClimateModelKey(""));
}

TEST(ClimateModels, ClosingRemembersOnlyRealChoices)
{
    RememberedClimateSelections remembered;
    Project p;
    p.set(Param::klimaregion, 6);
    p.set(Param::AuswKlimastation, -1);
    p.set(Param::monat_sinusspitze, 2);
    rememberClimateSelections(p, remembered);
    EXPECT_EQ(remembered.regionIndex, 6);
    EXPECT_EQ(remembered.stationIndex, -1);
    EXPECT_EQ(remembered.peakMonthIndex, 2);
    p.set(Param::klimaregion, -1);
    rememberClimateSelections(p, remembered);
    EXPECT_EQ(remembered.regionIndex, 6);
}

}  // namespace
}  // namespace talp
