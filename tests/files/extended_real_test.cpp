#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "files/extended_real.h"

namespace talp {
namespace {

ExtendedBytes pattern(std::uint64_t mantissa, unsigned signAndExponent)
{
    ExtendedBytes b{};
    for (int i = 0; i < 8; ++i) b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    b[8] = static_cast<std::uint8_t>(signAndExponent & 0xFF);
    b[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
    return b;
}

constexpr std::uint64_t kIntegerBit = 0x8000000000000000ULL;

TEST(ExtendedReal, KnownValuesHaveTheirX87Bytes)
{
    EXPECT_EQ(encodeExtended(1.0L), pattern(kIntegerBit, 0x3FFF));
    EXPECT_EQ(encodeExtended(-2.0L), pattern(kIntegerBit, 0xC000));
    EXPECT_EQ(encodeExtended(20.0L), pattern(0xA000000000000000ULL, 0x4003));
    EXPECT_EQ(encodeExtended(0.8L), pattern(0xCCCCCCCCCCCCCCCDULL, 0x3FFE));  // 0.8 rounded to 64 bits
    EXPECT_EQ(decodeExtended(pattern(0xCCCCCCCCCCCCCCCDULL, 0x3FFE)), 0.8L);
}

TEST(ExtendedReal, ZerosKeepTheirSign)
{
    EXPECT_EQ(encodeExtended(0.0L), pattern(0, 0));
    EXPECT_EQ(encodeExtended(-0.0L), pattern(0, 0x8000));
    EXPECT_TRUE(std::signbit(decodeExtended(pattern(0, 0x8000))));
    EXPECT_FALSE(std::signbit(decodeExtended(pattern(0, 0))));
}

TEST(ExtendedReal, InfinitiesAndNaN)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(encodeExtended(inf), pattern(kIntegerBit, 0x7FFF));
    EXPECT_EQ(encodeExtended(-inf), pattern(kIntegerBit, 0xFFFF));
    EXPECT_EQ(decodeExtended(pattern(kIntegerBit, 0xFFFF)), -inf);
    EXPECT_EQ(encodeExtended(std::numeric_limits<long double>::quiet_NaN()), pattern(0xC000000000000000ULL, 0x7FFF));
    EXPECT_TRUE(std::isnan(decodeExtended(pattern(0xC000000000000001ULL, 0xFFFF))));  // any payload
    EXPECT_TRUE(std::isnan(decodeExtended(pattern(kIntegerBit | 1, 0x7FFF))));       // signalling NaN
}

TEST(ExtendedReal, PatternsAnX87RefusesReadAsNaN)
{
    EXPECT_TRUE(std::isnan(decodeExtended(pattern(0x4000000000000000ULL, 0x3FFF))));  // unnormal
    EXPECT_TRUE(std::isnan(decodeExtended(pattern(0, 0x4003))));                      // unnormal zero
    EXPECT_TRUE(std::isnan(decodeExtended(pattern(0, 0x7FFF))));                      // pseudo-infinity
    EXPECT_TRUE(std::isnan(decodeExtended(pattern(1, 0x7FFF))));                      // pseudo-NaN
    // A pseudo-denormal is a number: the scale of exponent 1.
    EXPECT_EQ(decodeExtended(pattern(kIntegerBit, 0)), decodeExtended(pattern(kIntegerBit, 1)));
}

TEST(ExtendedReal, DenormalsAndTheEndsOfTheRange)
{
    if (LDBL_MANT_DIG != 64) GTEST_SKIP() << "the host's long double is no x87 extended real";
    const long double smallest = std::numeric_limits<long double>::denorm_min();
    EXPECT_EQ(encodeExtended(smallest), pattern(1, 0));
    EXPECT_EQ(encodeExtended(-smallest * 3), pattern(3, 0x8000));
    EXPECT_EQ(encodeExtended(std::numeric_limits<long double>::min()), pattern(kIntegerBit, 1));
    EXPECT_EQ(encodeExtended(std::numeric_limits<long double>::max()), pattern(~0ULL, 0x7FFE));
    EXPECT_EQ(decodeExtended(pattern(~0ULL, 0x7FFE)), std::numeric_limits<long double>::max());
    EXPECT_EQ(decodeExtended(pattern(0x7FFFFFFFFFFFFFFFULL, 0)), std::numeric_limits<long double>::min() - smallest);
}

// On an x87 host the codec must agree with the processor's own reading of every pattern
// and give back every canonical pattern bit for bit.
TEST(ExtendedReal, RandomPatternsAgreeWithTheProcessor)
{
    if (LDBL_MANT_DIG != 64) GTEST_SKIP() << "the host's long double is no x87 extended real";
    std::mt19937_64 random(20240917);
    std::uniform_int_distribution<unsigned> exponent(0, 0xFFFF);
    int canonical = 0;
    for (int i = 0; i < 200000; ++i) {
        std::uint64_t mantissa = random();
        unsigned top = exponent(random);
        // Most patterns of interest are numbers: give most of them the integer bit, and
        // put some at the extreme exponents.
        if (i % 8 != 0) mantissa |= kIntegerBit;
        if (i % 16 == 1) top = (top & 0x8000u) | (i % 32 == 1 ? 0u : 0x7FFFu);
        const ExtendedBytes bytes = pattern(mantissa, top);
        long double native = 0;
        std::memcpy(&native, bytes.data(), bytes.size());
        const long double decoded = decodeExtended(bytes);
        if (std::isnan(native)) {
            ASSERT_TRUE(std::isnan(decoded)) << std::hex << mantissa << " " << top;
            continue;
        }
        ASSERT_EQ(decoded, native) << std::hex << mantissa << " " << top;
        ASSERT_EQ(std::signbit(decoded), std::signbit(native));
        const unsigned biased = top & 0x7FFFu;
        const bool pseudoDenormal = biased == 0 && (mantissa & kIntegerBit);
        if (!pseudoDenormal) {
            ASSERT_EQ(encodeExtended(decoded), bytes) << std::hex << mantissa << " " << top;
            ++canonical;
        }
    }
    EXPECT_GT(canonical, 150000);
}

TEST(ExtendedReal, WriteAndReadInPlace)
{
    std::uint8_t buffer[12] = {0xAA, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xBB};
    writeExtended(buffer + 1, -1234.5625L);
    EXPECT_EQ(buffer[0], 0xAA);
    EXPECT_EQ(buffer[11], 0xBB);
    EXPECT_EQ(readExtended(buffer + 1), -1234.5625L);
}

}  // namespace
}  // namespace talp
