#include "core/scroll_bar.h"

#include <cmath>

namespace talp {

namespace {
constexpr long double kWholeNumberTolerance = 1e-9L;
}

int scrollBarPosition(long double value, long double unitsPerValue)
{
    const long double product = value * unitsPerValue;
    const long double nearest = std::nearbyint(product);
    if (std::fabs(product - nearest) <= kWholeNumberTolerance) return static_cast<int>(nearest);
    return static_cast<int>(std::trunc(product));
}

bool scrollBarShows(int position, long double value, long double unitsPerValue)
{
    return std::fabs(value * unitsPerValue - position) <= kWholeNumberTolerance;
}

long double scrollBarValue(int position, long double unitsPerValue)
{
    // Dividing gives the real nearest to the intended decimal (1234 / 10 = 123.4), where
    // multiplying by 0.1 would carry the error of 0.1 itself.
    return position / unitsPerValue;
}

}  // namespace talp
