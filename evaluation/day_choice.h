#pragma once
// The day and hour of the daily evaluation, as its month list and day and hour steppers
// choose them: stepping past the end of a month moves into the neighbouring month, and
// past the end of a day into the neighbouring day, always within the same year.

namespace talp {

struct DayChoice {
    int month = 0;  // index 0..11
    int day = 1;    // 1..length of the month
    int hour = 12;  // 1..24

    bool operator==(const DayChoice&) const = default;
};

// The day of the year 1..365 of the month's day.
int dayOfYear(const DayChoice& choice);

// The choice after the day stepper showed `day`: 0 is the last day of the month before
// (December before January), a day past the month's length the first of the next.
DayChoice withDay(DayChoice choice, int day);

// The choice after the hour stepper showed `hour`: 0 is hour 24 of the day before, 25
// hour 1 of the day after.
DayChoice withHour(DayChoice choice, int hour);

// Whether the new choice lies on another day, which must be calculated before it is shown.
inline bool otherDay(const DayChoice& a, const DayChoice& b) { return a.month != b.month || a.day != b.day; }

}  // namespace talp
