#include "core/air_polynomials.h"

#include <algorithm>
#include <cmath>

#include "core/numeric.h"
#include "core/simulation.h"

namespace talp::fast {

namespace {

constexpr long double kPi = 3.141592654L;  // the model's π: K_f = 2π r α with its 2π
constexpr long double kExactPi = 3.14159265358979323846264338327950288L;  // for the interpolation nodes

// The three functions of the air temperature, from the extended-precision formulas.
struct AirFunctions {
    long double A, B, C;
};

AirFunctions airFunctions(long double T)
{
    const MoistAir air = moistAir(humidityRatio(T), T, kAirPressure);
    const long double film = kPi * 0.0214L * prandtlTerm() * air.conductivity;
    return {film * Potenz(air.density / air.viscosity, 0.8L), film * 100.0L, 1.0L / (air.heatCapacity * air.density)};
}

// Interpolates at the Chebyshev nodes of [−1, 1] and returns the coefficients of the powers
// of u, computed in extended precision.
template <typename F>
AirPolynomial interpolate(F f)
{
    constexpr int n = kAirPolynomialTerms;
    std::array<long double, n> values{}, chebyshev{};
    for (int k = 0; k < n; ++k) values[k] = f(std::cos(kExactPi * (k + 0.5L) / n));
    for (int j = 0; j < n; ++j) {
        long double sum = 0;
        for (int k = 0; k < n; ++k) sum += values[k] * std::cos(kExactPi * j * (k + 0.5L) / n);
        chebyshev[j] = sum * 2.0L / n;
    }
    chebyshev[0] /= 2.0L;
    // Σ c_j T_j(u) as powers of u, by the recurrence T_{j+1} = 2u T_j − T_{j−1}.
    std::array<long double, n> power{}, previous{}, current{}, next{};
    previous[0] = 1;
    current[1] = 1;
    power[0] = chebyshev[0];
    power[1] = chebyshev[1];
    for (int j = 1; j + 1 < n; ++j) {
        next.fill(0);
        for (int i = 0; i < n; ++i) {
            if (i + 1 < n) next[i + 1] += 2.0L * current[i];
            next[i] -= previous[i];
        }
        for (int i = 0; i < n; ++i) power[i] += chebyshev[j + 1] * next[i];
        previous = current;
        current = next;
    }
    AirPolynomial coefficients{};
    for (int i = 0; i < n; ++i) coefficients[i] = static_cast<double>(power[i]);
    return coefficients;
}

double evaluate(const AirPolynomial& c, double u)
{
    double value = c[kAirPolynomialTerms - 1];
    for (int k = kAirPolynomialTerms - 2; k >= 0; --k) value = value * u + c[k];
    return value;
}

}  // namespace

AirPolynomials buildAirPolynomials(double lowest, double highest)
{
    AirPolynomials p{};
    p.lowest = lowest;
    p.highest = highest;
    p.centre = (lowest + highest) / 2;
    const long double halfWidth = (static_cast<long double>(highest) - lowest) / 2;
    p.inverseHalfWidth = static_cast<double>(1.0L / halfWidth);
    const auto at = [&](long double u) { return airFunctions(p.centre + halfWidth * u); };
    p.A = interpolate([&](long double u) { return at(u).A; });
    p.B = interpolate([&](long double u) { return at(u).B; });
    p.C = interpolate([&](long double u) { return at(u).C; });

    // The check: every 0.05 K over the range, as the fast path evaluates them.
    double worst = 0;
    const int steps = static_cast<int>(std::ceil((highest - lowest) / 0.05));
    for (int i = 0; i <= steps; ++i) {
        const double T = std::min(highest, lowest + i * 0.05);
        const double u = (T - p.centre) * p.inverseHalfWidth;
        const AirFunctions exact = airFunctions(T);
        const auto error = [](double approximation, long double value) {
            return static_cast<double>(std::fabs((approximation - value) / value));
        };
        worst = std::max({worst, error(evaluate(p.A, u), exact.A), error(evaluate(p.B, u), exact.B),
                          error(evaluate(p.C, u), exact.C)});
        if (!(worst <= kAirPolynomialTolerance)) break;  // a NaN fails too
    }
    p.worstRelativeError = worst;
    return p;
}

const AirPolynomials* airPolynomials()
{
    // From well below any outdoor temperature to where the moist-air formulas approach their
    // pole (the saturation pressure of 80 % humid air reaching the air pressure near 106 °C).
    static const AirPolynomials polynomials = buildAirPolynomials(-80.0, 90.0);
    static const bool sound = polynomials.worstRelativeError <= kAirPolynomialTolerance;
    return sound ? &polynomials : nullptr;
}

}  // namespace talp::fast
