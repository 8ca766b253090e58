// The sine parameters of the climate window: the form rules, peak day and date, the
// curve of the window and the sine climate the simulation draws from them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "climate/sine_parameters.h"
#include "core/numeric.h"
#include "core/simulation.h"

namespace talp {
namespace {

TEST(PeakDate, DayOfTheYearToMonthAndDayAndBack)
{
    struct Case {
        int peakDay, month, day;
    };
    for (const Case c : {Case{1, 0, 1}, Case{31, 0, 31}, Case{32, 1, 1}, Case{59, 1, 28}, Case{60, 2, 1}, Case{201, 6, 20},
                         Case{365, 11, 31}}) {
        const PeakDate date = peakDateOf(c.peakDay);
        EXPECT_EQ(date.monthIndex, c.month) << c.peakDay;
        EXPECT_EQ(date.day, c.day) << c.peakDay;
        Project p;
        setPeakDay(p, c.peakDay);
        EXPECT_EQ(peakDayOf(p), c.peakDay);
    }
    EXPECT_EQ(monthName(peakDateOf(31).monthIndex, false), "Januar");
    EXPECT_EQ(monthName(peakDateOf(32).monthIndex, false), "Februar");
}

TEST(PeakDate, ADayBeyondTheMonthBecomesItsLastDay)
{
    Project p;
    p.set(Param::monat_sinusspitze, 1);  // Februar
    p.set(Param::tag_sinusspitze, 31);
    applyPeakDateChange(p);
    EXPECT_EQ(p.getInt(Param::tag_sinusspitze), 28);
    p.set(Param::monat_sinusspitze, 6);
    p.set(Param::tag_sinusspitze, 31);
    applyPeakDateChange(p);
    EXPECT_EQ(p.getInt(Param::tag_sinusspitze), 31);
}

TEST(SineFormRules, MinimumMirrorsTheMaximumAboutTheMean)
{
    Project p;
    p.set(Param::max_monatsmittel, 17.4L);
    p.set(Param::jahresmittel, 9.1L);
    applyAnnualMeanChange(p);
    EXPECT_NEAR(static_cast<double>(p.get(Param::min_monatsmittel)), 0.8, 1e-12);
    // One kelvin more annual mean with the maximum fixed: two kelvin more minimum.
    p.set(Param::jahresmittel, 10.1L);
    applyAnnualMeanChange(p);
    EXPECT_NEAR(static_cast<double>(p.get(Param::min_monatsmittel)), 2.8, 1e-12);
    p.set(Param::max_monatsmittel, 20.1L);
    applyMaxMonthlyMeanChange(p);
    EXPECT_NEAR(static_cast<double>(p.get(Param::min_monatsmittel)), 0.1, 1e-12);
    p.set(Param::min_monatsmittel, -3.9L);
    applyMinMonthlyMeanChange(p);
    EXPECT_NEAR(static_cast<double>(p.get(Param::jahresmittel)), 8.1, 1e-12);
}

TEST(SineFormRules, BoundsMoveTheOtherValueInstead)
{
    Project p;
    const ParamSpec& minSpec = paramSpec(Param::min_monatsmittel);
    const ParamSpec& meanSpec = paramSpec(Param::jahresmittel);
    // A mean so low that the mirrored minimum would fall below its bound.
    p.set(Param::max_monatsmittel, 100);
    p.set(Param::jahresmittel, -50);
    applyAnnualMeanChange(p);
    EXPECT_EQ(p.get(Param::min_monatsmittel), minSpec.minValue);
    EXPECT_EQ(p.get(Param::jahresmittel), (minSpec.minValue + 100) / 2);
    // A minimum whose mean with the maximum lies beyond the mean's upper bound.
    p.set(Param::max_monatsmittel, 100);
    p.set(Param::min_monatsmittel, 200);
    applyMinMonthlyMeanChange(p);
    EXPECT_EQ(p.get(Param::jahresmittel), meanSpec.maxValue);
    EXPECT_EQ(p.get(Param::min_monatsmittel), 2 * meanSpec.maxValue - 100);
}

TEST(SineCurve, ThreeHundredSixtyFivePointsPeakingOnTheChosenDay)
{
    Project p;
    p.set(Param::max_monatsmittel, 18);
    p.set(Param::min_monatsmittel, 0);
    for (const int peak : {1, 201, 365}) {
        const auto curve = sineCurve(p, peak);
        const auto top = std::max_element(curve.begin(), curve.end());
        EXPECT_EQ(top - curve.begin() + 1, peak);
        EXPECT_NEAR(static_cast<double>(*top), 18, 1e-9);
        EXPECT_GE(*std::min_element(curve.begin(), curve.end()), -1e-9L);
    }
    // The divisor 364: day 365 repeats day 1 of a curve peaking on day 1.
    const auto curve = sineCurve(p, 1);
    EXPECT_NEAR(static_cast<double>(curve[364]), static_cast<double>(curve[0]), 1e-9);
}

// The sine climate: the daily mean follows the annual wave from the peak day, with a
// daily swing of 6 K whose top is at hour 15.
TEST(SineClimate, PeakDayAfternoonAndHalfAYearLater)
{
    Project p;
    p.klimaModell = "sin";
    p.set(Param::max_monatsmittel, 17.4L);
    p.set(Param::jahresmittel, 9.1L);
    applyAnnualMeanChange(p);
    setPeakDay(p, 201);
    const int D = peakDayOf(p);
    for (const auto& [day, expected] : {std::pair{D + 1, 17.4L + 6}, std::pair{D + 1 - 182, 2 * 9.1L - 17.4L + 6}}) {
        SimulationResults r;
        ASSERT_TRUE(BerechneEWT(p, geometryOf(p, day), r).ok);
        EXPECT_NEAR(static_cast<double>(r.DayOutdoorTemp[14]), static_cast<double>(expected), static_cast<double>(day == D + 1 ? 1e-6L : 0.01L)) << "day " << day;
    }
}

}  // namespace
}  // namespace talp
