// The daily window's month, day and hour steppers wrap into the neighbouring month and day.

#include "evaluation/day_choice.h"

#include <gtest/gtest.h>

namespace talp {
namespace {

TEST(DayChoice, DayOfYearCountsTheMonthsBefore)
{
    EXPECT_EQ(dayOfYear({0, 1, 12}), 1);
    EXPECT_EQ(dayOfYear({6, 2, 12}), 183);
    EXPECT_EQ(dayOfYear({11, 31, 12}), 365);
}

TEST(DayChoice, SteppingPastAMonthEndMovesIntoTheNeighbouringMonth)
{
    EXPECT_EQ(withDay({0, 31, 12}, 32), (DayChoice{1, 1, 12}));
    EXPECT_EQ(withDay({1, 28, 12}, 29), (DayChoice{2, 1, 12}));  // no leap day
    EXPECT_EQ(withDay({2, 1, 12}, 0), (DayChoice{1, 28, 12}));
    EXPECT_EQ(withDay({3, 10, 7}, 11), (DayChoice{3, 11, 7}));
}

TEST(DayChoice, TheYearWrapsWithoutChangingYear)
{
    EXPECT_EQ(withDay({0, 1, 12}, 0), (DayChoice{11, 31, 12}));
    EXPECT_EQ(withDay({11, 31, 12}, 32), (DayChoice{0, 1, 12}));
}

TEST(DayChoice, SteppingPastMidnightMovesIntoTheNeighbouringDay)
{
    const DayChoice before{0, 31, 24};
    const DayChoice after = withHour(before, 25);
    EXPECT_EQ(after, (DayChoice{1, 1, 1}));
    EXPECT_TRUE(otherDay(before, after));
    EXPECT_EQ(withHour({0, 1, 1}, 0), (DayChoice{11, 31, 24}));
    const DayChoice sameDay = withHour({4, 5, 12}, 13);
    EXPECT_EQ(sameDay, (DayChoice{4, 5, 13}));
    EXPECT_FALSE(otherDay({4, 5, 12}, sameDay));
}

}  // namespace
}  // namespace talp
