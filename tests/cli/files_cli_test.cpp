// talp-cli on project files and hourly data files, as a user's script drives it. The
// fixture files are made with the engine; the program reads them through its process.

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "core/numeric.h"
#include "files/coupling_acceptance.h"
#include "files/extended_real.h"
#include "files/project_file.h"
#include "talp_cli_process.h"
#include "../files/temp_dir.h"

namespace talp {
namespace {

using testing::runTalpCli;
using testing::TempDir;
using nlohmann::json;

std::string quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

// A climate year in the default format: a sine about 9 °C peaking on day 200.
std::string climateYear()
{
    std::string text = "h1\nh2\nh3\nh4\n";
    for (int d = 1; d <= kDaysPerYear; ++d)
        for (int h = 1; h <= kHoursPerDay; ++h)
            text += "hour " + formatIntWidth((d - 1) * 24 + h, 4) +
                    formatFixedWidth(9 + 9 * std::cos(6.283185308 * (d - 200) / 365.0), 6, 1) + "\n";
    return text;
}

TEST(CliProjectFiles, NewWritesTheDefaultsWithOverridesAndRunReadsThem)
{
    TempDir dir;
    const auto file = dir / "p.tlp";
    const auto made = runTalpCli("new " + quoted(file) + " rohrlnge=80 rohranzahl=4");
    ASSERT_EQ(made.exitCode, 0) << made.out;
    EXPECT_EQ(std::filesystem::file_size(file), 3952u);

    const auto dumped = runTalpCli("dump " + quoted(file));
    ASSERT_EQ(dumped.exitCode, 0) << dumped.out;
    const json d = json::parse(dumped.out);
    EXPECT_EQ(d["version"], "TALP 1.00");
    EXPECT_EQ(d["rohranzahl"], 4);
    EXPECT_EQ(d["rohrlnge"], 80.0);
    EXPECT_EQ(d["erdreich"], "lehmig feucht");
    EXPECT_EQ(d["HlkModus"], "quasistat");
    EXPECT_EQ(d["SegmentDepth"].size(), 100u);
    EXPECT_EQ(d["calendar"].size(), 12u);
    EXPECT_EQ(d["buildingCoupling"]["format"], "XXXXXXXXXVVVV.VXSSSS.S");

    const auto fromFile = runTalpCli("run " + quoted(file) + " --json");
    const auto fromOverrides = runTalpCli("run rohrlnge=80 rohranzahl=4 --json");
    ASSERT_EQ(fromFile.exitCode, 0) << fromFile.out;
    EXPECT_EQ(json::parse(fromFile.out), json::parse(fromOverrides.out));
    // Overrides apply over the file's project.
    const auto overridden = runTalpCli("run " + quoted(file) + " rohrlnge=50 rohranzahl=2 --json");
    EXPECT_EQ(json::parse(overridden.out), json::parse(runTalpCli("run --json").out));
}

TEST(CliProjectFiles, UpgradeAndDumpOfAnOldFile)
{
    TempDir dir;
    const RecordBytes current = encodeProject(Project{});
    std::vector<unsigned char> old(current.size() - 20);
    std::copy(current.begin(), current.begin() + 24, old.begin());
    std::copy(current.begin() + 44, current.end(), old.begin() + 24);
    const std::string tag = "TALP 0.92";
    std::copy(tag.begin(), tag.end(), old.begin() + 1);
    writeExtended(&old[38], 125.0L);  // the radius of a 250 mm pipe
    const auto file = dir.writeBytes("old.tlp", old);

    // Dump shows the upgraded record and leaves the file alone.
    const auto dumped = runTalpCli("dump " + quoted(file));
    ASSERT_EQ(dumped.exitCode, 0) << dumped.out;
    const json d = json::parse(dumped.out);
    EXPECT_EQ(d["fileVersion"], "TALP 0.92");
    EXPECT_EQ(d["rohrdurchmesser"], 250.0);
    EXPECT_EQ(d["kellerkwert"], 0.8);
    EXPECT_EQ(TempDir::read(file), old);

    const auto upgraded = runTalpCli("upgrade " + quoted(file));
    ASSERT_EQ(upgraded.exitCode, 0) << upgraded.out;
    EXPECT_EQ(json::parse(upgraded.out)["from"], "TALP 0.92");
    EXPECT_EQ(std::filesystem::file_size(file), 3952u);
    EXPECT_EQ(json::parse(runTalpCli("upgrade " + quoted(file)).out)["upgraded"], false);
}

TEST(CliProjectFiles, UnreadableFilesExitWithTheOpenMessage)
{
    TempDir dir;
    const auto garbage = dir.write("garbage.tlp", "not a project");
    for (const std::string command : {"run ", "dump ", "upgrade "}) {
        const auto r = runTalpCli(command + quoted(garbage));
        EXPECT_EQ(r.exitCode, 1) << command << r.out;
        EXPECT_NE(r.out.find("Datei nicht gefunden oder defekt. Talp-Voreinstellungen werden geöffnet."), std::string::npos)
            << command << r.out;
    }
    EXPECT_EQ(runTalpCli("run " + quoted(dir / "missing.tlp")).exitCode, 1);
    EXPECT_EQ(runTalpCli("dump").exitCode, 2);
}

TEST(CliClimateFile, ChecksTheFileAndPrintsItsSineParameters)
{
    TempDir dir;
    const auto file = dir.write("climate.txt", climateYear());
    const auto r = runTalpCli("climate-file " + quoted(file) + " --format XXXXXXXXXAAAA.A --header 4");
    ASSERT_EQ(r.exitCode, 0) << r.out;
    const json j = json::parse(r.out);
    EXPECT_EQ(j["monthlyMeans"].size(), 12u);
    EXPECT_NEAR(j["peakDay"].get<int>(), 200, 3);
    EXPECT_EQ(j["monat_sinusspitze"], "Juli");
    EXPECT_NEAR(j["jahresmittel"].get<double>(), 9.0, 0.5);

    std::string bad = climateYear();
    bad.replace(bad.find("hour   10"), 15, "hour   10 XX.X");
    const auto badFile = dir.write("bad.txt", bad);
    const auto rejected = runTalpCli("climate-file " + quoted(badFile));
    EXPECT_EQ(rejected.exitCode, 1);
    EXPECT_NE(rejected.out.find("Fehler in Datei, Zeile 14"), std::string::npos) << rejected.out;

    const auto syntax = runTalpCli("climate-file " + quoted(file) + " --format XXXXVVV.V");
    EXPECT_EQ(syntax.exitCode, 1);
    EXPECT_NE(syntax.out.find("Syntax Error in Format String"), std::string::npos);
    EXPECT_NE(runTalpCli("climate-file " + quoted(dir / "none.txt")).out.find("Datei kann nicht geöffnet werden"),
              std::string::npos);
}

TEST(CliClimateFile, ARunUsesTheProjectsCoupledFiles)
{
    TempDir dir;
    const auto climate = dir.write("climate.txt", climateYear());
    Project p;
    ASSERT_TRUE(acceptCoupling(p, CouplingKind::Climate, {climate.string(), "XXXXXXXXXAAAA.A", 4}, nullptr).accepted());
    p.klimaModell = "sim";
    const auto file = dir / "coupled.tlp";
    ASSERT_FALSE(saveProjectFile(file, p));

    const auto r = runTalpCli("run " + quoted(file) + " --json");
    ASSERT_EQ(r.exitCode, 0) << r.out;
    const json j = json::parse(r.out);
    EXPECT_NEAR(j["MaxOutdoorTemp"].get<double>(), 18.0, 0.06);  // the file's warmest hour
    EXPECT_NEAR(j["MinOutdoorTemp"].get<double>(), 0.0, 0.06);

    // The file is checked again when the project is opened: a broken file stops the run.
    std::filesystem::resize_file(climate, 5000);
    const auto broken = runTalpCli("run " + quoted(file) + " --json");
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_NE(broken.out.find("Fehler in Datei, Zeile"), std::string::npos) << broken.out;
}

}  // namespace
}  // namespace talp
