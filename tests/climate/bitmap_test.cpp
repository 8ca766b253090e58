#include <gtest/gtest.h>

#include <sstream>

#include "climate/bitmap.h"

namespace talp {
namespace {

Bitmap checkerboard(int w, int h, int colours)
{
    Bitmap b(w, h, Rgb{});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int k = (x * 7 + y * 13) % colours;
            b.at(x, y) = {static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(255 - k), static_cast<std::uint8_t>(k / 2)};
        }
    return b;
}

std::string bytesOf(const Bitmap& b)
{
    std::ostringstream out;
    writeBitmap(out, b);
    return out.str();
}

std::optional<Bitmap> fromBytes(const std::string& bytes)
{
    std::istringstream in(bytes);
    return readBitmap(in);
}

// Odd widths exercise the row padding; more than 256 colours switch to 24 bits.
TEST(Bitmap, RoundTripKeepsEveryPixelExactly)
{
    for (const auto& [w, h, colours] : {std::tuple{1, 24, 12}, std::tuple{273, 220, 40}, std::tuple{3, 5, 15}, std::tuple{31, 29, 300}}) {
        const Bitmap original = checkerboard(w, h, colours);
        const std::string bytes = bytesOf(original);
        EXPECT_EQ(bytes[28], colours <= 256 ? 8 : 24);
        const std::optional<Bitmap> back = fromBytes(bytes);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->width, w);
        EXPECT_EQ(back->height, h);
        EXPECT_EQ(back->pixels, original.pixels);
        EXPECT_EQ(bytesOf(*back), bytes);  // same image, same bytes
    }
}

TEST(Bitmap, ReadsTopDownRowsAndThirtyTwoBitPixels)
{
    // A 2 x 2 top-down 32-bit image written by hand: red, green / blue, white.
    std::string b = "BM";
    const auto le = [&](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    le(54 + 16, 4), le(0, 4), le(54, 4), le(40, 4), le(2, 4), le(static_cast<std::uint32_t>(-2), 4), le(1, 2), le(32, 2);
    le(0, 4), le(16, 4), le(0, 4), le(0, 4), le(0, 4), le(0, 4);
    for (const Rgb c : {Rgb{255, 0, 0}, Rgb{0, 255, 0}, Rgb{0, 0, 255}, Rgb{255, 255, 255}}) b += {char(c.b), char(c.g), char(c.r), 0};
    const std::optional<Bitmap> image = fromBytes(b);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->at(0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(image->at(1, 0), (Rgb{0, 255, 0}));
    EXPECT_EQ(image->at(0, 1), (Rgb{0, 0, 255}));
}

TEST(Bitmap, RefusesWhatItCannotReadSafely)
{
    const std::string good = bytesOf(checkerboard(5, 4, 10));
    EXPECT_FALSE(fromBytes(""));
    EXPECT_FALSE(fromBytes("PNG not a bitmap at all, just some bytes of text to be long enough......"));
    EXPECT_FALSE(fromBytes(good.substr(0, good.size() - 1)));  // pixel rows cut short
    std::string compressed = good;
    compressed[30] = 1;  // run-length compressed
    EXPECT_FALSE(fromBytes(compressed));
    std::string hugeWidth = good;
    hugeWidth[21] = 0x7F;  // width near 2^31
    EXPECT_FALSE(fromBytes(hugeWidth));
    std::string badIndex = good;
    badIndex[good.size() - 4] = static_cast<char>(200);
    EXPECT_FALSE(fromBytes(badIndex));
    EXPECT_FALSE(readBitmap(std::filesystem::path("/nonexistent/klima4.bmp")));
}

}  // namespace
}  // namespace talp
