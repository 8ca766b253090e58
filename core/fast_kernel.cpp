#include "core/fast_kernel.h"

#define TALP_FAST_VARIANT baseline
#include "core/fast_kernel_body.h"

namespace talp::fast {

bool hasWideVectors()
{
    static const bool wide = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    return wide;
}

void computeBlock(const PipeConstants& c, const AirPolynomials* air, HourBlock& b, bool keepSamples)
{
    // A block whose air leaves the polynomials' range is computed again by the formulas.
    if (hasWideVectors()) {
        if (!air || !avx2::segmentsByPolynomials(c, *air, b, keepSamples)) avx2::segmentsByFormulas(c, b, keepSamples);
    } else {
        if (!air || !baseline::segmentsByPolynomials(c, *air, b, keepSamples))
            baseline::segmentsByFormulas(c, b, keepSamples);
    }
}

}  // namespace talp::fast
