#pragma once
// The weather generator of the installation climates: an hourly typical year from
// monthly mean temperatures and daily ranges.
//
// 1. A smooth annual cycle of daily means whose average over every month is exactly the
//    month's mean (periodic piecewise-linear curve through anchors at the month centres,
//    the anchors shifted until each month's mean is met).
// 2. Day-to-day weather as an AR(1) process of daily anomalies with the site's seasonal
//    spread and persistence, after a 60-day spin-up.
// 3. The anomalies' monthly means taken out again by a mean-preserving smooth curve, so
//    the months keep their means without jumps at month boundaries.
// 4. Hours interpolated linearly between the day centres, the month's diurnal shape
//    scaled by its daily range added, and each month's hours shifted onto its mean.
// 5. Values rounded to 0.1 K with the residue carried to the next hour.

#include <array>
#include <cstdint>
#include <vector>

#include "core/numeric.h"

namespace talp::climate_data {

using MonthlyValues = std::array<double, 12>;
using DiurnalShape = std::array<double, 24>;  // zero mean, peak-to-peak 1, hours ending 1..24

// Spread and persistence of the daily-mean anomalies in the four seasons (DJF, MAM, JJA,
// SON).
struct DayToDayVariability {
    std::array<double, 4> sigma{};      // marginal standard deviation, K
    std::array<double, 4> lagOneCorr{}; // AR(1) coefficient
};

struct ClimateFigures {
    MonthlyValues monthlyMeans{};  // °C
    MonthlyValues dailyRanges{};   // mean daily Tmax - Tmin, K
    DayToDayVariability variability;
    std::array<DiurnalShape, 12> diurnalShapes{};
    std::uint64_t seed = 0;
};

// The daily values d = 1..365 (index 0..364) of a periodic curve whose mean over each
// month is the month's value.
std::array<double, kDaysPerYear> meanPreservingDailyCurve(const MonthlyValues& monthlyValues);

// The hourly temperatures of the year, 1 January 01:00 first, unrounded; every month's
// mean is exactly its monthly mean.
std::vector<double> generateHourlyYear(const ClimateFigures& figures);

// The year in tenths of a kelvin, each rounding residue carried to the next hour so that
// sums over long runs of hours (the monthly means) are kept.
std::vector<int> tenthsWithCarriedResidue(const std::vector<double>& hourly);

}  // namespace talp::climate_data
