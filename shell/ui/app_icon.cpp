#include "shell/ui/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace talp {

void paintTalpIcon(QPainter& p, qreal s)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(0.5, 0.5, s - 1, s - 1);
    QPainterPath outline;
    outline.addRoundedRect(frame, s * 0.15, s * 0.15);
    // The bands are shapes cut to the outline rather than fills under a clip, so that the
    // scalable icon drawn by this code has its rounded corners too.
    const auto band = [&](qreal top, qreal height, const QColor& colour) {
        QPainterPath rect;
        rect.addRect(QRectF(0, top, s, height));
        p.fillPath(outline.intersected(rect), colour);
    };
    band(0, s * 0.32, QColor(120, 175, 225));         // sky
    band(s * 0.32, s * 0.06, QColor(70, 140, 60));    // grass
    band(s * 0.38, s * 0.62, QColor(110, 75, 40));    // soil
    // The pipe, air entering on the left and leaving into the building on the right.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 235, 225));
    p.drawRoundedRect(QRectF(s * 0.08, s * 0.62, s * 0.84, s * 0.16), s * 0.08, s * 0.08);
    p.setBrush(QColor(200, 60, 40));
    p.drawEllipse(QPointF(s * 0.25, s * 0.70), s * 0.05, s * 0.05);
    p.setBrush(QColor(60, 110, 200));
    p.drawEllipse(QPointF(s * 0.75, s * 0.70), s * 0.05, s * 0.05);
    p.setPen(QPen(QColor(60, 45, 30), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame, s * 0.15, s * 0.15);
}

namespace {

QPixmap drawIcon(int size)
{
    QPixmap icon(size, size);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    paintTalpIcon(p, size);
    return icon;
}

}  // namespace

QIcon talpIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(drawIcon(size));
    return icon;
}

}  // namespace talp
