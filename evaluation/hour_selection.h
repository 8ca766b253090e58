#pragma once
// The annual chart's x axis is the hour of the year; these turn a position on it back into
// the date and hour a planner picks, and give the one-day rule of a short zoom drag.

#include <string>

namespace talp {

// x = (day − 1) × 24 + hour, 1..8760.
int hourOfYear(int dayOfYear, int hour);

struct SelectedHour {
    int dayOfYear;   // 1..365
    int month;       // 1..12
    int dayOfMonth;  // 1..31
    int hour;        // 1..24
};
// The hour whose span [hour − 1, hour) of the year contains x. Positions before the first
// or after the last hour (the axis runs from 0 and may be dragged past 8760) give the
// first or the last hour of the year.
SelectedHour selectedHour(double x);

// "day.month." of the hour under the mouse, e.g. "2.7.".
std::string hintDate(double x);

struct ZoomRange {
    double min, max;
};
// The x range a zoom drag from `start` to `end` shows: the two positions in order, or, for
// a drag shorter than a day, the day around the start (the first or the last day of the
// year when the start lies within twelve hours of an end).
ZoomRange zoomRange(double start, double end);

}  // namespace talp
