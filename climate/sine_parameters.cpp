#include "climate/sine_parameters.h"

#include <cmath>

#include "core/numeric.h"

namespace talp {

void applyMaxMonthlyMeanChange(Project& p)
{
    p.set(Param::min_monatsmittel, 2.0L * p.get(Param::jahresmittel) - p.get(Param::max_monatsmittel));
}

void applyAnnualMeanChange(Project& p)
{
    const ParamSpec& minSpec = paramSpec(Param::min_monatsmittel);
    const long double max = p.get(Param::max_monatsmittel);
    const long double v = 2.0L * p.get(Param::jahresmittel) - max;
    if (v < minSpec.minValue) {
        p.set(Param::min_monatsmittel, minSpec.minValue);
        p.set(Param::jahresmittel, (minSpec.minValue + max) / 2.0L);
    } else if (v <= minSpec.maxValue) {
        p.set(Param::min_monatsmittel, v);
    } else {
        p.set(Param::min_monatsmittel, minSpec.maxValue);
        p.set(Param::jahresmittel, (minSpec.maxValue + max) / 2.0L);
    }
}

void applyMinMonthlyMeanChange(Project& p)
{
    const ParamSpec& meanSpec = paramSpec(Param::jahresmittel);
    const long double max = p.get(Param::max_monatsmittel);
    const long double v = (p.get(Param::min_monatsmittel) + max) / 2.0L;
    if (v < meanSpec.minValue) {
        p.set(Param::jahresmittel, meanSpec.minValue);
        p.set(Param::min_monatsmittel, 2.0L * meanSpec.minValue - max);
    } else if (v <= meanSpec.maxValue) {
        p.set(Param::jahresmittel, v);
    } else {
        p.set(Param::jahresmittel, meanSpec.maxValue);
        p.set(Param::min_monatsmittel, 2.0L * meanSpec.maxValue - max);
    }
}

void applyPeakDateChange(Project& p)
{
    const int month = p.getInt(Param::monat_sinusspitze);
    const int length = kMonthLengths[static_cast<std::size_t>(month)];
    if (p.getInt(Param::tag_sinusspitze) > length) p.set(Param::tag_sinusspitze, length);
}

PeakDate peakDateOf(int peakDay)
{
    int month = 0, total = 0;
    while (month < 11 && total + kMonthLengths[static_cast<std::size_t>(month)] < peakDay) {
        total += kMonthLengths[static_cast<std::size_t>(month)];
        ++month;
    }
    return {month, peakDay - total};
}

int peakDayOf(const Project& p)
{
    return daysBeforeMonth(p.getInt(Param::monat_sinusspitze)) + p.getInt(Param::tag_sinusspitze);
}

void setPeakDay(Project& p, int peakDay)
{
    const PeakDate date = peakDateOf(peakDay);
    p.set(Param::monat_sinusspitze, date.monthIndex);
    p.set(Param::tag_sinusspitze, date.day);
}

std::array<long double, 365> sineCurve(const Project& p, int peakDay)
{
    constexpr long double kTwoPi = 6.283185308L, kHalfPi = 1.570796327L;
    const long double max = p.get(Param::max_monatsmittel), min = p.get(Param::min_monatsmittel);
    std::array<long double, 365> curve{};
    for (int i = 1; i <= 365; ++i)
        curve[static_cast<std::size_t>(i - 1)] =
            min + (max - min) * (1.0L + std::sin(kTwoPi * (i - 1) / 364.0L + kHalfPi - kTwoPi * (peakDay - 1) / 364.0L)) / 2.0L;
    return curve;
}

}  // namespace talp
