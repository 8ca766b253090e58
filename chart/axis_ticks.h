#pragma once
// The arithmetic of the axes: an automatic step of 1, 2 or 5 times a power of ten giving at
// most the ticks whose labels fit the axis, a fixed step widened to a whole multiple where
// its labels would not fit, a data range rounded outwards to whole steps, and the decimals
// the tick labels need.

namespace talp {

// At most `maxTicks` steps over the span (at least one).
double niceStep(double span, int maxTicks = 10);

// The fixed step, or its smallest whole multiple that gives at most `maxTicks` steps, so
// that the labels of a narrow chart stay legible and still fall on the step's grid.
double fittingStep(double step, double span, int maxTicks);

struct AxisRange {
    double min, max;
};
// The data range [low, high] widened to whole steps; an empty or flat range still gets
// one step of height, so that a constant curve lies inside the plot.
AxisRange roundedRange(double low, double high, double step);

int tickDecimals(double step);

}  // namespace talp
