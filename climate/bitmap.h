#pragma once
// A small reader and writer of Windows bitmap files (uncompressed, 8-bit paletted, 24 or
// 32 bits per pixel): enough for the region maps, the swatch image and the Europe map,
// whose exact pixel colours the map lookup compares.

#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <vector>

namespace talp {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb grey(int g)
{
    const auto v = static_cast<std::uint8_t>(g);
    return {v, v, v};
}

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // row by row from the top, left to right

    Bitmap() = default;
    Bitmap(int w, int h, Rgb fill) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Rgb& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Reads a bitmap; nothing for a file that is no uncompressed 8, 24 or 32-bit bitmap.
std::optional<Bitmap> readBitmap(std::istream& in);
std::optional<Bitmap> readBitmap(const std::filesystem::path& file);

// Writes an 8-bit paletted bitmap when the image has at most 256 colours (palette in the
// order the colours first appear), else a 24-bit one. The same image gives the same bytes.
void writeBitmap(std::ostream& out, const Bitmap& bitmap);
bool writeBitmap(const std::filesystem::path& file, const Bitmap& bitmap);

}  // namespace talp
