#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/air_polynomials.h"
#include "core/fast_simulation.h"
#include "core/numeric.h"
#include "core/simulation.h"

namespace talp::fast {
namespace {

double evaluate(const AirPolynomial& c, double u)
{
    double value = 0;
    for (int k = kAirPolynomialTerms - 1; k >= 0; --k) value = value * u + c[static_cast<std::size_t>(k)];
    return value;
}

// The polynomials against the film conductance and heat capacity flow Stoffwerte gives,
// at temperatures between the check's grid points.
TEST(AirPolynomials, ReproduceTheAirPropertiesOverTheirRange)
{
    const AirPolynomials* p = airPolynomials();
    ASSERT_NE(p, nullptr);
    EXPECT_LE(p->worstRelativeError, kAirPolynomialTolerance);
    EXPECT_LE(p->lowest, -50);
    EXPECT_GE(p->highest, 60);
    const long double r = 0.1L;
    for (const long double velocity : {0.3L, 2.0L, 15.0L}) {
        const double weight = std::pow(2.0 * static_cast<double>(r * velocity), 0.8);
        for (long double T = p->lowest + 0.013L; T < p->highest; T += 1.37L) {
            const AirProperties exact = Stoffwerte(velocity, humidityRatio(T), T, kAirPressure, r);
            const double u = (static_cast<double>(T) - p->centre) * p->inverseHalfWidth;
            const double film = weight * evaluate(p->A, u) - evaluate(p->B, u);
            const long double exactFilm = 6.283185308L * r * exact.heatTransfer;
            EXPECT_NEAR(film, static_cast<double>(exactFilm), 1e-11 * static_cast<double>(evaluate(p->B, u))) << T;
            const long double capacityFlow = 1 / (exact.heatCapacity * exact.density);
            EXPECT_NEAR(evaluate(p->C, u), static_cast<double>(capacityFlow), 1e-12 * static_cast<double>(capacityFlow)) << T;
        }
    }
}

TEST(AirPolynomials, TheCheckRefusesARangeReachingThePoleOfTheFormulas)
{
    // 80 % humid air saturates the air pressure near 106 °C: no polynomial follows that.
    EXPECT_GT(buildAirPolynomials(-80, 110).worstRelativeError, kAirPolynomialTolerance);
}

// Air beyond the polynomials' range, in a climate far colder than any on earth: its blocks
// are computed by the formulas, and the year agrees with the extended path as everywhere
// else.
TEST(AirPolynomials, AirBeyondTheRangeFallsBackToTheFormulas)
{
    Project p;
    p.setExact(Param::jahresmittel, -50);
    p.setExact(Param::max_monatsmittel, 0);  // outdoor air from -106 to 6 °C
    p.setExact(Param::EWT_Reg_offset, 0);    // control by period: every hour runs
    RunGeometry g = geometryOf(p, -1);
    SimulationResults reference;
    ASSERT_TRUE(BerechneEWT(p, g, reference).ok);
    ASSERT_LT(reference.MinOutdoorTemp, airPolynomials()->lowest - 20);
    const auto inputs = prepareFastInputs(p, {});
    FastRunResults fast;
    ASSERT_TRUE(fastAnnualRun(p, *inputs, g, fast, true).ok);
    EXPECT_NEAR(static_cast<double>(fast.HeatingEnergy), static_cast<double>(reference.HeatingEnergy),
                1e-9 * static_cast<double>(reference.HeatingEnergy));
    EXPECT_EQ(fast.OperatingHours, reference.OperatingHours);
    double worst = 0;
    for (int d = 1; d <= kDaysPerYear; ++d)
        for (int h = 1; h <= kHoursPerDay; ++h)
            worst = std::max(worst, std::fabs(fast.outletTemp[static_cast<std::size_t>((d - 1) * 24 + h - 1)] -
                                              static_cast<double>(reference.HourlyOutletTemp(d, h))));
    EXPECT_LT(worst, 1e-6);
}

}  // namespace
}  // namespace talp::fast
