#include "climate/ui/map_image.h"

#include <QMouseEvent>
#include <QPainter>

namespace talp {

QImage imageOf(const Bitmap& bitmap, std::optional<Rgb> transparent)
{
    QImage image(bitmap.width, bitmap.height, QImage::Format_ARGB32);
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x) {
            const Rgb c = bitmap.at(x, y);
            image.setPixel(x, y, qRgba(c.r, c.g, c.b, transparent && c == *transparent ? 0 : 255));
        }
    return image;
}

MapImage::MapImage(const QString& name, QSize size, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setFixedSize(size);
    setMouseTracking(true);
}

bool MapImage::load(const std::filesystem::path& file)
{
    std::optional<Bitmap> read = readBitmap(file);
    bitmap_ = read ? std::move(*read) : Bitmap();
    image_ = imageOf(bitmap_);
    if (read) setFixedSize(bitmap_.width, bitmap_.height);
    update();
    return read.has_value();
}

std::optional<Rgb> MapImage::pixel(QPoint at) const
{
    if (!bitmap_.contains(at.x(), at.y())) return std::nullopt;
    return bitmap_.at(at.x(), at.y());
}

void MapImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!image_.isNull()) painter.drawImage(0, 0, image_);
}

void MapImage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) emit pressed(event->position().toPoint());
}

void MapImage::mouseMoveEvent(QMouseEvent* event) { emit moved(event->position().toPoint()); }

}  // namespace talp
