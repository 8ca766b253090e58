#include <gtest/gtest.h>

#include "files/hourly_format.h"

namespace talp {
namespace {

ColumnDescriptor column(int skip, int width, int decimals, char letter) { return {skip, width, decimals, letter}; }

TEST(FormatParsing, TheExamplesOfTheCouplingDialog)
{
    const auto climate = parseFormat("XXXXXXXXXAAAA.A", kClimateLetters);
    ASSERT_TRUE(climate);
    ASSERT_EQ(climate->count, 1);
    EXPECT_EQ(climate->columns[0], column(9, 4, 1, 'A'));

    const auto building = parseFormat("XXXXXXXXXVVVV.VXSSSS.S", kBuildingLetters);
    ASSERT_TRUE(building);
    ASSERT_EQ(building->count, 2);
    EXPECT_EQ(building->columns[0], column(9, 4, 1, 'V'));
    EXPECT_EQ(building->columns[1], column(1, 4, 1, 'S'));

    const auto all = parseFormat("PPPXXSS.SSVVVVVV", kBuildingLetters);
    ASSERT_TRUE(all);
    ASSERT_EQ(all->count, 3);
    EXPECT_EQ(all->columns[0], column(0, 3, 0, 'P'));
    EXPECT_EQ(all->columns[1], column(2, 2, 2, 'S'));
    EXPECT_EQ(all->columns[2], column(0, 6, 0, 'V'));
}

TEST(FormatParsing, SyntaxErrors)
{
    EXPECT_FALSE(parseFormat("XXXXXXXX", kClimateLetters));          // only skips
    EXPECT_FALSE(parseFormat("XXXXVVVV.V", kClimateLetters));        // letter of the other file
    EXPECT_FALSE(parseFormat("XAAXAA", kClimateLetters));            // a letter used twice
    EXPECT_FALSE(parseFormat("XXAAAA.", kClimateLetters));           // point without decimals
    EXPECT_FALSE(parseFormat("XXAAAA.XA", kClimateLetters));         // decimals of another letter
    EXPECT_FALSE(parseFormat("XXVV.SS", kBuildingLetters));
    EXPECT_FALSE(parseFormat("XX AAA", kClimateLetters));            // a blank is no letter
    EXPECT_FALSE(parseFormat("xxxAAA.A", kClimateLetters));          // skips are capital X
    EXPECT_FALSE(parseFormat("", kClimateLetters));                  // nothing to read
    EXPECT_FALSE(parseFormat("XAAXX", kClimateLetters));             // a skip run at the end
}

TEST(FormatParsing, ASingleTrailingCharacterIsNotParsed)
{
    // The scan stops before the last character, so one character after the last column
    // is left alone, whatever it is.
    const auto parsed = parseFormat("XXAAA.AQ", kClimateLetters);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->count, 1);
    EXPECT_EQ(parsed->columns[0], column(2, 3, 1, 'A'));
}

class LineCheck : public ::testing::Test {
protected:
    const ParsedFormat climate = *parseFormat("XXXXXXXXXAAAA.A", kClimateLetters);
    HourlyValues values{};
    bool check(std::string_view line) { return convertLine(line, climate.columns.data(), climate.count, values); }
};

TEST_F(LineCheck, NineArbitraryCharactersThenTheValue)
{
    ASSERT_TRUE(check("01.01. 1h-012.5"));
    EXPECT_EQ(values[0], -12.5L);
    ASSERT_TRUE(check("\t\t\t\t\t\t\t\t\t  17.3"));  // tabs only where characters are skipped
    EXPECT_EQ(values[0], 17.3L);
    ASSERT_TRUE(check("xxxxxxxxx   0.0 and more text after the field"));
    EXPECT_EQ(values[0], 0.0L);
    ASSERT_TRUE(check("xxxxxxxxx  -3. "));  // a blank decimal
    EXPECT_EQ(values[0], -3.0L);
}

TEST_F(LineCheck, InvalidLines)
{
    EXPECT_FALSE(check("xxxxxxxxx-012,5"));   // seventh field character not a point
    EXPECT_FALSE(check("xxxxxxxxx 12.55"));   // point one place too far
    EXPECT_FALSE(check("xxxxxxxxx  12.x"));   // decimals: digits or blanks
    EXPECT_FALSE(check("xxxxxxxxx +12.5"));   // sign other than "-"
    EXPECT_FALSE(check("xxxxxxxxx 1 2.5"));   // a blank inside the number
    EXPECT_FALSE(check("xxxxxxxxx  - .5"));
    EXPECT_FALSE(check("xxxxxxxxx    . "));   // no digits at all
    EXPECT_FALSE(check("xxxxxxxxx 1-2.5"));   // does not read as a number
    EXPECT_FALSE(check("xxxxxxxxx\t12.5"));   // a tab inside the field
    EXPECT_FALSE(check("xxxxxxxxx 12."));     // the line ends inside the field
    EXPECT_FALSE(check(""));
}

TEST_F(LineCheck, OnlyTheFirst200CharactersAreRead)
{
    const ParsedFormat far = *parseFormat(std::string(196, 'X') + "AAA.A", kClimateLetters);
    std::string line(196, ' ');
    line += " 12.5";
    EXPECT_FALSE(convertLine(line, far.columns.data(), far.count, values));  // 201 characters needed
    const ParsedFormat edge = *parseFormat(std::string(195, 'X') + "AAA.A", kClimateLetters);
    EXPECT_TRUE(convertLine(line.substr(1) + std::string(5000, '#'), edge.columns.data(), edge.count, values));
    EXPECT_EQ(values[0], 12.5L);
}

TEST(LineCheckColumns, ValuesComeInColumnOrder)
{
    const ParsedFormat building = *parseFormat("XXXXXXXXXVVVV.VXSSSS.S", kBuildingLetters);
    HourlyValues v{};
    ASSERT_TRUE(convertLine("0101 01h 1200.0;  21.5", building.columns.data(), building.count, v));
    EXPECT_EQ(v[0], 1200.0L);
    EXPECT_EQ(v[1], 21.5L);
    // A whole-number column has no point.
    const ParsedFormat whole = *parseFormat("VVVVVXPPP", kBuildingLetters);
    ASSERT_TRUE(convertLine("  800;-12", whole.columns.data(), whole.count, v));
    EXPECT_EQ(v[0], 800.0L);
    EXPECT_EQ(v[1], -12.0L);
}

}  // namespace
}  // namespace talp
