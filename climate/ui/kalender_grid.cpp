#include "climate/ui/kalender_grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace talp {

namespace {
const QColor kFixedColour(192, 192, 192);
const QColor kMissingDayColour(128, 128, 128);
const QColor kOnColour(0, 128, 0);
const QColor kOffColour(255, 0, 0);

int columnLeft(int column)
{
    return column == 0 ? 0 : KalenderGrid::kNameWidth + KalenderGrid::kLine + (column - 1) * (KalenderGrid::kDayWidth + KalenderGrid::kLine);
}
}  // namespace

KalenderGrid::KalenderGrid(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("KalenderGrid"));
    setFixedSize(sizeHint());
    setMouseTracking(false);
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
}

QSize KalenderGrid::sizeHint() const
{
    return {columnLeft(kColumns - 1) + kDayWidth + kLine, kRows * (kRowHeight + kLine)};
}

void KalenderGrid::setCalendar(const OperatingCalendar& calendar)
{
    calendar_ = calendar;
    update();
}

void KalenderGrid::setMonthNames(const QStringList& names)
{
    monthNames_ = names;
    update();
}

QRect KalenderGrid::cellRect(int column, int row) const
{
    return {columnLeft(column), row * (kRowHeight + kLine), column == 0 ? kNameWidth : kDayWidth, kRowHeight};
}

QPoint KalenderGrid::cellAt(QPoint position) const
{
    int column = 0;
    if (position.x() >= kNameWidth + kLine)
        column = std::min(kColumns - 1, 1 + (position.x() - kNameWidth - kLine) / (kDayWidth + kLine));
    const int row = std::clamp(position.y() / (kRowHeight + kLine), 0, kRows - 1);
    return {column, row};
}

bool KalenderGrid::isSelected(int column, int row) const
{
    if (!dragStart_) return QPoint(column, row) == current_;
    const QRect span = QRect(*dragStart_, current_).normalized();
    return span.contains(column, row);
}

void KalenderGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const QRect cell = cellRect(column, row);
            if (row == 0 || column == 0) {
                painter.fillRect(cell, kFixedColour);
                painter.setPen(Qt::black);
                if (column == 0 && row > 0 && row - 1 < monthNames_.size())
                    painter.drawText(cell.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, monthNames_[row - 1]);
                else if (row == 0 && column > 0)
                    painter.drawText(cell.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QString::number(column));
                continue;
            }
            QColor colour = kMissingDayColour;
            if (OperatingCalendar::dayExists(row, column)) {
                // The cells under a drag show what the drag will make of them.
                const bool on = calendar_.isOn(row, column) != isSelected(column, row);
                colour = on ? kOnColour : kOffColour;
            }
            painter.fillRect(cell, colour);
        }
    }
}

void KalenderGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    dragStart_ = current_ = cellAt(event->position().toPoint());
    update();
}

void KalenderGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragStart_) return;
    const QPoint cell = cellAt(event->position().toPoint());
    if (cell == current_) return;
    current_ = cell;
    update();
}

void KalenderGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !dragStart_) return;
    const QPoint end = cellAt(event->position().toPoint());
    // Columns are days, rows months; the engine orders the corners and keeps them in the
    // calendar, so a drag that starts on a month name or a day number still takes row or
    // column 1.
    calendar_.invertRectangle(dragStart_->y(), dragStart_->x(), end.y(), end.x());
    dragStart_.reset();
    resetCurrentCell();
    emit calendarInverted();
}

}  // namespace talp
