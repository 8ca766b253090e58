// The grid of the 2015/2045 test reference years in degrees.

#include <gtest/gtest.h>

#include <cmath>

#include "climate/lambert_conformal.h"

namespace talp {
namespace {

constexpr long double kDegree = 3.14159265358979323846L / 180;

// The northing of a latitude on the central meridian, by bisection.
long double northingOf(long double latitude)
{
    long double low = -5e6L, high = 8e6L;
    for (int i = 0; i < 200; ++i) {
        const long double middle = (low + high) / 2;
        (geographicOfEuropeanLambert(4000000, middle).latitude < latitude ? low : high) = middle;
    }
    return (low + high) / 2;
}

// True length of 1000 m of grid along a parallel: the longitude it spans times the radius
// of the parallel on the GRS 80 ellipsoid.
long double trueLengthOfGridKilometre(long double latitude)
{
    const long double y = northingOf(latitude);
    const long double dLambda =
        (geographicOfEuropeanLambert(4000500, y).longitude - geographicOfEuropeanLambert(3999500, y).longitude) * kDegree;
    const long double e2 = 0.00669438002290L, s = std::sin(latitude * kDegree);
    return dLambda * 6378137.0L * std::cos(latitude * kDegree) / std::sqrt(1 - e2 * s * s);
}

TEST(LambertConformal, TheGridsOriginAndCentralMeridian)
{
    const GeographicPosition origin = geographicOfEuropeanLambert(4000000, 2800000);
    EXPECT_NEAR(static_cast<double>(origin.latitude), 52.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(origin.longitude), 10.0, 1e-12);
    const GeographicPosition north = geographicOfEuropeanLambert(4000000, 2900000);
    EXPECT_NEAR(static_cast<double>(north.longitude), 10.0, 1e-12);
    EXPECT_GT(north.latitude, 52.5L);
}

TEST(LambertConformal, TrueToScaleOnTheStandardParallelsOnly)
{
    EXPECT_NEAR(static_cast<double>(trueLengthOfGridKilometre(35)), 1000.0, 0.01);
    EXPECT_NEAR(static_cast<double>(trueLengthOfGridKilometre(65)), 1000.0, 0.01);
    // Between them the grid shrinks the earth, by some 3 % in Germany.
    EXPECT_GT(trueLengthOfGridKilometre(52), 1020);
    EXPECT_LT(trueLengthOfGridKilometre(52), 1040);
}

TEST(LambertConformal, EastAndWestOfTheMeridianMirrorEachOther)
{
    const GeographicPosition east = geographicOfEuropeanLambert(4200000, 2600000);
    const GeographicPosition west = geographicOfEuropeanLambert(3800000, 2600000);
    EXPECT_NEAR(static_cast<double>(east.latitude), static_cast<double>(west.latitude), 1e-12);
    EXPECT_NEAR(static_cast<double>(east.longitude - 10), static_cast<double>(10 - west.longitude), 1e-12);
}

}  // namespace
}  // namespace talp
