#include "files/climate_file_sine.h"

#include <cmath>

#include "climate/sine_parameters.h"
#include "core/numeric.h"
#include "files/hourly_file.h"
#include "files/input_changes.h"

namespace talp {

std::optional<int> peakDayOfMonthlyMeans(const std::array<long double, 12>& M, long double Y)
{
    const long double july = M[6];
    long double S1 = 0, S2 = 0;
    for (int m = 1; m <= 12; ++m) {
        const long double deviation = M[static_cast<std::size_t>(m - 1)] - Y;
        const bool taken = (july > Y && deviation > 0) || (july < Y && deviation < 0);
        if (!taken) continue;
        S1 += deviation * (30.42L * m - 15.21L);
        S2 += deviation;
    }
    if (S1 == 0) return std::nullopt;
    long double D = S1 / S2;
    if (S1 < 0) {
        D -= 182.5L;
        if (D < 0) D += 365.0L;
    }
    int d = static_cast<int>(std::nearbyint(D));  // ties to even
    // Day 0 of the year is the last day of the year before: the wave is periodic.
    if (d < 1) d += kDaysPerYear;
    if (d > kDaysPerYear) d -= kDaysPerYear;
    return d;
}

ClimateFileSine sineOfMonthlyMeans(const std::array<long double, 12>& M)
{
    ClimateFileSine s;
    s.monthlyMeans = M;
    long double sum = 0;
    for (long double m : M) sum += m;
    s.annualMean = sum * (1.0L / 12.0L);
    s.amplitude = std::fabs(M[0] - M[6]) / 2.0L;
    s.maxMonthlyMean = s.annualMean + s.amplitude;
    s.minMonthlyMean = s.annualMean - s.amplitude;
    s.winterSummerMean = (M[0] + M[6]) / 2.0L;
    s.peakDay = peakDayOfMonthlyMeans(M, s.annualMean);
    return s;
}

std::optional<ClimateFileSine> deriveClimateFileSine(const CouplingRecord& record, const Installation* installation)
{
    HourlyLineReader reader(locateHourlyFile(record.fileName, installation), record);
    if (!reader.isOpen()) return std::nullopt;
    std::array<long double, 12> means{};
    HourlyValues values{};
    for (std::size_t m = 0; m < 12; ++m) {
        const int hours = kMonthLengths[m] * kHoursPerDay;
        long double sum = 0;
        for (int i = 0; i < hours; ++i) {
            if (!reader.readLine(values)) return std::nullopt;
            sum += values[0];
        }
        means[m] = sum / hours;
    }
    return sineOfMonthlyMeans(means);
}

long double normalisedClimateValue(long double value)
{
    long double normalised = value;
    parseNumber(formatFixed(value, 2), normalised);
    return normalised;
}

void applyClimateFileSine(Project& project, const ClimateFileSine& sine)
{
    setAsTyped(project, Param::max_monatsmittel, normalisedClimateValue(sine.maxMonthlyMean));
    setAsTyped(project, Param::min_monatsmittel, normalisedClimateValue(sine.minMonthlyMean));
    setAsTyped(project, Param::jahresmittel, normalisedClimateValue(sine.winterSummerMean));
    if (!sine.peakDay) return;
    const PeakDate date = peakDateOf(*sine.peakDay);
    setAsTyped(project, Param::monat_sinusspitze, date.monthIndex);
    setAsTyped(project, Param::tag_sinusspitze, date.day);
}

}  // namespace talp
