// Choosing a region without knowing its number: by postal code and by a click on the map.

#include <gtest/gtest.h>

#include <sstream>

#include "climate/postal_code.h"
#include "climate/region_colours.h"

namespace talp {
namespace {

// A table in which every prefix k has region k mod 12 + 1, except prefix 5 (none).
std::string table()
{
    std::string t;
    for (int k = 1; k <= 999; ++k) {
        char line[16];
        std::snprintf(line, sizeof line, "%03d %d\n", k, k == 5 ? 0 : k % 12 + 1);
        t += line;
    }
    return t;
}

std::optional<int> lookup(std::string_view code, const std::string& text = table())
{
    std::istringstream in(text);
    return regionOfPostalCode(code, in);
}

TEST(PostalCode, FirstThreeDigitsChooseTheLine)
{
    EXPECT_EQ(lookup("00100"), 2);
    EXPECT_EQ(lookup("34117"), 341 % 12 + 1);
    EXPECT_EQ(lookup("99999"), 999 % 12 + 1);
    EXPECT_FALSE(lookup("00500"));  // the table gives no region
}

TEST(PostalCode, MalformedCodesAreRejectedWithoutReadingTheTable)
{
    // A stream that would answer region 1 for any prefix: the code alone must fail.
    std::string everything;
    for (int k = 1; k <= 999; ++k) everything += "xxx 1\n";
    for (const std::string_view code : {"3411", "341170", "", "34a17", "3411a", "341-7", "+3411", " 3411", "3411 "})
        EXPECT_FALSE(lookup(code, everything)) << "'" << code << "'";
    EXPECT_FALSE(lookup("00017", everything));  // prefix 000 has no line
    EXPECT_EQ(lookup("00117", everything), 1);
}

TEST(PostalCode, BrokenTablesFindNoRegion)
{
    EXPECT_FALSE(lookup("34117", "001 1\n002 2\n"));       // the table ends before the prefix
    EXPECT_FALSE(lookup("00217", "001 1\n002 13\n"));      // no such region
    EXPECT_FALSE(lookup("00217", "001 1\n002 x\n"));
    EXPECT_FALSE(lookup("00217", "001 1\n002\n"));         // nothing after the four characters
    EXPECT_EQ(lookup("00217", "001 1\r\n002  12 \r\n"), 12);  // CR LF and blanks around the number
    EXPECT_FALSE(regionOfPostalCode("34117", std::filesystem::path("/nonexistent/sys/plz.txt")));
}

TEST(MapColours, EachSwatchChoosesItsRegionInClickOrder)
{
    const SwatchColours swatches = standardSwatchColours();
    const std::array<int, 12> greyOfRegion{75, 163, 82, 117, 174, 105, 140, 94, 186, 128, 197, 71};
    for (int region = 1; region <= 12; ++region) {
        const Rgb colour = grey(greyOfRegion[static_cast<std::size_t>(region - 1)]);
        EXPECT_EQ(regionColour(region, swatches), colour);
        EXPECT_EQ(regionOfColour(colour, swatches), region);
    }
    // The comparison takes the first swatch in click order when two swatches are alike.
    SwatchColours alike = swatches;
    alike[1] = alike[0];  // swatch 1 (region 12) now looks like swatch 0 (region 1)
    EXPECT_EQ(regionOfColour(grey(75), alike), 1);
}

TEST(MapColours, AColourThatIsNoSwatchAppliesTheCurrentRegionAgain)
{
    const SwatchColours swatches = standardSwatchColours();
    EXPECT_EQ(regionAfterMapClick(Rgb{255, 255, 255}, swatches, 4), 4);  // background
    EXPECT_EQ(regionAfterMapClick(Rgb{0, 0, 0}, swatches, 9), 9);        // national border
    EXPECT_EQ(regionAfterMapClick(Rgb{75, 75, 76}, swatches, 9), 9);     // near, but not a swatch
    EXPECT_EQ(regionAfterMapClick(grey(197), swatches, 9), 11);
}

TEST(MapColours, SwatchImageHoldsEverySwatchInItsRow)
{
    const Bitmap image = swatchImage();
    ASSERT_EQ(image.width, 1);
    ASSERT_EQ(image.height, 24);
    EXPECT_EQ(swatchColoursOf(image), standardSwatchColours());
    EXPECT_FALSE(swatchColoursOf(Bitmap(1, 22, Rgb{})));
}

}  // namespace
}  // namespace talp
