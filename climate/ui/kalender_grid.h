#pragma once
// The grid of the operating-calendar dialog: months down, days across, each day cell green
// when the exchanger may run and red when it may not; days that do not exist are grey.
// A drag from one cell to another inverts every day of the rectangle between them.

#include <QPoint>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <optional>

#include "climate/calendar.h"

namespace talp {

class KalenderGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 32;  // month names, then days 1..31
    static constexpr int kRows = 13;     // day numbers, then months 1..12
    static constexpr int kNameWidth = 70;
    static constexpr int kDayWidth = 17;
    static constexpr int kRowHeight = 17;
    static constexpr int kLine = 1;      // grid line between cells

    explicit KalenderGrid(QWidget* parent = nullptr);

    void setCalendar(const OperatingCalendar& calendar);
    const OperatingCalendar& calendar() const { return calendar_; }
    void setMonthNames(const QStringList& names);  // January first

    // Column 0..31, row 0..12 of a cell and back; points outside go to the nearest cell.
    QRect cellRect(int column, int row) const;
    QPoint cellAt(QPoint position) const;
    // The cell the grid's selection rests on when no drag is under way.
    void resetCurrentCell() { current_ = {kColumns - 1, 2}; update(); }

    QSize sizeHint() const override;

signals:
    // A drag inverted the days of a rectangle.
    void calendarInverted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool isSelected(int column, int row) const;

    OperatingCalendar calendar_;
    QStringList monthNames_;
    QPoint current_{kColumns - 1, 2};
    std::optional<QPoint> dragStart_;
};

}  // namespace talp
