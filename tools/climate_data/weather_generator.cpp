#include "tools/climate_data/weather_generator.h"

#include <cmath>

#include "tools/climate_data/random.h"

namespace talp::climate_data {

namespace {

constexpr int kSpinUpDays = 60;
constexpr int kSmoothingIterations = 50;
// Months whose daily range the diurnal shape would overstate: in winter the day-to-day
// weather already widens the daily range, so the shape is scaled down there.
constexpr std::array<double, 12> kRangeScale{0.9, 0.9, 1, 1, 1, 1, 1, 1, 1, 1, 0.9, 0.9};
// Centres of the seasons DJF, MAM, JJA, SON (mid-January, -April, -July, -October) as
// times of the year in days.
constexpr std::array<double, 4> kSeasonCentres{15.0, 104.5, 196.0, 288.0};

int monthOfDay(int dayIndex)
{
    int month = 0;
    while (dayIndex >= daysBeforeMonth(month + 1)) ++month;
    return month;
}

double monthCentre(int month) { return daysBeforeMonth(month) + kMonthLengths[static_cast<std::size_t>(month)] / 2.0; }

// Linear interpolation on a periodic year of kDaysPerYear days between anchors at
// increasing times.
template <std::size_t N>
double periodicInterpolation(const std::array<double, N>& times, const std::array<double, N>& values, double t)
{
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t j = (i + 1) % N;
        double t0 = times[i], t1 = times[j], tt = t;
        if (j == 0) t1 += kDaysPerYear;
        if (tt < times[0]) tt += kDaysPerYear;
        if (tt >= t0 && tt <= t1) return values[i] + (values[j] - values[i]) * (tt - t0) / (t1 - t0);
    }
    return values[0];
}

MonthlyValues monthlyMeansOfDays(const std::array<double, kDaysPerYear>& days)
{
    MonthlyValues means{};
    for (int d = 0; d < kDaysPerYear; ++d) means[static_cast<std::size_t>(monthOfDay(d))] += days[static_cast<std::size_t>(d)];
    for (std::size_t m = 0; m < 12; ++m) means[m] /= kMonthLengths[m];
    return means;
}

}  // namespace

std::array<double, kDaysPerYear> meanPreservingDailyCurve(const MonthlyValues& target)
{
    std::array<double, 12> centres{};
    for (int m = 0; m < 12; ++m) centres[static_cast<std::size_t>(m)] = monthCentre(m);
    std::array<double, 12> anchors = target;
    std::array<double, kDaysPerYear> days{};
    for (int iteration = 0; iteration <= kSmoothingIterations; ++iteration) {
        for (int d = 0; d < kDaysPerYear; ++d) days[static_cast<std::size_t>(d)] = periodicInterpolation(centres, anchors, d + 0.5);
        const MonthlyValues current = monthlyMeansOfDays(days);
        for (std::size_t m = 0; m < 12; ++m) anchors[m] += target[m] - current[m];
    }
    return days;
}

std::vector<double> generateHourlyYear(const ClimateFigures& f)
{
    // 1. The annual cycle.
    const std::array<double, kDaysPerYear> cycle = meanPreservingDailyCurve(f.monthlyMeans);

    // 2. Day-to-day anomalies, persistence and spread following the season.
    NormalDeviates normal(f.seed);
    std::array<double, kDaysPerYear> anomaly{};
    double a = 0;
    for (int d = -kSpinUpDays; d < kDaysPerYear; ++d) {
        const double t = (d < 0 ? d + kDaysPerYear : d) + 0.5;
        const double sigma = periodicInterpolation(kSeasonCentres, f.variability.sigma, t);
        const double phi = periodicInterpolation(kSeasonCentres, f.variability.lagOneCorr, t);
        a = phi * a + sigma * std::sqrt(1.0 - phi * phi) * normal.next();
        if (d >= 0) anomaly[static_cast<std::size_t>(d)] = a;
    }

    // 3. The anomalies' monthly means taken out smoothly.
    const std::array<double, kDaysPerYear> correction = meanPreservingDailyCurve(monthlyMeansOfDays(anomaly));
    std::array<double, kDaysPerYear> daily{};
    for (std::size_t d = 0; d < daily.size(); ++d) daily[d] = cycle[d] + anomaly[d] - correction[d];

    // 4. Hours: the daily means interpolated between the day centres (periodic over the
    //    year), plus the month's diurnal shape.
    std::vector<double> hourly(kHoursPerYear);
    for (int d = 0; d < kDaysPerYear; ++d) {
        const std::size_t month = static_cast<std::size_t>(monthOfDay(d));
        for (int h = 1; h <= kHoursPerDay; ++h) {
            const double offset = (h - 0.5) / kHoursPerDay - 0.5;  // days from the day's centre
            const int neighbour = offset < 0 ? (d + kDaysPerYear - 1) % kDaysPerYear : (d + 1) % kDaysPerYear;
            const double mean = daily[static_cast<std::size_t>(d)] +
                                (daily[static_cast<std::size_t>(neighbour)] - daily[static_cast<std::size_t>(d)]) * std::abs(offset);
            hourly[static_cast<std::size_t>(d * kHoursPerDay + h - 1)] =
                mean + kRangeScale[month] * f.dailyRanges[month] * f.diurnalShapes[month][static_cast<std::size_t>(h - 1)];
        }
    }
    // ... and each month shifted onto its exact mean.
    for (std::size_t m = 0, first = 0; m < 12; ++m) {
        const std::size_t count = static_cast<std::size_t>(kMonthLengths[m]) * kHoursPerDay;
        double sum = 0;
        for (std::size_t i = first; i < first + count; ++i) sum += hourly[i];
        const double shift = f.monthlyMeans[m] - sum / static_cast<double>(count);
        for (std::size_t i = first; i < first + count; ++i) hourly[i] += shift;
        first += count;
    }
    return hourly;
}

std::vector<int> tenthsWithCarriedResidue(const std::vector<double>& hourly)
{
    std::vector<int> tenths;
    tenths.reserve(hourly.size());
    double carried = 0;
    for (const double value : hourly) {
        const double wanted = value * 10.0 + carried;
        const double written = std::floor(wanted + 0.5);
        carried = wanted - written;
        tenths.push_back(static_cast<int>(written));
    }
    return tenths;
}

}  // namespace talp::climate_data
