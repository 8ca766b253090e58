#include "shell/report/form_picture.h"

#include <cmath>

namespace talp {

namespace {

int scaled(int side, double factor) { return static_cast<int>(std::lround(side * factor)); }

PictureSize scaledBy(double factor, int width, int height) { return {scaled(width, factor), scaled(height, factor)}; }

}  // namespace

PictureSize formPictureSize(int pageWidth, int pageHeight, int pictureWidth, int pictureHeight)
{
    if (pictureWidth <= 0 || pictureHeight <= 0 || pageWidth <= 0 || pageHeight <= 0) return {};
    const double acrossWidth = static_cast<double>(pageWidth) / pictureWidth;
    const double downHeight = static_cast<double>(pageHeight) / pictureHeight;
    const bool portrait = pageWidth < pageHeight;
    double factor = portrait ? acrossWidth : downHeight;
    if (scaled(pictureWidth, factor) > pageWidth || scaled(pictureHeight, factor) > pageHeight)
        factor = portrait ? downHeight : acrossWidth;
    return scaledBy(factor, pictureWidth, pictureHeight);
}

}  // namespace talp
