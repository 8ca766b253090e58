// The segment kernels of the fast path, included by the two files that compile them: once
// for the baseline processor and once for processors with 256-bit vectors. The including
// file names the variant's namespace in TALP_FAST_VARIANT. They are built with the
// compiler's fast floating-point options, so that the hours of a block run as vector code:
// the air properties as polynomials in the air temperature, or, where the air leaves their
// range, by the formulas through the C library's vector exp and log.

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#include "core/fast_kernel.h"

namespace talp::fast::TALP_FAST_VARIANT {

namespace {

constexpr double kTwoPi = 6.283185308;
constexpr double kPressure = 100000.0;
constexpr double kRelativeHumidity = 0.8;
constexpr double kLn10 = 2.302585092994045684;
constexpr double kPrandtlTerm = 0.8768655309731552;  // 0.72^0.4, the Prandtl number fixed at 0.72

// The air and wall temperatures of the sample segments, after segment s.
void keepSamples(int s, int& sample, HourBlock& b, bool keep)
{
    if (s != kSampleSegments[static_cast<std::size_t>(sample)]) return;
    if (keep) {
        std::copy_n(b.T, b.count, b.sampleAir[sample]);
        std::copy_n(b.Tw, b.count, b.sampleWall[sample]);
    }
    if (sample + 1 < kSamples) ++sample;
}

// Estrin's scheme: the terms First .. First + Count − 1 as a low and a high part joined by a
// power of u, so that the chain of dependent operations is short. powers[j] = u^(2^j).
template <int First, int Count>
[[gnu::always_inline]] inline double estrin(const AirPolynomial& c, const double* powers)
{
    if constexpr (Count == 1) {
        return c[First];
    } else {
        constexpr int half = std::bit_floor(static_cast<unsigned>(Count - 1));
        constexpr int power = std::countr_zero(static_cast<unsigned>(half));
        return estrin<First, half>(c, powers) + estrin<First + half, Count - half>(c, powers) * powers[power];
    }
}

struct PowersOfU {
    double p[5];  // u, u², u⁴, u⁸, u¹⁶
    explicit PowersOfU(double u) : p{u, u * u, u * u * (u * u), 0, 0}
    {
        p[3] = p[2] * p[2];
        p[4] = p[3] * p[3];
    }
};
static_assert(kAirPolynomialTerms <= 32, "PowersOfU reaches u^16");

[[gnu::always_inline]] inline double polynomial(const AirPolynomial& c, const PowersOfU& u)
{
    return estrin<0, kAirPolynomialTerms>(c, u.p);
}

// |u| <= 1 from the bits, so that a NaN or an infinity counts as outside under the fast
// floating-point options too.
bool withinUnit(double u)
{
    return (std::bit_cast<std::uint64_t>(u) & 0x7FFF'FFFF'FFFF'FFFFULL) <= std::bit_cast<std::uint64_t>(1.0);
}

// Whether the wall resists is a property of the geometry; as a template parameter it
// leaves the hour loop free of branches.
template <bool WallResists>
bool polynomialSegments(const PipeConstants& c, const AirPolynomials& air, HourBlock& b, bool keep)
{
    const double L = c.segmentLength, pipeFactor = c.pipeFactor;
    // The soil's conductance from the wall, 2π λ_s / arcosh(A): the wall divides the way from
    // the soil to the air in the ratio of the film's conductance to the soil's.
    const double soilSide = WallResists ? kTwoPi * c.soilConductivity / c.arcoshA : 0.0;
    const double centre = air.centre, inverseHalfWidth = air.inverseHalfWidth;
    const AirPolynomial A = air.A, B = air.B, C = air.C;
    const int count = b.count;
    double* __restrict T = b.T;
    double* __restrict wall = b.Tw;
    double* __restrict heat = b.heat;
    const double* __restrict soil = b.Ts;
    const double* __restrict fanPower = b.fanPower;

    // Per hour: the velocity's part of the film conductance and the air stream's heat
    // capacity flow as a factor.
    double velocityWeight[kBlock], perFlow[kBlock], outside[kBlock];
    for (int i = 0; i < count; ++i) {
        velocityWeight[i] = std::exp(0.8 * std::log(2.0 * c.radius * b.velocity[i]));
        perFlow[i] = 3600.0 / b.flow[i];
        outside[i] = 0;
    }
    std::copy_n(b.To, count, T);
    std::fill_n(heat, count, 0.0);
    int sample = 0;
    for (int s = 1; s <= kSegments; ++s) {
        const double fanShare = s == c.fanSegment ? 1.0 : 0.0;
        for (int i = 0; i < count; ++i) {
            const double t = T[i], Ts = soil[i];
            const double u = (t - centre) * inverseHalfWidth;
            outside[i] = withinUnit(u) ? outside[i] : 1.0;
            const PowersOfU powers(u);
            const double film = velocityWeight[i] * polynomial(A, powers) - polynomial(B, powers);
            // Without the soil's resistance (A <= 1) the wall takes the soil's temperature.
            double Tw = Ts;
            if constexpr (WallResists) Tw = t + (Ts - t) * (soilSide / (soilSide + film));
            const double Q = pipeFactor * (L * film * (Tw - t)) + fanShare * fanPower[i];
            T[i] = t + Q * polynomial(C, powers) * perFlow[i];
            wall[i] = Tw;
            heat[i] += Q * 0.001;
        }
        keepSamples(s, sample, b, keep);
    }
    return std::all_of(outside, outside + count, [](double o) { return o == 0.0; });
}

// The air-property formulas are those of Stoffwerte and humidityRatio in core/simulation.cpp.
template <bool WallResists>
void formulaSegments(const PipeConstants& c, HourBlock& b, bool keep)
{
    const double r = c.radius, L = c.segmentLength, p = kPressure;
    const double pipeFactor = c.pipeFactor, soilConductivity = c.soilConductivity;
    const double arcoshA = c.arcoshA;
    const int count = b.count;
    double* __restrict air = b.T;
    double* __restrict wall = b.Tw;
    double* __restrict heat = b.heat;
    const double* __restrict soil = b.Ts;
    const double* __restrict velocity = b.velocity;
    const double* __restrict flow = b.flow;
    const double* __restrict fanPower = b.fanPower;

    std::copy_n(b.To, count, air);
    std::fill_n(heat, count, 0.0);
    int sample = 0;
    for (int s = 1; s <= kSegments; ++s) {
        const double fanShare = s == c.fanSegment ? 1.0 : 0.0;
        for (int i = 0; i < count; ++i) {
            const double T = air[i], Ts = soil[i];
            // Humidity ratio at 80 % relative humidity.
            const double saturation = 610.7 * std::exp(7.5 * T / (T + 237.0) * kLn10);
            const double vapour = kRelativeHumidity * saturation;
            const double x = 0.622 * vapour / (p - vapour);
            // Properties of moist air and the film coefficient.
            const double TK = T + 273.15;
            const double density = (1.0 + x) / (287.0 * TK / p + 462.0 * x * TK / p);
            const double heatCapacity = (x * 1880.0 * (1.0 + 0.00022 * T) + 1006.0 * (1.0 + 5e-7 * T * T)) / (1.0 + x);
            const double vapourPressure = p * x / (0.622 + x);
            const double theta = TK / 273.15;
            const double lnTheta = std::log(theta);
            const double etaVapour = 8.1e-6 * std::exp(1.25 * std::log(theta + 1.0));
            const double etaAir = 1.72e-5 * std::exp(0.7 * lnTheta);
            const double viscosity = (vapourPressure * etaVapour + (p - vapourPressure) * etaAir) / p;
            const double reynolds = velocity[i] * 2.0 * r * density / viscosity;
            // Re^0.8 with the sign rule of Potenz: air heated far beyond the saturation point by
            // a strong fan has a negative density, and the run goes on as the extended path's.
            const double reynoldsPower = std::copysign(std::exp(0.8 * std::log(std::fabs(reynolds))), reynolds);
            const double nusselt = 0.0214 * (reynoldsPower - 100.0) * kPrandtlTerm;
            const double lambdaVapour = 0.0182 * std::exp((0.87 + 0.001 * T) * lnTheta);
            const double lambdaAir = 0.02454 * std::exp(0.83 * lnTheta);
            const double conductivity = lambdaVapour * vapourPressure / p + (1.0 - vapourPressure / p) * lambdaAir;
            const double filmConductance = kTwoPi * r * (nusselt * conductivity / (2.0 * r));

            double Tw = Ts;
            if constexpr (WallResists) {
                const double R = (kTwoPi * soilConductivity / filmConductance) / arcoshA;
                Tw = (R * Ts + T) / (R + 1.0);
            }
            const double Q = pipeFactor * (L * filmConductance * (Tw - T)) + fanShare * fanPower[i];
            air[i] = T + Q / (heatCapacity * density * flow[i] / 3600.0);
            wall[i] = Tw;
            heat[i] += Q * 0.001;
        }
        keepSamples(s, sample, b, keep);
    }
}

}  // namespace

bool segmentsByPolynomials(const PipeConstants& c, const AirPolynomials& air, HourBlock& b, bool keepSamples)
{
    return c.wallResists ? polynomialSegments<true>(c, air, b, keepSamples)
                         : polynomialSegments<false>(c, air, b, keepSamples);
}

void segmentsByFormulas(const PipeConstants& c, HourBlock& b, bool keepSamples)
{
    if (c.wallResists) formulaSegments<true>(c, b, keepSamples);
    else formulaSegments<false>(c, b, keepSamples);
}

}  // namespace talp::fast::TALP_FAST_VARIANT
