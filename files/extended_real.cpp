#include "files/extended_real.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace talp {

namespace {
constexpr int kExponentBias = 16383;
constexpr int kMaxExponent = 0x7FFF;
}  // namespace

ExtendedBytes encodeExtended(long double value)
{
    std::uint64_t mantissa = 0;
    int biased = 0;
    bool negative = std::signbit(value);

    if (std::isnan(value)) {
        biased = kMaxExponent;
        mantissa = 0xC000000000000000ULL;  // quiet NaN with the integer bit
        negative = false;
    } else if (std::isinf(value)) {
        biased = kMaxExponent;
        mantissa = 0x8000000000000000ULL;
    } else if (value != 0.0L) {
        int exponent = 0;
        long double fraction = std::frexp(std::fabs(value), &exponent);  // [0.5, 1) * 2^exponent
        // The leading bit has weight 2^(exponent-1); an extended number 1.f * 2^(biased-16383).
        biased = exponent - 1 + kExponentBias;
        int shift = 64;
        if (biased <= 0) {
            // Denormal: exponent field 0 means weight 2^(1-16383) for the integer bit.
            shift = 64 - (1 - biased);
            biased = 0;
        }
        if (shift <= 0) {
            mantissa = 0;
            biased = 0;
        } else {
            long double scaled = std::ldexp(fraction, shift);  // < 2^64, rounded to an integer
            scaled = std::nearbyint(scaled);
            if (scaled >= 18446744073709551616.0L) {  // rounding carried into a new bit
                scaled /= 2.0L;
                ++biased;
            }
            mantissa = static_cast<std::uint64_t>(scaled);
            if (biased == 0 && (mantissa & 0x8000000000000000ULL)) biased = 1;  // rounded up to normal
        }
        if (biased >= kMaxExponent) {
            biased = kMaxExponent;
            mantissa = 0x8000000000000000ULL;
        }
    }

    ExtendedBytes bytes{};
    for (int i = 0; i < 8; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    const unsigned top = static_cast<unsigned>(biased) | (negative ? 0x8000u : 0u);
    bytes[8] = static_cast<std::uint8_t>(top & 0xFF);
    bytes[9] = static_cast<std::uint8_t>(top >> 8);
    return bytes;
}

long double decodeExtended(const ExtendedBytes& bytes)
{
    std::uint64_t mantissa = 0;
    for (int i = 0; i < 8; ++i) mantissa |= static_cast<std::uint64_t>(bytes[static_cast<std::size_t>(i)]) << (8 * i);
    const unsigned top = static_cast<unsigned>(bytes[8]) | (static_cast<unsigned>(bytes[9]) << 8);
    const bool negative = (top & 0x8000u) != 0;
    const int biased = static_cast<int>(top & 0x7FFFu);

    const bool integerBit = (mantissa & 0x8000000000000000ULL) != 0;
    const bool fractionZero = (mantissa & 0x7FFFFFFFFFFFFFFFULL) == 0;
    // The patterns an x87 refuses as operands (an unnormal: a non-zero exponent without
    // the integer bit; pseudo-infinities and pseudo-NaNs) read as NaN, as the processor
    // itself would load them.
    if (biased != 0 && !integerBit) return std::numeric_limits<long double>::quiet_NaN();
    long double magnitude = 0.0L;
    if (biased == kMaxExponent) {
        if (!fractionZero) return std::numeric_limits<long double>::quiet_NaN();
        magnitude = std::numeric_limits<long double>::infinity();
    } else {
        // value = mantissa * 2^(e - 16383 - 63), with e = 1 for the denormal field 0 (a
        // pseudo-denormal, exponent 0 with the integer bit, has the same scale). Split
        // the 64-bit mantissa so that each half converts exactly even to a 53-bit double.
        const int e = biased == 0 ? 1 : biased;
        const long double high = static_cast<long double>(mantissa >> 32);
        const long double low = static_cast<long double>(mantissa & 0xFFFFFFFFULL);
        magnitude = std::ldexp(high, e - kExponentBias - 63 + 32) + std::ldexp(low, e - kExponentBias - 63);
    }
    return negative ? -magnitude : magnitude;
}

void writeExtended(std::uint8_t* destination, long double value)
{
    const ExtendedBytes bytes = encodeExtended(value);
    std::memcpy(destination, bytes.data(), bytes.size());
}

long double readExtended(const std::uint8_t* source)
{
    ExtendedBytes bytes;
    std::memcpy(bytes.data(), source, bytes.size());
    return decodeExtended(bytes);
}

}  // namespace talp
