#include "climate/calendar.h"

#include <algorithm>

#include "core/numeric.h"

namespace talp {

bool OperatingCalendar::isOnDayOfYear(int dayOfYear) const
{
    const DayOfMonth d = TagImMonat(dayOfYear);
    return isOn(d.month, d.day);
}

bool OperatingCalendar::allOff() const
{
    return std::all_of(flags_.begin(), flags_.end(), [](std::uint8_t f) { return f == 0; });
}

void OperatingCalendar::invertRectangle(int month1, int day1, int month2, int day2)
{
    const int m0 = std::clamp(std::min(month1, month2), 1, kMonths);
    const int m1 = std::clamp(std::max(month1, month2), 1, kMonths);
    const int d0 = std::clamp(std::min(day1, day2), 1, kSlots);
    const int d1 = std::clamp(std::max(day1, day2), 1, kSlots);
    for (int m = m0; m <= m1; ++m)
        for (int d = d0; d <= d1; ++d) flags_[index(m, d)] ^= 1;
}

bool OperatingCalendar::dayExists(int month, int day)
{
    return month >= 1 && month <= 12 && day >= 1 && day <= kMonthLengths[static_cast<std::size_t>(month - 1)];
}

}  // namespace talp
