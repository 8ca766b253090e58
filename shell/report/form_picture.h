#pragma once
// How large the picture of a window is printed: across the width of a portrait page, down
// the height of a landscape one, keeping its proportions, at the top left of the page.

namespace talp {

struct PictureSize {
    int width = 0;
    int height = 0;
    bool operator==(const PictureSize&) const = default;
};

// The picture's size on a page, in the page's device pixels. A picture whose proportions
// would carry it past the page's other edge is made smaller until it fits.
PictureSize formPictureSize(int pageWidth, int pageHeight, int pictureWidth, int pictureHeight);

}  // namespace talp
