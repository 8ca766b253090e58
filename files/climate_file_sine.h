#pragma once
// The sine model's parameters of a climate file: its monthly means give the annual mean,
// the amplitude and the day on which the annual wave peaks, so that the soil below the
// pipes follows the same climate as the air drawn through them.

#include <array>
#include <optional>

#include "core/installation.h"
#include "core/project.h"

namespace talp {

struct ClimateFileSine {
    std::array<long double, 12> monthlyMeans{};  // M(1)..M(12) at index 0..11
    long double annualMean = 0;                   // Y, the mean of the monthly means
    long double amplitude = 0;                    // |M(1) - M(7)| / 2
    long double maxMonthlyMean = 0;               // Y + amplitude
    long double minMonthlyMean = 0;               // Y - amplitude
    long double winterSummerMean = 0;             // (M(1) + M(7)) / 2, the form's annual mean
    // Day of the year of the peak, 1..365, or none when the file has no annual wave to
    // place it by (the weighted sum of the deviations is 0, e.g. a constant temperature).
    std::optional<int> peakDay;
};

// The peak day from the monthly means: the centre of the months on July's side of the
// annual mean, moved by half a year when July is the cold side.
std::optional<int> peakDayOfMonthlyMeans(const std::array<long double, 12>& monthlyMeans, long double annualMean);

ClimateFileSine sineOfMonthlyMeans(const std::array<long double, 12>& monthlyMeans);

// Reads the file of an accepted climate record (which has passed the file check); none
// when a line does not read after all.
std::optional<ClimateFileSine> deriveClimateFileSine(const CouplingRecord& record, const Installation* installation);

// A derived value as the form shows it: fixed-point with two decimals, read back.
long double normalisedClimateValue(long double value);

// Sets the derived values on the climate inputs as the form does (the maximum, the
// minimum, then the annual mean, each running the form rules), then the peak month and
// day. Without a peak day the project keeps its own: a flat year has no peak to move.
void applyClimateFileSine(Project& project, const ClimateFileSine& sine);

}  // namespace talp
