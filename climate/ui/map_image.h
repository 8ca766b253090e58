#pragma once
// A map of the climate window (the region map `karte`, the Europe map `EuroMap`): an
// installation bitmap shown pixel for pixel, so that a mouse position is the pixel of the
// bitmap whose colour the region lookup reads and whose cell the station grid holds.

#include <QImage>
#include <QWidget>
#include <filesystem>
#include <optional>

#include "climate/bitmap.h"

namespace talp {

class MapImage : public QWidget {
    Q_OBJECT
public:
    // `size` is kept while no bitmap is loaded, so that the layout does not jump.
    MapImage(const QString& name, QSize size, QWidget* parent = nullptr);

    // Shows the bitmap of the file; false (and an empty map) when it cannot be read.
    bool load(const std::filesystem::path& file);
    // The colour of a pixel of the bitmap shown; none off the bitmap or without one.
    std::optional<Rgb> pixel(QPoint at) const;
    bool hasBitmap() const { return bitmap_.width > 0; }

signals:
    void pressed(QPoint pixel);
    void moved(QPoint pixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Bitmap bitmap_;
    QImage image_;
};

// A bitmap as a Qt image; `transparent` makes one colour see-through.
QImage imageOf(const Bitmap& bitmap, std::optional<Rgb> transparent = std::nullopt);

}  // namespace talp
