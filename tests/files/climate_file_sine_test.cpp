#include <gtest/gtest.h>

#include <cmath>

#include "climate/sine_parameters.h"
#include "core/numeric.h"
#include "files/climate_file_sine.h"
#include "files/coupling_acceptance.h"
#include "temp_dir.h"

namespace talp {
namespace {

using testing::TempDir;

// A climate file whose daily means follow an annual sine peaking on `peakDay`, with a
// daily swing on top, in the default format.
std::string sineYear(long double mean, long double amplitude, int peakDay)
{
    std::string text = "TALP test climate\n\n\n\n";
    for (int d = 1; d <= kDaysPerYear; ++d)
        for (int h = 1; h <= kHoursPerDay; ++h) {
            const long double daily = mean + amplitude * std::cos(6.283185308L * (d - peakDay) / 365.0L);
            const long double t = daily + 4.0L * std::cos((h - 15) * 6.283185308L / 24.0L);
            text += "d" + formatIntWidth(d, 3) + " h" + formatIntWidth(h, 2) + " " + formatFixedWidth(t, 6, 1) + "\n";
        }
    return text;
}

std::array<long double, 12> monthly(std::initializer_list<long double> values)
{
    std::array<long double, 12> m{};
    std::copy(values.begin(), values.end(), m.begin());
    return m;
}

TEST(ClimateFileSine, AFileBuiltFromASineGivesBackItsParameters)
{
    TempDir dir;
    for (const int peak : {201, 20, 350}) {
        Project p;
        p.klimaModell = "sim";
        const auto file = dir.write("sine.txt", sineYear(9.0L, 8.5L, peak));
        ASSERT_TRUE(acceptCoupling(p, CouplingKind::Climate, {file.string(), "XXXXXXXXXAAAA.A", 4}, nullptr).accepted());
        // Monthly means flatten the wave a little and the months fall unevenly on it.
        EXPECT_NEAR(static_cast<double>(p.get(Param::max_monatsmittel) - p.get(Param::jahresmittel)),
                    8.5 * std::fabs(std::cos(6.283185308 * (15.5 - peak) / 365.0)), 0.6) << peak;
        EXPECT_NEAR(static_cast<double>(p.get(Param::jahresmittel)), 9.0, 0.6) << peak;
        EXPECT_EQ(p.get(Param::min_monatsmittel), 2 * p.get(Param::jahresmittel) - p.get(Param::max_monatsmittel));
        EXPECT_NEAR(peakDayOf(p), peak, 3) << peak;
    }
}

TEST(ClimateFileSine, TheRegionsClimateMeansExactly)
{
    // January 0, July 17.4, the rest on a symmetric wave about 8.7.
    const auto M = monthly({0.0L, 1.0L, 4.0L, 8.0L, 12.5L, 16.0L, 17.4L, 16.5L, 13.0L, 8.5L, 4.5L, 3.0L});
    const ClimateFileSine s = sineOfMonthlyMeans(M);
    long double sum = 0;
    for (long double m : M) sum += m;
    EXPECT_EQ(s.annualMean, sum * (1.0L / 12.0L));
    EXPECT_EQ(s.amplitude, 8.7L);
    EXPECT_EQ(s.winterSummerMean, 8.7L);
    EXPECT_EQ(s.maxMonthlyMean, s.annualMean + 8.7L);
}

TEST(ClimateFileSine, PeakDayFromTheWarmMonths)
{
    // Annual mean 0: July and August +1 each, January and February -1 each.
    const auto M = monthly({-1, -1, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0});
    // (30.42 * 7 - 15.21 + 30.42 * 8 - 15.21) / 2 = 212.94
    EXPECT_EQ(peakDayOfMonthlyMeans(M, 0), 213);
}

TEST(ClimateFileSine, PeakDayHalfAYearFromTheColdMonthsCentre)
{
    // July cold (a southern climate): the cold months July, August centre on 212.94,
    // half a year before is day 30.44.
    const auto south = monthly({1, 1, 0, 0, 0, 0, -1, -1, 0, 0, 0, 0});
    EXPECT_EQ(peakDayOfMonthlyMeans(south, 0), 30);
    // Cold months centred early in the year wrap into the year's end: 30.42 - 15.21 -
    // 182.5 + 365 = 197.71.
    const auto early = monthly({-1, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0, 0});
    const auto wrap = monthly({-2, 0, 0, 0, 0, 0, -0.5L, 0, 0, 0, 0, 0});
    EXPECT_EQ(peakDayOfMonthlyMeans(wrap, 0), static_cast<int>(std::nearbyint(
                                                  (-2 * 15.21L - 0.5L * (30.42L * 7 - 15.21L)) / -2.5L - 182.5L + 365)));
    EXPECT_EQ(peakDayOfMonthlyMeans(early, 0), static_cast<int>(std::nearbyint((15.21L + 197.73L) / 2 - 182.5L + 365)));
}

TEST(ClimateFileSine, AFlatYearHasNoPeakAndKeepsTheProjectsOwn)
{
    const auto flat = monthly({5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5});
    const ClimateFileSine s = sineOfMonthlyMeans(flat);
    EXPECT_FALSE(s.peakDay);
    Project p;
    p.set(Param::monat_sinusspitze, 7);
    p.set(Param::tag_sinusspitze, 12);
    applyClimateFileSine(p, s);
    EXPECT_EQ(p.get(Param::max_monatsmittel), 5);
    EXPECT_EQ(p.get(Param::min_monatsmittel), 5);
    EXPECT_EQ(p.get(Param::jahresmittel), 5);
    EXPECT_EQ(p.getInt(Param::monat_sinusspitze), 7);
    EXPECT_EQ(p.getInt(Param::tag_sinusspitze), 12);
}

TEST(ClimateFileSine, ValuesAreSetThroughTheFormRules)
{
    // The annual mean is set last, from January and July: the minimum follows it.
    ClimateFileSine s = sineOfMonthlyMeans(monthly({-1, 0, 2, 6, 11, 15, 18, 17, 13, 8, 3, 0}));
    Project p;
    applyClimateFileSine(p, s);
    EXPECT_EQ(p.get(Param::max_monatsmittel), normalisedClimateValue(s.maxMonthlyMean));
    EXPECT_EQ(p.get(Param::jahresmittel), 8.5L);
    EXPECT_EQ(p.get(Param::min_monatsmittel), 2 * 8.5L - p.get(Param::max_monatsmittel));
    EXPECT_EQ(normalisedClimateValue(1.23456L), 1.23L);
}

}  // namespace
}  // namespace talp
