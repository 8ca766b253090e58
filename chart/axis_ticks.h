#pragma once
// The arithmetic of automatic axes: a step of 1, 2 or 5 times a power of ten giving at most
// ten labelled ticks, a data range rounded outwards to whole steps, and the decimals the
// tick labels need.

namespace talp {

double niceStep(double span);

struct AxisRange {
    double min, max;
};
// The data range [low, high] widened to whole steps; an empty or flat range still gets
// one step of height, so that a constant curve lies inside the plot.
AxisRange roundedRange(double low, double high, double step);

int tickDecimals(double step);

}  // namespace talp
