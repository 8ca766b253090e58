#pragma once
// The arithmetic of the axes: an automatic step of 1, 2 or 5 times a power of ten giving at
// most the ticks whose labels fit the axis, a fixed step kept as it is unless its labels
// would overlap, a data range rounded outwards to whole steps, and the decimals the tick
// labels need.

namespace talp {

// At most `maxTicks` steps over the span (at least one).
double niceStep(double span, int maxTicks = 10);

// The fixed step, or, only where neighbouring labels would overlap, its smallest whole
// multiple that sets them at least `labelExtent` pixels apart on an axis of `length`
// pixels showing `span` units: the step the caller chose stands wherever its labels are
// legible, and a narrowed chart keeps its labels on the step's grid.
double fittingStep(double step, double span, double length, double labelExtent);

struct AxisRange {
    double min, max;
};
// The data range [low, high] widened to whole steps; an empty or flat range still gets
// one step of height, so that a constant curve lies inside the plot.
AxisRange roundedRange(double low, double high, double step);

int tickDecimals(double step);

}  // namespace talp
