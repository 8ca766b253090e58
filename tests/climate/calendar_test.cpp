#include <gtest/gtest.h>

#include "climate/calendar.h"

namespace talp {
namespace {

TEST(OperatingCalendar, DragInvertsTheRectangleIncludingNonExistentDays)
{
    OperatingCalendar c;
    c.invertRectangle(5, 31, 3, 1);  // from 31 May back to 1 March
    int off = 0;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 31; ++d) off += c.isOn(m, d) ? 0 : 1;
    EXPECT_EQ(off, 3 * 31);
    EXPECT_FALSE(c.isOn(4, 31));
    EXPECT_FALSE(OperatingCalendar::dayExists(4, 31));
    EXPECT_TRUE(c.isOn(6, 1));
    EXPECT_FALSE(c.isOnDayOfYear(60));  // 1 March
    EXPECT_TRUE(c.isOnDayOfYear(59));   // 28 February
}

TEST(OperatingCalendar, AllOffAndASingleNonExistentDay)
{
    OperatingCalendar c;
    EXPECT_FALSE(c.allOff());
    c.setAll(false);
    EXPECT_TRUE(c.allOff());
    c.invertRectangle(2, 30, 2, 30);
    EXPECT_FALSE(c.allOff());  // accepted by OK, yet no day of the year runs
    for (int day = 1; day <= 365; ++day) EXPECT_FALSE(c.isOnDayOfYear(day));
}

}  // namespace
}  // namespace talp
