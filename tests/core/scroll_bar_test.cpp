#include <gtest/gtest.h>

#include <cmath>

#include "core/scroll_bar.h"

namespace talp {
namespace {

TEST(ScrollBar, ARepresentableValueSurvivesTheRoundTrip)
{
    // 0.53 × 100 is 52.999… in binary reals; truncating it would turn a typed 0.53 into 0.52.
    for (long double typed : {0.53L, 0.29L, 0.57L, 1.15L, 4.35L, 0.1L}) {
        const int position = scrollBarPosition(typed, 100);
        EXPECT_EQ(position, static_cast<int>(std::llround(static_cast<double>(typed * 100)))) << typed;
        EXPECT_TRUE(scrollBarShows(position, typed, 100)) << typed;
    }
    EXPECT_EQ(scrollBarPosition(0.53, 100), 53);  // also a value read as a double from a file
    EXPECT_EQ(scrollBarPosition(123.4L, 10), 1234);
    EXPECT_EQ(scrollBarPosition(1800, 1), 1800);
}

TEST(ScrollBar, AValueBetweenTwoPositionsTruncates)
{
    EXPECT_EQ(scrollBarPosition(55.55L, 10), 555);
    EXPECT_FALSE(scrollBarShows(555, 55.55L, 10));  // so the bar writes its value back
    EXPECT_EQ(scrollBarValue(555, 10), 55.5L);
    EXPECT_EQ(scrollBarPosition(0.714L, 100), 71);
    EXPECT_EQ(scrollBarPosition(1800.9L, 1), 1800);
}

TEST(ScrollBar, PositionsGiveTheNearestDecimal)
{
    EXPECT_EQ(scrollBarValue(1234, 10), 123.4L);
    EXPECT_EQ(scrollBarValue(53, 100), 0.53L);
    EXPECT_EQ(scrollBarValue(500, 1), 500);
    for (int position = 10; position <= 500; ++position)
        EXPECT_EQ(scrollBarPosition(scrollBarValue(position, 100), 100), position);
}

}  // namespace
}  // namespace talp
