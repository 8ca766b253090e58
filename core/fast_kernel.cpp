#include "core/fast_kernel.h"

#define TALP_FAST_VARIANT baseline
#include "core/fast_kernel_body.h"

namespace talp::fast {

namespace avx2 {
void computeSegments(const PipeConstants& c, HourBlock& b, bool keepSamples);
}

void computeBlock(const PipeConstants& c, HourBlock& b, bool keepSamples)
{
    static const bool wideVectors = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    if (wideVectors) avx2::computeSegments(c, b, keepSamples);
    else baseline::computeSegments(c, b, keepSamples);
}

}  // namespace talp::fast
