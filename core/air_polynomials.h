#pragma once
// The air properties of the fast path as polynomials in the air temperature. At the fixed
// pressure and relative humidity of the model every property of the air is a function of its
// temperature alone, and the film conductance of a pipe splits into a part that depends on
// the hour's velocity and parts that depend on the temperature:
//
//     K_f = π Nu λ = W·A(T) − B(T),   W = (2 r w)^0.8,
//     A(T) = π 0.0214 Pr^0.4 λ (ρ/η)^0.8,   B(T) = 100 π 0.0214 Pr^0.4 λ,
//
// and the air warms by Q·C(T)·3600/V̇ with C(T) = 1/(c_p ρ). A, B and C are smooth over the
// temperatures the air reaches, so one polynomial each, interpolated at start-up from the
// extended-precision formulas and checked against them at close intervals over the whole
// range, replaces the nine exponentials and logarithms of a segment step. Outside the range
// the fast path falls back to the formulas.

#include <array>

namespace talp::fast {

inline constexpr int kAirPolynomialTerms = 25;  // degree 24
using AirPolynomial = std::array<double, kAirPolynomialTerms>;

struct AirPolynomials {
    // The range of air temperatures, °C, mapped onto u = (T − centre) / halfWidth in [−1, 1].
    double lowest, highest, centre, inverseHalfWidth;
    AirPolynomial A, B, C;  // coefficients of u^0, u^1, ...
    double worstRelativeError;  // of the three against the formulas over the range
};

// The largest relative error the polynomials may have against the formulas; the fast path
// must stay within 1e-9 of the extended path, so this leaves a wide margin.
inline constexpr double kAirPolynomialTolerance = 1e-12;

// The polynomials, built and checked on first use; nullptr when the check failed (the fast
// path then uses the formulas throughout).
const AirPolynomials* airPolynomials();

// Builds the polynomials of a range and measures their error against the formulas.
AirPolynomials buildAirPolynomials(double lowest, double highest);

}  // namespace talp::fast
