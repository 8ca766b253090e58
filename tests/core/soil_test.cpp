#include <gtest/gtest.h>

#include "core/soil.h"

namespace talp {
namespace {

TEST(SoilPresets, ChoosingATypeSetsItsValuesAndName)
{
    Project p;
    applySoilPreset(p, 7, Language::German);
    EXPECT_EQ(p.erdreich, "Sandstein");
    EXPECT_EQ(p.get(Param::dichte), 2250);
    EXPECT_EQ(p.get(Param::wrmekapazitt), 0.71L);
    EXPECT_EQ(p.get(Param::wrmeleitfhigkeit), 1.87L);
    markSoilUserDefined(p, Language::German);
    EXPECT_EQ(p.erdreich, "benutzerdefiniert");
    markSoilUserDefined(p, Language::English);
    EXPECT_EQ(p.erdreich, "user-defined");

    applySoilPreset(p, 3, Language::English);
    EXPECT_EQ(p.erdreich, "moist loamy soil");
    applySoilPreset(p, 9, Language::German);  // no such item: nothing changes
    EXPECT_EQ(p.erdreich, "moist loamy soil");
    EXPECT_EQ(soilPresets()[kDefaultSoilPreset].name.de, "lehmig feucht");
}

TEST(SoilPresets, EveryPresetLiesWithinTheInputBounds)
{
    for (const SoilPreset& preset : soilPresets()) {
        Project p;
        applySoilPreset(p, static_cast<int>(&preset - soilPresets().data()), Language::German);
        EXPECT_EQ(p.get(Param::dichte), preset.density);
        EXPECT_EQ(p.get(Param::wrmekapazitt), preset.heatCapacity);
        EXPECT_EQ(p.get(Param::wrmeleitfhigkeit), preset.conductivity);
    }
}

TEST(SoilLabels, ShowValueAndUnit)
{
    EXPECT_EQ(soilValueLabel(SoilValue::Density, 1800, Language::German), " Dichte: 1800.0 kg/m³ ");
    EXPECT_EQ(soilValueLabel(SoilValue::HeatCapacity, 1.34L, Language::German), " Wärmekapazität: 1.34 kJ/(kg K) ");
    EXPECT_EQ(soilValueLabel(SoilValue::Conductivity, 0.714L, Language::English),
              " Thermal conductivity: 0.71 W/(m K) ");
    EXPECT_EQ(groundwaterLabel(20, Language::German), " 20.0 m tief ");
    EXPECT_EQ(groundwaterLabel(3.25L, Language::English), " 3.2 m depth ");
    EXPECT_EQ(cutToCharacters("Wärme", 2), "Wä");
}

}  // namespace
}  // namespace talp
