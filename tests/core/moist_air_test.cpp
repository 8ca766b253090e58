// The moist-air formulas the heat model and the condensation estimate share.

#include <gtest/gtest.h>

#include "core/moist_air.h"
#include "core/simulation.h"

namespace talp {
namespace {

TEST(MoistAir, SaturationPressureFollowsTheMagnusFormOfTheModel)
{
    EXPECT_EQ(saturationVapourPressure(0), 610.7L);
    // 610.7 · 10^(7.5 · 20 / 257) = 2342 Pa at 20 °C, the tabulated 2339 Pa within 0.2 %.
    EXPECT_NEAR(static_cast<double>(saturationVapourPressure(20)), 2339.0, 4.0);
    EXPECT_NEAR(static_cast<double>(saturationVapourPressure(-10)), 286.0, 1.0);
}

TEST(MoistAir, TheSimulationsHumidityIsEightyPercentAtTheModelPressure)
{
    for (long double T : {-15.0L, 0.0L, 12.5L, 31.0L})
        EXPECT_EQ(humidityRatio(T), humidityRatioAt(T, kModelRelativeHumidity, kModelAirPressure)) << static_cast<double>(T);
    // 20 °C, 80 %: 0.622 · 1873.6 / (100000 − 1873.6) = 11.88 g/kg.
    EXPECT_NEAR(static_cast<double>(humidityRatio(20)), 0.011876, 5e-6);
}

TEST(MoistAir, RelativeHumidityInvertsTheHumidityRatio)
{
    for (long double T : {-20.0L, 0.0L, 25.0L})
        for (long double phi : {0.05L, 0.5L, 1.0L})
            for (long double p : {90000.0L, 101325.0L}) {
                const long double x = humidityRatioAt(T, phi, p);
                EXPECT_NEAR(static_cast<double>(relativeHumidityOf(x, T, p)), static_cast<double>(phi), 1e-15);
            }
    EXPECT_EQ(relativeHumidityOf(0, 10, 100000), 0);
}

}  // namespace
}  // namespace talp
