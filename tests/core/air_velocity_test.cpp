#include <gtest/gtest.h>

#include "core/air_velocity.h"

namespace talp {
namespace {

TEST(AirVelocity, TheFlowSharedByThePipesThroughOneCrossSection)
{
    // 500 m³/h through two pipes of 200 mm: 250 m³/h = 0.0694 m³/s through 0.0314 m².
    EXPECT_NEAR(static_cast<double>(airVelocity(500, 2, 200)), 2.2105, 1e-4);
    // Twice the pipes halve it, twice the diameter quarters it.
    EXPECT_NEAR(static_cast<double>(airVelocity(500, 4, 200)), static_cast<double>(airVelocity(500, 2, 200)) / 2, 1e-12);
    EXPECT_NEAR(static_cast<double>(airVelocity(500, 2, 400)), static_cast<double>(airVelocity(500, 2, 200)) / 4, 1e-12);

    Project p;
    p.set(Param::luftstrom, 500);
    p.set(Param::rohranzahl, 2);
    p.set(Param::rohrdurchmesser, 200);
    EXPECT_EQ(airVelocityOf(p), airVelocity(500, 2, 200));
    EXPECT_EQ(airVelocityText(airVelocityOf(p), Language::German), "Luftgeschwindigkeit in den Rohren: 2.21 m/s");
    EXPECT_EQ(airVelocityText(0.5L, Language::English), "Air velocity in the pipes: 0.50 m/s");
}

}  // namespace
}  // namespace talp
