#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "core/numeric.h"

namespace talp {
namespace {

TEST(Potenz, FollowsTheSignRule)
{
    EXPECT_EQ(Potenz(0.0L, 0.25L), 0.0L);
    EXPECT_NEAR(static_cast<double>(Potenz(16.0L, 0.25L)), 2.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(Potenz(-8.0L, 1.0L / 3.0L)), -2.0, 1e-15);
    // The exp-of-log form, not a library power: the same bits as the formula.
    EXPECT_EQ(Potenz(1.7L, 0.8L), std::exp(0.8L * std::log(1.7L)));
}

TEST(RundeStellen, RoundsHalfToEvenOnTheScaledValue)
{
    EXPECT_EQ(RundeStellen(2, 20.0L), 20.0L);
    EXPECT_EQ(RundeStellen(0, 2.5L), 2.0L);
    EXPECT_EQ(RundeStellen(0, 3.5L), 4.0L);
    EXPECT_EQ(RundeStellen(1, 0.25L), 0.2L);
    EXPECT_NEAR(static_cast<double>(RundeStellen(2, 1.23456L)), 1.23, 1e-15);
}

TEST(KuerzeDezimalen, KeepsOneDigitPastTheFirstNonZeroDecimal)
{
    EXPECT_EQ(KuerzeDezimalen("1000.0"), "1000");
    EXPECT_EQ(KuerzeDezimalen("0.000592749"), "0.00059");
    EXPECT_EQ(KuerzeDezimalen("0.59275"), "0.59");
    EXPECT_EQ(KuerzeDezimalen("1.2345"), "1.23");
    EXPECT_EQ(KuerzeDezimalen("2.5"), "2.5");
    EXPECT_EQ(KuerzeDezimalen("1.13372"), "1.13");
    EXPECT_EQ(KuerzeDezimalen("0.0996"), "0.1");  // the rounding carries, trailing zeros go
    EXPECT_EQ(KuerzeDezimalen("9.996"), "10");
    EXPECT_EQ(KuerzeDezimalen("-0.0456"), "-0.046");
    EXPECT_EQ(KuerzeDezimalen("17"), "17");
    EXPECT_EQ(KuerzeDezimalen("5.9E-7"), "5.9E-7");  // not a plain decimal: unchanged
    EXPECT_EQ(KuerzeDezimalen("abc"), "abc");
}

TEST(RundeSignifikant, ShortensThroughTheDisplayText)
{
    EXPECT_EQ(RundeSignifikant(2.5L), 2.5L);
    EXPECT_NEAR(static_cast<double>(RundeSignifikant(2.0L / 3.0L)), 0.67, 1e-15);
    EXPECT_EQ(RundeSignifikant(100.0L), 100.0L);
}

TEST(Calendar, TagImMonatAndMonatsIndex)
{
    EXPECT_EQ(TagImMonat(1).month, 1);
    EXPECT_EQ(TagImMonat(31).day, 31);
    EXPECT_EQ(TagImMonat(32).month, 2);
    EXPECT_EQ(TagImMonat(32).day, 1);
    EXPECT_EQ(TagImMonat(59).day, 28);
    EXPECT_EQ(TagImMonat(60).month, 3);
    EXPECT_EQ(TagImMonat(183).month, 7);
    EXPECT_EQ(TagImMonat(183).day, 2);
    EXPECT_EQ(TagImMonat(365).month, 12);
    EXPECT_EQ(TagImMonat(365).day, 31);

    EXPECT_EQ(MonatsIndex("Januar"), 0);
    EXPECT_EQ(MonatsIndex("March"), 2);
    EXPECT_EQ(MonatsIndex("März"), 2);
    EXPECT_EQ(MonatsIndex("Juli"), 6);
    EXPECT_EQ(MonatsIndex("December"), 11);
    EXPECT_EQ(MonatsIndex("Juillet"), -1);
    EXPECT_EQ(daysBeforeMonth(MonatsIndex("Juli")), 181);
    EXPECT_EQ(daysBeforeMonth(-1), 0);  // an unknown month counts no months
}

TEST(Formatting, UsesThePointWhateverTheLocale)
{
    EXPECT_EQ(formatFixedWidth(1234.56L, 8, 1), "  1234.6");
    EXPECT_EQ(formatFixedWidth(-0.04L, 6, 1), "   0.0");
    EXPECT_EQ(formatFixedWidth(0.5L, 9, 4), "   0.5000");
    EXPECT_EQ(formatIntWidth(7, 3), "  7");
    // The export files write their fields as the C library does; only a zero has no sign.
    EXPECT_EQ(formatFixedField(-0.04L, 6, 1), "  -0.0");
    EXPECT_EQ(formatFixedField(-0.004L, 6, 2), " -0.00");
    EXPECT_EQ(formatFixedField(-0.0L, 6, 1), "   0.0");
    EXPECT_EQ(formatFixedField(-0.06L, 6, 1), "  -0.1");
    EXPECT_EQ(formatFixedField(1234.56L, 8, 1), "  1234.6");
    EXPECT_EQ(formatGeneral(0.1L), "0.1");
    EXPECT_EQ(formatGeneral(1000.0L), "1000");
    EXPECT_EQ(formatGeneral(5.9e-7L), "5.9E-7");

    long double v = 0;
    EXPECT_TRUE(parseNumber(" -12.5 ", v));
    EXPECT_EQ(v, -12.5L);
    EXPECT_FALSE(parseNumber("1,5", v));
    EXPECT_FALSE(parseNumber("", v));
    EXPECT_FALSE(parseNumber("12abc", v));
    EXPECT_FALSE(parseNumber("nan", v));
}

// A number read from inside a larger buffer ends where its text ends: nothing after it
// is read, not even when the buffer has no terminating NUL (the sanitizer run would see it).
TEST(Numeric, ParseNumberReadsOnlyItsText)
{
    long double v = 0;
    const std::string digits = "12345";
    EXPECT_TRUE(parseNumber(std::string_view(digits).substr(0, 2), v));
    EXPECT_EQ(v, 12);
    const auto unterminated = std::make_unique<char[]>(4);
    std::memcpy(unterminated.get(), "-2.5", 4);
    EXPECT_TRUE(parseNumber(std::string_view(unterminated.get(), 4), v));
    EXPECT_EQ(v, -2.5L);
}

}  // namespace
}  // namespace talp
