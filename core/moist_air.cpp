#include "core/moist_air.h"

#include <cmath>

namespace talp {

namespace {
const long double kLn10 = std::log(10.0L);
}  // namespace

long double saturationVapourPressure(long double T)
{
    return 610.7L * std::exp(7.5L * T / (T + 237.0L) * kLn10);
}

long double humidityRatioAt(long double T, long double phi, long double p)
{
    const long double vapour = phi * saturationVapourPressure(T);
    return 0.622L * vapour / (p - vapour);
}

long double relativeHumidityOf(long double x, long double T, long double p)
{
    // The vapour's partial pressure p x / (0.622 + x) over the saturation pressure.
    return p * x / ((0.622L + x) * saturationVapourPressure(T));
}

}  // namespace talp
