#include "climate/region_colours.h"

namespace talp {

SwatchColours standardSwatchColours()
{
    SwatchColours colours{};
    for (std::size_t i = 0; i < colours.size(); ++i) colours[i] = grey(kSwatchGreys[i]);
    return colours;
}

Rgb regionColour(int region, const SwatchColours& swatches)
{
    return swatches[static_cast<std::size_t>(kSwatchOfRegion[static_cast<std::size_t>(region - 1)])];
}

std::optional<SwatchColours> swatchColoursOf(const Bitmap& image)
{
    if (image.width < 1 || image.height < 2 * kSwatchCount - 1) return std::nullopt;
    SwatchColours colours{};
    for (int i = 0; i < kSwatchCount; ++i) colours[static_cast<std::size_t>(i)] = image.at(0, 2 * i);
    return colours;
}

Bitmap swatchImage()
{
    Bitmap image(kSwatchImageWidth, kSwatchImageHeight, Rgb{});
    for (int row = 0; row < kSwatchImageHeight; ++row) image.at(0, row) = grey(kSwatchGreys[static_cast<std::size_t>(row / 2)]);
    return image;
}

std::optional<int> regionOfColour(Rgb colour, const SwatchColours& swatches)
{
    for (int k = 0; k < kSwatchCount; ++k)
        if (swatches[static_cast<std::size_t>(kSwatchOfRegion[static_cast<std::size_t>(k)])] == colour) return k + 1;
    return std::nullopt;
}

int regionAfterMapClick(Rgb clicked, const SwatchColours& swatches, int currentRegion)
{
    return regionOfColour(clicked, swatches).value_or(currentRegion);
}

}  // namespace talp
