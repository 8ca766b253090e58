// The segment kernel of the fast path, included by the two files that compile it: once for
// the baseline processor and once for processors with 256-bit vectors. The including file
// names the variant's namespace in TALP_FAST_VARIANT. It is built with the compiler's fast
// floating-point options, so that the air-property formulas of all hours of a block run as
// vector code (the C library's vector exp and log).

#include <algorithm>
#include <cmath>

#include "core/fast_kernel.h"

namespace talp::fast::TALP_FAST_VARIANT {

namespace {
constexpr double kTwoPi = 6.283185308;
constexpr double kAirPressure = 100000.0;
constexpr double kRelativeHumidity = 0.8;
constexpr double kLn10 = 2.302585092994045684;
constexpr double kPrandtlTerm = 0.8768655309731552;  // 0.72^0.4, the Prandtl number fixed at 0.72
}  // namespace

namespace {

// The air-property formulas are those of Stoffwerte (core/simulation.cpp) and humidityRatio (core/moist_air.cpp).
// Whether the wall resists is a property of the geometry; as a template parameter it
// leaves the hour loop free of branches.
template <bool WallResists>
void segmentsOf(const PipeConstants& c, HourBlock& b, bool keepSamples)
{
    const double r = c.radius, L = c.segmentLength, p = kAirPressure;
    const double pipeFactor = c.pipeFactor, soilConductivity = c.soilConductivity;
    const double prandtlTerm = kPrandtlTerm;
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
            const double nusselt = 0.0214 * (reynoldsPower - 100.0) * prandtlTerm;
            const double lambdaVapour = 0.0182 * std::exp((0.87 + 0.001 * T) * lnTheta);
            const double lambdaAir = 0.02454 * std::exp(0.83 * lnTheta);
            const double conductivity = lambdaVapour * vapourPressure / p + (1.0 - vapourPressure / p) * lambdaAir;
            const double filmConductance = kTwoPi * r * (nusselt * conductivity / (2.0 * r));

            // The wall lies between soil and air in the ratio of the soil's and the film's
            // conductances; without that resistance (A <= 1) it takes the soil's temperature.
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
        if (s == kSampleSegments[static_cast<std::size_t>(sample)]) {
            if (keepSamples) {
                std::copy_n(air, count, b.sampleAir[sample]);
                std::copy_n(wall, count, b.sampleWall[sample]);
            }
            if (sample + 1 < kSamples) ++sample;
        }
    }
}

}  // namespace

void computeSegments(const PipeConstants& c, HourBlock& b, bool keepSamples)
{
    if (c.wallResists) segmentsOf<true>(c, b, keepSamples);
    else segmentsOf<false>(c, b, keepSamples);
}

}  // namespace talp::fast::TALP_FAST_VARIANT
