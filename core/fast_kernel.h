#pragma once
// The heart of the optimisation's fast path: the air's way through the 100 segments for a
// block of hours side by side. The hours are independent and, with one laying depth and one
// building distance, every segment of an hour sees the same soil, so the segment loop runs
// outside and the hours inside, where the processor computes several at once.

#include "core/air_polynomials.h"
#include "core/simulation.h"

namespace talp::fast {

inline constexpr int kBlock = 256;  // hours computed side by side

// Everything of the geometry that is the same in every segment and hour.
struct PipeConstants {
    double radius, segmentLength, pipeFactor, soilConductivity;
    bool wallResists;  // A > 1: the wall lies between soil and air
    double arcoshA;
    double damping, dampingFactor, surfaceFactor, basementRatio, basementFactor;
    int fanSegment;
};

// One block of hours in operation: their inputs, and after computeBlock the outlet
// temperature, the heat taken up and the values at the sample segments.
struct HourBlock {
    int count = 0;
    int hour[kBlock];
    double To[kBlock], Ts[kBlock], velocity[kBlock], flow[kBlock], fanPower[kBlock];
    double T[kBlock], Tw[kBlock], heat[kBlock];
    double sampleAir[kSamples][kBlock], sampleWall[kSamples][kBlock];
};

// Computes the block on the widest vectors the processor offers: with the air-property
// polynomials where the air stays within their range, else (or without them) with the
// formulas.
void computeBlock(const PipeConstants& c, const AirPolynomials* air, HourBlock& b, bool keepSamples);

// The kernels, built for the baseline processor and for 256-bit vectors with fused
// multiply-add. The polynomial kernel returns false when the air of a block left the
// polynomials' range (its results are then to be discarded).
namespace baseline {
bool segmentsByPolynomials(const PipeConstants& c, const AirPolynomials& air, HourBlock& b, bool keepSamples);
void segmentsByFormulas(const PipeConstants& c, HourBlock& b, bool keepSamples);
}  // namespace baseline
namespace avx2 {
bool segmentsByPolynomials(const PipeConstants& c, const AirPolynomials& air, HourBlock& b, bool keepSamples);
void segmentsByFormulas(const PipeConstants& c, HourBlock& b, bool keepSamples);
}  // namespace avx2
bool hasWideVectors();

}  // namespace talp::fast
