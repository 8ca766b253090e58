#include <gtest/gtest.h>

#include <cmath>

#include "core/hvac.h"

namespace talp {
namespace {

TEST(FanEnergy, DefaultPipesGiveTheKnownFigures)
{
    // 2 pipes, 50 m, 500 mm, 1000 m³/h, 1 Pa, efficiency 1.0.
    const Project p;
    const FanEnergy fan = BerechneVentLstg(p, 2, 250, 50, 1000);
    const long double reynolds = 1000.0L / (2 * 1.8L * 3.14L * 250 * 1.4e-5L);
    EXPECT_NEAR(static_cast<double>(reynolds), 25276, 1);
    EXPECT_NEAR(static_cast<double>(0.3164L / std::pow(reynolds, 0.25L)), 0.0251, 5e-5);
    EXPECT_NEAR(static_cast<double>(fan.pipePressureDrop), 1.13, 0.005);
    EXPECT_NEAR(static_cast<double>(fan.specificEnergy), 0.00059, 0.000005);
    EXPECT_NEAR(static_cast<double>(fan.specificEnergy * 1000), 0.59, 0.005);

    const FanDisplay display = VentLstgUpdate(p);
    EXPECT_EQ(display.ventilatorleistung, "0.00059");
    EXPECT_EQ(display.ventilatorleistungW, "0.59");
    EXPECT_EQ(display.druckabfallPa_Ges, "2.13");
}

TEST(FanEnergy, NoFlowNoFan)
{
    Project p;
    p.set(Param::luftstrom, 0);
    const FanDisplay display = VentLstgUpdate(p);
    EXPECT_EQ(display.ventilatorleistung, "0");
    EXPECT_EQ(display.ventilatorleistungW, "0");
    EXPECT_EQ(display.druckabfallPam, "0");
    EXPECT_EQ(display.druckabfallPa_Ges, "0");
    EXPECT_EQ(BerechneVentLstg(p, 2, 250, 50, 0).pipePressureDrop, 0);
}

TEST(AirFlowConsistency, VolumeAirChangeAndFlowFollowEachOther)
{
    Project p;
    p.set(Param::geb_vol, 1000);
    p.set(Param::luftwechsel, 1.0L);
    applyAirChangeChange(p);
    EXPECT_EQ(p.get(Param::luftstrom), 1000.0L);

    p.set(Param::luftstrom, 1234);
    applyAirFlowChange(p);
    EXPECT_EQ(p.get(Param::luftwechsel), std::nearbyint(1.234L * 100) / 100);

    // Beyond 20 air changes per hour the flow is capped.
    p.set(Param::luftstrom, 25000);
    applyAirFlowChange(p);
    EXPECT_EQ(p.get(Param::luftwechsel), 20);
    EXPECT_EQ(p.get(Param::luftstrom), 20000);

    p.set(Param::geb_vol, 333.3L);
    applyBuildingVolumeChange(p);
    EXPECT_EQ(p.get(Param::luftstrom), std::nearbyint(333.3L * 20 * 10) / 10);  // rounded to 0.1 m³/h
}

TEST(AirFlowConsistency, AVolumeChangeDerivesTheAirChangeFromTheRoundedFlow)
{
    Project p;
    p.set(Param::luftwechsel, 0.37L);
    p.set(Param::geb_vol, 1);
    applyBuildingVolumeChange(p);
    EXPECT_EQ(p.get(Param::luftstrom), 0.4L);
    EXPECT_EQ(p.get(Param::luftwechsel), 0.4L);

    // The largest building at the highest air change: the flow at its bound.
    p.set(Param::luftwechsel, 20);
    p.set(Param::geb_vol, 100000);
    applyBuildingVolumeChange(p);
    EXPECT_EQ(p.get(Param::luftstrom), 2000000);
    EXPECT_EQ(p.get(Param::luftwechsel), 20);
}

Project withBuildingFile(const char* letters)
{
    Project p;
    p.HlkModus = "sim";
    p.buildingCoupling.valid = true;
    p.buildingCoupling.columnCount = 0;
    for (const char* c = letters; *c; ++c)
        p.buildingCoupling.columns[static_cast<std::size_t>(p.buildingCoupling.columnCount++)].letter = *c;
    return p;
}

TEST(HvacRules, TypedValuesApplyWithoutABuildingFile)
{
    Project p;
    HvacRules rules = hvacRules(p);
    EXPECT_TRUE(rules.limitRule);
    EXPECT_FALSE(rules.controlByPeriod);
    EXPECT_EQ(rules.offset, 0);
    EXPECT_FALSE(hvacVisibility(p).periodButton);

    p.set(Param::EWT_Reg_offset, 0);  // control by period
    rules = hvacRules(p);
    EXPECT_TRUE(rules.controlByPeriod);
    EXPECT_FALSE(rules.limitRule);
    EXPECT_EQ(rules.offset, -100);
    EXPECT_TRUE(hvacVisibility(p).periodButton);

    // "sim" without an accepted file is still the typed mode.
    p.HlkModus = "sim";
    EXPECT_FALSE(hvacRules(p).flowFromFile);
}

TEST(HvacRules, AFlowColumnHidesTheControlAndItsRules)
{
    Project p = withBuildingFile("VS");
    p.set(Param::EWT_Reg_offset, 0);
    const HvacVisibility v = hvacVisibility(p);
    EXPECT_FALSE(v.flowInputs);
    EXPECT_FALSE(v.limits);
    EXPECT_FALSE(v.controlChoice);
    EXPECT_FALSE(v.periodButton);
    EXPECT_TRUE(v.fixedPressureDrop);  // no "P": the fan is still computed
    const HvacRules rules = hvacRules(p);
    EXPECT_TRUE(rules.flowFromFile);
    EXPECT_TRUE(rules.setPointFromFile);
    EXPECT_FALSE(rules.fanPowerFromFile);
    EXPECT_EQ(rules.flowColumn, 0);
    EXPECT_EQ(rules.setPointColumn, 1);
    EXPECT_FALSE(rules.controlByPeriod);  // hidden, so no calendar is asked
    EXPECT_FALSE(rules.limitRule);
    EXPECT_EQ(rules.offset, -100);
}

TEST(HvacRules, FanPowerAndSetPointColumnsHideTheirInputsOnly)
{
    const Project p = withBuildingFile("PS");
    const HvacVisibility v = hvacVisibility(p);
    EXPECT_TRUE(v.flowInputs);
    EXPECT_TRUE(v.limits);
    EXPECT_FALSE(v.setPoint);
    EXPECT_FALSE(v.fanDisplays);
    EXPECT_FALSE(v.fixedPressureDrop);
    EXPECT_FALSE(v.efficiency);
    const HvacRules rules = hvacRules(p);
    EXPECT_TRUE(rules.limitRule);
    EXPECT_EQ(rules.fanPowerColumn, 0);
    EXPECT_EQ(rules.offset, 0);
}

}  // namespace
}  // namespace talp
