#include "evaluation/hour_selection.h"

#include <algorithm>
#include <cmath>

#include "core/numeric.h"

namespace talp {

int hourOfYear(int dayOfYear, int hour) { return (dayOfYear - 1) * kHoursPerDay + hour; }

SelectedHour selectedHour(double x)
{
    const int hour = std::clamp(static_cast<int>(std::trunc(x)), 0, kHoursPerYear - 1) + 1;
    const int dayOfYear = (hour - 1) / kHoursPerDay + 1;
    const DayOfMonth date = TagImMonat(dayOfYear);
    return {dayOfYear, date.month, date.day, hour - hourOfYear(dayOfYear, 0)};
}

std::string hintDate(double x)
{
    const SelectedHour at = selectedHour(x);
    return std::to_string(at.dayOfMonth) + "." + std::to_string(at.month) + ".";
}

ZoomRange zoomRange(double start, double end)
{
    constexpr double halfDay = kHoursPerDay / 2.0;
    if (std::abs(start - end) < kHoursPerDay) {
        if (start + halfDay > kHoursPerYear) return {kHoursPerYear - kHoursPerDay, kHoursPerYear};
        if (start - halfDay < 0) return {0, kHoursPerDay};
        return {start - halfDay, start + halfDay};
    }
    return {std::min(start, end), std::max(start, end)};
}

}  // namespace talp
