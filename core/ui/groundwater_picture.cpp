#include "core/ui/groundwater_picture.h"

#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace talp {

namespace {
constexpr int kSurface = 18;
}

GroundwaterPicture::GroundwaterPicture(QLabel* tableLabel, QWidget* parent) : QWidget(parent), tableLabel_(tableLabel)
{
    setObjectName(QStringLiteral("Image1"));
    setMinimumSize(sizeHint());
    tableLabel_->setParent(this);
    QPalette palette = tableLabel_->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    tableLabel_->setPalette(palette);
}

void GroundwaterPicture::setDepths(long double pipeDepth, long double groundwaterDepth)
{
    pipeDepth_ = pipeDepth;
    groundwaterDepth_ = groundwaterDepth;
    placeLabel();
    update();
}

int GroundwaterPicture::yOf(long double depth) const
{
    // The deeper of the two sets the scale, with room below it.
    const long double shown = std::max(pipeDepth_, groundwaterDepth_) * 1.3L;
    return kSurface + static_cast<int>((height() - kSurface) * (depth / shown));
}

void GroundwaterPicture::placeLabel()
{
    tableLabel_->adjustSize();
    const int y = std::min(yOf(groundwaterDepth_) + 2, height() - tableLabel_->height());
    tableLabel_->move(width() - tableLabel_->width() - 4, y);
}

void GroundwaterPicture::resizeEvent(QResizeEvent*) { placeLabel(); }

void GroundwaterPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, width(), kSurface), QColor(200, 225, 245));
    p.fillRect(QRect(0, kSurface, width(), height() - kSurface), QColor(101, 67, 33));
    const int table = yOf(groundwaterDepth_);
    p.fillRect(QRect(0, table, width(), height() - table), QColor(40, 90, 160));
    p.setPen(QPen(QColor(150, 200, 255), 2));
    p.drawLine(0, table, width(), table);
    p.setPen(QPen(QColor(60, 120, 40), 3));
    p.drawLine(0, kSurface, width(), kSurface);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(235, 235, 225));
    p.drawEllipse(QPointF(40, yOf(pipeDepth_)), 7, 7);
}

}  // namespace talp
