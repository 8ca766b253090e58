#include "climate/bitmap.h"

#include <array>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>

namespace talp {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr int kMaxSide = 1 << 14;  // far beyond any map; guards the size arithmetic

std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}

void putLe(std::vector<std::uint8_t>& b, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::size_t rowStride(int width, int bitsPerPixel)
{
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32 * 4;
}

}  // namespace

std::optional<Bitmap> readBitmap(std::istream& in)
{
    const std::vector<std::uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() < kFileHeaderSize + kInfoHeaderSize || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    const std::uint32_t dataOffset = le(b, 10, 4);
    const std::uint32_t infoSize = le(b, 14, 4);
    const auto width = static_cast<std::int32_t>(le(b, 18, 4));
    const auto rawHeight = static_cast<std::int32_t>(le(b, 22, 4));
    const std::uint32_t planes = le(b, 26, 2), bits = le(b, 28, 2), compression = le(b, 30, 4);
    if (infoSize < kInfoHeaderSize || planes != 1 || compression != 0) return std::nullopt;
    if (bits != 8 && bits != 24 && bits != 32) return std::nullopt;
    const bool topDown = rawHeight < 0;
    if (rawHeight == std::numeric_limits<std::int32_t>::min()) return std::nullopt;
    const int height = topDown ? -rawHeight : rawHeight;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;

    std::vector<Rgb> palette;
    if (bits == 8) {
        std::uint32_t colours = le(b, 46, 4);
        if (colours == 0 || colours > 256) colours = 256;
        const std::size_t paletteAt = kFileHeaderSize + infoSize;
        if (paletteAt + 4 * std::size_t{colours} > b.size()) return std::nullopt;
        for (std::uint32_t i = 0; i < colours; ++i) {
            const std::size_t at = paletteAt + 4 * std::size_t{i};
            palette.push_back({b[at + 2], b[at + 1], b[at]});
        }
    }
    const std::size_t stride = rowStride(width, static_cast<int>(bits));
    if (dataOffset > b.size() || stride * static_cast<std::size_t>(height) > b.size() - dataOffset) return std::nullopt;

    Bitmap image(width, height, Rgb{});
    for (int row = 0; row < height; ++row) {
        const std::size_t rowAt = dataOffset + stride * static_cast<std::size_t>(topDown ? row : height - 1 - row);
        for (int x = 0; x < width; ++x) {
            if (bits == 8) {
                const std::uint8_t index = b[rowAt + static_cast<std::size_t>(x)];
                if (index >= palette.size()) return std::nullopt;
                image.at(x, row) = palette[index];
            } else {
                const std::size_t at = rowAt + static_cast<std::size_t>(x) * (bits / 8);
                image.at(x, row) = {b[at + 2], b[at + 1], b[at]};
            }
        }
    }
    return image;
}

std::optional<Bitmap> readBitmap(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    return readBitmap(in);
}

void writeBitmap(std::ostream& out, const Bitmap& image)
{
    std::vector<Rgb> palette;
    std::map<std::array<std::uint8_t, 3>, std::uint8_t> indexOf;
    for (const Rgb& c : image.pixels) {
        if (palette.size() > 256) break;
        if (indexOf.emplace(std::array{c.r, c.g, c.b}, static_cast<std::uint8_t>(palette.size())).second)
            palette.push_back(c);
    }
    const bool paletted = palette.size() <= 256;
    const int bits = paletted ? 8 : 24;
    const std::size_t stride = rowStride(image.width, bits);
    const auto paletteBytes = static_cast<std::uint32_t>(paletted ? 4 * palette.size() : 0);
    const std::uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize + paletteBytes;
    const auto dataSize = static_cast<std::uint32_t>(stride * static_cast<std::size_t>(image.height));

    std::vector<std::uint8_t> b{'B', 'M'};
    putLe(b, dataOffset + dataSize, 4);
    putLe(b, 0, 4);
    putLe(b, dataOffset, 4);
    putLe(b, kInfoHeaderSize, 4);
    putLe(b, static_cast<std::uint32_t>(image.width), 4);
    putLe(b, static_cast<std::uint32_t>(image.height), 4);  // bottom-up, as bitmaps usually are
    putLe(b, 1, 2);
    putLe(b, static_cast<std::uint32_t>(bits), 2);
    putLe(b, 0, 4);  // no compression
    putLe(b, dataSize, 4);
    putLe(b, 2835, 4);  // 72 dots per inch
    putLe(b, 2835, 4);
    putLe(b, paletted ? static_cast<std::uint32_t>(palette.size()) : 0, 4);
    putLe(b, 0, 4);
    for (std::size_t i = 0; paletted && i < palette.size(); ++i) b.insert(b.end(), {palette[i].b, palette[i].g, palette[i].r, 0});
    for (int row = image.height - 1; row >= 0; --row) {
        const std::size_t rowStart = b.size();
        for (int x = 0; x < image.width; ++x) {
            const Rgb& c = image.at(x, row);
            if (paletted)
                b.push_back(indexOf.at({c.r, c.g, c.b}));
            else
                b.insert(b.end(), {c.b, c.g, c.r});
        }
        b.resize(rowStart + stride, 0);
    }
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

bool writeBitmap(const std::filesystem::path& file, const Bitmap& image)
{
    std::ofstream out(file, std::ios::binary);
    writeBitmap(out, image);
    return static_cast<bool>(out);
}

}  // namespace talp
