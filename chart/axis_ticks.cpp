#include "chart/axis_ticks.h"

#include <algorithm>
#include <cmath>

namespace talp {

double niceStep(double span, int maxTicks)
{
    if (!(span > 0) || !std::isfinite(span)) return 1;
    const double most = std::max(1, maxTicks);
    const double magnitude = std::pow(10.0, std::floor(std::log10(span / most)));
    for (double factor : {1.0, 2.0, 5.0})
        if (span / (factor * magnitude) <= most * (1 + 1e-9)) return factor * magnitude;
    return 10 * magnitude;
}

double fittingStep(double step, double span, double length, double labelExtent)
{
    if (!(step > 0) || !(span > 0) || !(length > 0)) return step;
    const double pitch = step / span * length;  // pixels between neighbouring labels
    // A hair of tolerance, so that labels that just fit are not pushed apart by rounding.
    if (pitch * (1 + 1e-9) >= labelExtent) return step;
    return step * std::ceil(labelExtent / pitch * (1 - 1e-9));
}

AxisRange roundedRange(double low, double high, double step)
{
    if (low > high) std::swap(low, high);
    AxisRange range{std::floor(low / step) * step, std::ceil(high / step) * step};
    if (range.max <= range.min) {
        range.min -= step;
        range.max += step;
    }
    return range;
}

int tickDecimals(double step)
{
    if (!(step > 0)) return 0;
    int decimals = 0;
    while (decimals < 6 && std::abs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) > 1e-6)
        ++decimals;
    return decimals;
}

}  // namespace talp
