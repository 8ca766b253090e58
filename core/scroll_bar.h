#pragma once
// Scroll bars beside typed values (pipe length, the three soil values): the bar holds the
// value in whole units of a scale (tenths of a metre, hundredths of a W/(m K)). A value the
// bar can represent must survive the round trip value -> bar -> value unchanged, although
// binary reals make 0.53 × 100 come out as 52.999…; a value between two positions still
// falls back to the lower one.

namespace talp {

// The bar position for a value: value × unitsPerValue truncated, but rounded when the
// product lies within 1e-9 of a whole number.
int scrollBarPosition(long double value, long double unitsPerValue);

// Whether the bar at `position` already stands for `value` (then neither moves the other).
bool scrollBarShows(int position, long double value, long double unitsPerValue);

// The value a bar position stands for.
long double scrollBarValue(int position, long double unitsPerValue);

}  // namespace talp
