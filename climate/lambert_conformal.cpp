#include "climate/lambert_conformal.h"

#include <cmath>
#include <numbers>

namespace talp {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kDegree = kPi / 180.0L;

// GRS 80.
constexpr long double kSemiMajorAxis = 6378137.0L;
constexpr long double kFlattening = 1.0L / 298.257222101L;

constexpr long double kFirstParallel = 35.0L * kDegree;
constexpr long double kSecondParallel = 65.0L * kDegree;
constexpr long double kOriginLatitude = 52.0L * kDegree;
constexpr long double kOriginLongitude = 10.0L * kDegree;
constexpr long double kFalseEasting = 4000000.0L;
constexpr long double kFalseNorthing = 2800000.0L;

const long double kEccentricity = std::sqrt(kFlattening * (2.0L - kFlattening));

// The functions m and t of the conformal conic projection on the ellipsoid.
long double m(long double phi)
{
    const long double s = kEccentricity * std::sin(phi);
    return std::cos(phi) / std::sqrt(1.0L - s * s);
}

long double t(long double phi)
{
    const long double s = kEccentricity * std::sin(phi);
    return std::tan(kPi / 4.0L - phi / 2.0L) / std::pow((1.0L - s) / (1.0L + s), kEccentricity / 2.0L);
}

struct Cone {
    long double n, aF, rho0;
};

Cone cone()
{
    const long double m1 = m(kFirstParallel), m2 = m(kSecondParallel);
    const long double t1 = t(kFirstParallel), t2 = t(kSecondParallel);
    Cone c;
    c.n = (std::log(m1) - std::log(m2)) / (std::log(t1) - std::log(t2));
    c.aF = kSemiMajorAxis * m1 / (c.n * std::pow(t1, c.n));
    c.rho0 = c.aF * std::pow(t(kOriginLatitude), c.n);
    return c;
}

}  // namespace

GeographicPosition geographicOfEuropeanLambert(long double easting, long double northing)
{
    static const Cone c = cone();
    const long double x = easting - kFalseEasting;
    const long double y = c.rho0 - (northing - kFalseNorthing);
    const long double rho = std::hypot(x, y);
    const long double theta = std::atan2(x, y);
    const long double tau = std::pow(rho / c.aF, 1.0L / c.n);
    // The latitude of the isometric value tau, by fixed-point iteration (converges to the
    // last digit within a few steps).
    long double phi = kPi / 2.0L - 2.0L * std::atan(tau);
    for (int i = 0; i < 12; ++i) {
        const long double s = kEccentricity * std::sin(phi);
        phi = kPi / 2.0L - 2.0L * std::atan(tau * std::pow((1.0L - s) / (1.0L + s), kEccentricity / 2.0L));
    }
    return {phi / kDegree, (theta / c.n + kOriginLongitude) / kDegree};
}

}  // namespace talp
