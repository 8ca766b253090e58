// The segment kernel for processors with 256-bit vectors and fused multiply-add.

#define TALP_FAST_VARIANT avx2
#include "core/fast_kernel_body.h"
