#pragma once
// The 10-byte x87 extended-precision format of the project and optimisation files: 64-bit
// mantissa with an explicit integer bit, then 15-bit exponent and sign, little-endian. The
// codec works on the value, not on the host's long double layout, so it gives the same
// bytes on a machine whose long double has 64 or 128 bits.

#include <array>
#include <cstdint>

namespace talp {

using ExtendedBytes = std::array<std::uint8_t, 10>;

// Exact for every finite value the host's long double holds (on a host with a wider long
// double, values beyond the 10-byte range become infinities and the mantissa is rounded
// to 64 bits, ties to even). Zero keeps its sign; NaN is written as the quiet NaN.
ExtendedBytes encodeExtended(long double value);

// Exact for every finite 10-byte value the host can hold; denormals and pseudo-denormals
// included. Infinities decode to infinity; NaNs of any payload, and the patterns an x87
// refuses as operands (unnormals, pseudo-infinities, pseudo-NaNs), to a quiet NaN, as the
// processor loads them. A value beyond the host's range decodes to an infinity, one below
// it to a (signed) zero or denormal.
long double decodeExtended(const ExtendedBytes& bytes);

void writeExtended(std::uint8_t* destination, long double value);
long double readExtended(const std::uint8_t* source);

}  // namespace talp
