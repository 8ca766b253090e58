#pragma once
// The five sine parameters of the outdoor climate and the form rules that keep them
// consistent: the lowest monthly mean mirrors the highest about the annual mean.

#include <array>

#include "core/project.h"

namespace talp {

// Form rules; each runs after its value changed, whoever set it.
void applyMaxMonthlyMeanChange(Project& project);  // max_monatsmittel changed
void applyAnnualMeanChange(Project& project);      // jahresmittel changed
void applyMinMonthlyMeanChange(Project& project);  // min_monatsmittel changed
// tag_sinusspitze or monat_sinusspitze changed (sine model): a day beyond the month's
// length becomes its last day.
void applyPeakDateChange(Project& project);

struct PeakDate {
    int monthIndex;  // 0 = January
    int day;         // day of the month
};
// Day of the year 1..365 of the peak to month and day, and back.
PeakDate peakDateOf(int peakDay);
int peakDayOf(const Project& project);
void setPeakDay(Project& project, int peakDay);

// The sine curve of the climate window: 365 points (x = day 1..365), peaking at day
// `peakDay`, between min_monatsmittel and max_monatsmittel.
std::array<long double, 365> sineCurve(const Project& project, int peakDay);

}  // namespace talp
