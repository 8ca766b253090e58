#include "evaluation/day_choice.h"

#include "core/numeric.h"

namespace talp {

namespace {
int lengthOf(int month) { return kMonthLengths[static_cast<std::size_t>(month)]; }
}  // namespace

int dayOfYear(const DayChoice& choice) { return choice.day + daysBeforeMonth(choice.month); }

DayChoice withDay(DayChoice choice, int day)
{
    if (day < 1) {
        choice.month = (choice.month + 11) % 12;
        choice.day = lengthOf(choice.month);
    } else if (day > lengthOf(choice.month)) {
        choice.month = (choice.month + 1) % 12;
        choice.day = 1;
    } else {
        choice.day = day;
    }
    return choice;
}

DayChoice withHour(DayChoice choice, int hour)
{
    if (hour < 1) {
        choice.hour = kHoursPerDay;
        return withDay(choice, choice.day - 1);
    }
    if (hour > kHoursPerDay) {
        choice.hour = 1;
        return withDay(choice, choice.day + 1);
    }
    choice.hour = hour;
    return choice;
}

}  // namespace talp
