// The curves of the annual and daily charts.

#include "evaluation/chart_curves.h"

#include <gtest/gtest.h>

namespace talp {
namespace {

TEST(ChartCurves, OutletAndHeatCurvesLeaveOutTheHoursWithoutExchange)
{
    SimulationResults r;
    r.HourlyOutdoorTemp(1, 1) = -5;
    r.HourlyOutletTemp(1, 1) = 2;
    r.HourlyHeatGain(1, 1) = 1.5;
    r.HourlyOutletTemp(1, 2) = 9;  // the exchanger was off: not plotted
    r.HourlyOutletTemp(365, 24) = 18;
    r.HourlyHeatGain(365, 24) = -0.5;

    const Curve outdoor = outdoorTemperatureCurve(r);
    ASSERT_EQ(outdoor.size(), 8760u);
    EXPECT_EQ(outdoor.front(), (CurvePoint{1, -5}));
    EXPECT_EQ(outdoor.back().x, 8760);

    EXPECT_EQ(outletTemperatureCurve(r), (Curve{{1, 2}, {8760, 18}}));
    EXPECT_EQ(heatExchangeCurve(r), (Curve{{1, 1.5}, {8760, -0.5}}));
}

TEST(ChartCurves, YearWithoutOperationHasNoOutletCurve)
{
    const SimulationResults r;
    EXPECT_TRUE(outletTemperatureCurve(r).empty());
    EXPECT_TRUE(heatExchangeCurve(r).empty());
}

TEST(ChartCurves, PipeProfilePlacesEverySegmentAlongThePipe)
{
    DayTable air;
    air(13, 1) = 4;
    air(13, 100) = 9;
    const Curve profile = pipeProfile(air, 13, 40);
    ASSERT_EQ(profile.size(), 100u);
    EXPECT_DOUBLE_EQ(profile.front().x, 0.4);
    EXPECT_DOUBLE_EQ(profile.front().y, 4);
    EXPECT_DOUBLE_EQ(profile[49].x, 20);
    EXPECT_DOUBLE_EQ(profile.back().x, 40);
    EXPECT_DOUBLE_EQ(profile.back().y, 9);
}

}  // namespace
}  // namespace talp
