#include <gtest/gtest.h>

#include "core/hvac.h"
#include "core/hvac_mode.h"

namespace talp {
namespace {

Project withVentilationFile(char letter)
{
    Project p;
    p.buildingCoupling.valid = true;
    p.buildingCoupling.fileName = "C:\\Simulation\\Haus A\\lueftung.txt";
    p.buildingCoupling.columnCount = 1;
    p.buildingCoupling.columns[0].letter = letter;
    applySimMode(p);
    return p;
}

TEST(HvacMode, FileModeHidesWhatTheFileSupplies)
{
    Project p = withVentilationFile('V');
    EXPECT_TRUE(ventilationFileInUse(p));
    EXPECT_FALSE(hvacVisibility(p).flowInputs);
    EXPECT_EQ(hvacFileLabel(p.buildingCoupling, Language::German), "HLK-Datei: lueftung.txt");

    p.buildingCoupling.fileName = "/home/planer/haus.txt";
    EXPECT_EQ(hvacFileLabel(p.buildingCoupling, Language::English), "HVAC-file: haus.txt");
}

TEST(HvacMode, QuasistatTakesTheWindowsValuesAgain)
{
    Project p = withVentilationFile('P');
    applyQuasistatMode(p);
    EXPECT_EQ(p.HlkModus, "quasistat");
    EXPECT_FALSE(ventilationFileInUse(p));
    const HvacVisibility v = hvacVisibility(p);
    EXPECT_TRUE(v.fanDisplays && v.fixedPressureDrop && v.efficiency && v.flowInputs);
    // The file's name stays for the next time the dialog opens.
    EXPECT_EQ(p.buildingCoupling.fileName, "C:\\Simulation\\Haus A\\lueftung.txt");
}

}  // namespace
}  // namespace talp
