// The presets a new project opens with, as the installation carries them: a project whose
// soil values are those of the soil type it names, in the climate of region 4, with a fan
// and prices of a project of today; the backup the same project.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "climate/climate_model.h"
#include "core/soil.h"
#include "files/project_file.h"

namespace talp {
namespace {

std::string bytesOf(const char* file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class InstalledPresets : public ::testing::TestWithParam<const char*> {};

TEST_P(InstalledPresets, NameTheirSoilWithItsValuesAndOpenOnRegionFour)
{
    // The tests run beside the installation data, as the program does.
    const ProjectFileLoad load = loadProjectFile(GetParam());
    ASSERT_TRUE(load.ok) << load.fault;
    EXPECT_EQ(load.version, RecordVersion::Current);
    const Project& p = load.project;

    const SoilPreset& soil = soilPresets()[kDefaultSoilPreset];
    EXPECT_EQ(p.erdreich, soil.name.de);
    EXPECT_EQ(p.get(Param::dichte), soil.density);
    EXPECT_EQ(p.get(Param::wrmekapazitt), soil.heatCapacity);
    EXPECT_EQ(p.get(Param::wrmeleitfhigkeit), soil.conductivity);

    EXPECT_EQ(p.klimaModell, kRegionModel);
    EXPECT_EQ(p.getInt(Param::klimaregion), 3);  // the list's index of region 4
    EXPECT_TRUE(p.climateCoupling.valid);
    EXPECT_EQ(p.climateCoupling.fileName, "sys/_klima_4.met");

    // A fan with losses and the exchanger's own pressure drop, within the ranges the help
    // gives as typical; prices and rates of today, the maintenance amount following its
    // percentage of the fixed investment.
    EXPECT_GE(p.get(Param::wirkungsgrad), 0.4L);
    EXPECT_LE(p.get(Param::wirkungsgrad), 0.7L);
    EXPECT_GE(p.get(Param::druckabfallPa_fest), 20);
    EXPECT_LE(p.get(Param::druckabfallPa_fest), 100);
    EXPECT_GE(p.getInt(Param::strompreis), 20);
    EXPECT_GT(p.getInt(Param::heizpreis), 8);
    EXPECT_LT(p.getInt(Param::khlpreis), p.getInt(Param::strompreis));
    EXPECT_LE(p.get(Param::zinssatz), 6);
    EXPECT_LE(p.get(Param::inflation), 3);
    EXPECT_GE(p.get(Param::einflation), p.get(Param::inflation));
    EXPECT_EQ(p.get(Param::wartungskosten_dm), p.get(Param::wartungskosten_pz) * p.get(Param::fest_inv) / 100);
    // The pipes and the ventilation are those of the parameter table.
    const Project defaults;
    for (Param geometry : {Param::rohranzahl, Param::rohrlnge, Param::rohrdurchmesser, Param::verlegungstiefe,
                           Param::AbstandzwRohren, Param::AbsGebaeude, Param::luftstrom, Param::geb_vol})
        EXPECT_EQ(p.get(geometry), defaults.get(geometry)) << static_cast<int>(geometry);
}

INSTANTIATE_TEST_SUITE_P(PresetsAndBackup, InstalledPresets, ::testing::Values("sys/TalpPre.tlp", "sys/TalpPre.sav"));

TEST(InstalledPresetsBackup, IsTheSameProjectAsThePresets)
{
    const std::string presets = bytesOf("sys/TalpPre.tlp");
    EXPECT_FALSE(presets.empty());
    EXPECT_EQ(bytesOf("sys/TalpPre.sav"), presets);
}

}  // namespace
}  // namespace talp
