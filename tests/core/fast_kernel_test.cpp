#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "core/fast_kernel.h"

namespace talp::fast {
namespace {

// A block of hours from a cold winter night to a hot summer afternoon, with a flow that
// varies and the fan before the pipes.
HourBlock blockOfHours()
{
    HourBlock b;
    b.count = 203;  // not a multiple of any vector width
    for (int i = 0; i < b.count; ++i) {
        b.hour[i] = i;
        b.To[i] = -25.0 + 0.3 * i;
        b.Ts[i] = 4.0 + 0.05 * i;
        b.flow[i] = 300.0 + 7.0 * (i % 13);
        b.velocity[i] = b.flow[i] / 3 / 3600.0 / (3.141592654 * 0.15 * 0.15);
        b.fanPower[i] = 40.0;
    }
    return b;
}

PipeConstants pipes(bool wallResists)
{
    PipeConstants c{};
    c.radius = 0.15;
    c.segmentLength = 0.4;
    c.pipeFactor = 2.6;
    c.soilConductivity = 1.2;
    c.wallResists = wallResists;
    c.arcoshA = wallResists ? 2.7 : 0.0;
    c.fanSegment = 1;
    return c;
}

// Every kernel this processor can run, on the same block: the builds for the baseline
// processor and for wide vectors, by polynomials and by formulas, agree on every hour's
// outlet, heat and sample values.
TEST(FastKernel, EveryBuildAndMethodGivesTheSameBlock)
{
    const AirPolynomials* air = airPolynomials();
    ASSERT_NE(air, nullptr);
    for (const bool wallResists : {true, false}) {
        const PipeConstants c = pipes(wallResists);
        std::vector<std::function<bool(HourBlock&)>> kernels{
            [&](HourBlock& b) { return baseline::segmentsByPolynomials(c, *air, b, true); },
            [&](HourBlock& b) { return baseline::segmentsByFormulas(c, b, true), true; },
        };
        if (hasWideVectors()) {
            kernels.push_back([&](HourBlock& b) { return avx2::segmentsByPolynomials(c, *air, b, true); });
            kernels.push_back([&](HourBlock& b) { return avx2::segmentsByFormulas(c, b, true), true; });
        }
        HourBlock reference = blockOfHours();
        ASSERT_TRUE(kernels.front()(reference));
        for (std::size_t k = 1; k < kernels.size(); ++k) {
            HourBlock b = blockOfHours();
            ASSERT_TRUE(kernels[k](b)) << k;
            for (int i = 0; i < b.count; ++i) {
                EXPECT_NEAR(b.T[i], reference.T[i], 1e-9) << "kernel " << k << " hour " << i;
                EXPECT_NEAR(b.heat[i], reference.heat[i], 1e-9 * std::fabs(reference.heat[i])) << "kernel " << k << " hour " << i;
                for (int s = 0; s < kSamples; ++s) {
                    EXPECT_NEAR(b.sampleAir[s][i], reference.sampleAir[s][i], 1e-9);
                    EXPECT_NEAR(b.sampleWall[s][i], reference.sampleWall[s][i], 1e-9);
                }
            }
        }
    }
}

// One hour far beyond the polynomials' range spoils its block for them, on every build.
TEST(FastKernel, AirBeyondThePolynomialsRangeRejectsTheBlock)
{
    const AirPolynomials* air = airPolynomials();
    ASSERT_NE(air, nullptr);
    HourBlock b = blockOfHours();
    b.To[17] = air->lowest - 40;
    EXPECT_FALSE(baseline::segmentsByPolynomials(pipes(true), *air, b, false));
    if (hasWideVectors()) {
        b = blockOfHours();
        b.To[200] = std::nan("");
        EXPECT_FALSE(avx2::segmentsByPolynomials(pipes(true), *air, b, false));
    }
}

}  // namespace
}  // namespace talp::fast
