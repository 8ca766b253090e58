#pragma once
// The grey swatches that identify the 12 regions on the region maps: a click on a map
// reads the pixel's colour and finds the region whose swatch has exactly that colour.

#include <array>
#include <optional>
#include <string_view>

#include "climate/bitmap.h"

namespace talp {

inline constexpr int kSwatchCount = 12;

// Swatch i is pixel (0, 2i) of the 1 x 24 swatch image; its grey value by swatch.
inline constexpr std::array<int, kSwatchCount> kSwatchGreys{75, 71, 82, 94, 105, 117, 128, 140, 163, 174, 186, 197};
// The swatches in the order a click compares them; position k belongs to region k + 1.
inline constexpr std::array<int, kSwatchCount> kSwatchOfRegion{0, 8, 2, 5, 9, 4, 7, 3, 10, 6, 11, 1};

inline constexpr std::string_view kSwatchImageFile = "images/graustufen.bmp";
inline constexpr int kSwatchImageWidth = 1;
inline constexpr int kSwatchImageHeight = 2 * kSwatchCount;

using SwatchColours = std::array<Rgb, kSwatchCount>;

// The swatch colours as the installation defines them.
SwatchColours standardSwatchColours();
// The colour a region is painted in.
Rgb regionColour(int region, const SwatchColours& swatches);
// The 12 swatch colours read from the swatch image; nothing for an image too small.
std::optional<SwatchColours> swatchColoursOf(const Bitmap& swatchImage);
// The swatch image itself (each swatch two rows high).
Bitmap swatchImage();

// The region whose swatch has exactly this colour.
std::optional<int> regionOfColour(Rgb colour, const SwatchColours& swatches);
// The region a click applies: the clicked region, or the current one for a colour that
// is no swatch (borders, background), which the click then applies again.
int regionAfterMapClick(Rgb clicked, const SwatchColours& swatches, int currentRegion);

}  // namespace talp
