// Picking an hour on the annual chart and the one-day rule of a short zoom drag.

#include "evaluation/hour_selection.h"

#include <gtest/gtest.h>

namespace talp {
namespace {

TEST(HourSelection, MidYearClickSelectsSecondOfJulyHourThirteen)
{
    const SelectedHour at = selectedHour(4380.5);
    EXPECT_EQ(at.dayOfYear, 183);
    EXPECT_EQ(at.month, 7);
    EXPECT_EQ(at.dayOfMonth, 2);
    EXPECT_EQ(at.hour, 13);
}

TEST(HourSelection, EachHourOwnsTheSpanEndingAtIt)
{
    // [0, 1) is the first hour of 1 January, [23, 24) its last, [24, 25) the first of 2 January.
    EXPECT_EQ(selectedHour(0.2).hour, 1);
    EXPECT_EQ(selectedHour(23.9).hour, 24);
    EXPECT_EQ(selectedHour(23.9).dayOfYear, 1);
    EXPECT_EQ(selectedHour(24).hour, 1);
    EXPECT_EQ(selectedHour(24).dayOfYear, 2);
    // Month ends: 31 January and 1 March.
    const SelectedHour january = selectedHour(hourOfYear(31, 24) - 0.5);
    EXPECT_EQ(january.month, 1);
    EXPECT_EQ(january.dayOfMonth, 31);
    const SelectedHour march = selectedHour(hourOfYear(60, 1) - 0.5);
    EXPECT_EQ(march.month, 3);
    EXPECT_EQ(march.dayOfMonth, 1);
}

TEST(HourSelection, PositionsOffTheYearStayOnItsFirstOrLastHour)
{
    const SelectedHour last = selectedHour(8760);
    EXPECT_EQ(last.dayOfYear, 365);
    EXPECT_EQ(last.month, 12);
    EXPECT_EQ(last.dayOfMonth, 31);
    EXPECT_EQ(last.hour, 24);
    EXPECT_EQ(selectedHour(9000).hour, 24);
    const SelectedHour first = selectedHour(-3);
    EXPECT_EQ(first.dayOfYear, 1);
    EXPECT_EQ(first.hour, 1);
}

TEST(HourSelection, HintShowsDayAndMonth)
{
    EXPECT_EQ(hintDate(4380.5), "2.7.");
    EXPECT_EQ(hintDate(0.5), "1.1.");
    EXPECT_EQ(hintDate(8759.5), "31.12.");
}

TEST(ZoomRange, ShortDragShowsTheDayAroundItsStart)
{
    const ZoomRange middle = zoomRange(4000, 4010);
    EXPECT_DOUBLE_EQ(middle.min, 3988);
    EXPECT_DOUBLE_EQ(middle.max, 4012);
    const ZoomRange backwards = zoomRange(4000, 3990);
    EXPECT_DOUBLE_EQ(backwards.min, 3988);
    EXPECT_DOUBLE_EQ(backwards.max, 4012);
}

TEST(ZoomRange, ShortDragNearAnEndOfTheYearShowsItsFirstOrLastDay)
{
    const ZoomRange start = zoomRange(5, 7);
    EXPECT_DOUBLE_EQ(start.min, 0);
    EXPECT_DOUBLE_EQ(start.max, 24);
    const ZoomRange end = zoomRange(8755, 8750);
    EXPECT_DOUBLE_EQ(end.min, 8736);
    EXPECT_DOUBLE_EQ(end.max, 8760);
}

TEST(ZoomRange, LongDragShowsItsSpanInEitherDirection)
{
    const ZoomRange forwards = zoomRange(100, 900);
    EXPECT_DOUBLE_EQ(forwards.min, 100);
    EXPECT_DOUBLE_EQ(forwards.max, 900);
    const ZoomRange backwards = zoomRange(900, 876);
    EXPECT_DOUBLE_EQ(backwards.min, 876);
    EXPECT_DOUBLE_EQ(backwards.max, 900);
}

}  // namespace
}  // namespace talp
