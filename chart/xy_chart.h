#pragma once
// The x/y diagram of the evaluation, climate and optimisation windows: a title, two value
// axes with titles, fixed or automatic ranges and steps, line and point series of (x, y)
// pairs, a legend, mouse events in chart coordinates, a zoom rectangle and a hint label.
// QtCharts draws it; series are always handed over whole, so that a year of hours redraws
// in one pass.

#include <QChartView>
#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>
#include <optional>
#include <vector>

QT_BEGIN_NAMESPACE
class QGraphicsRectItem;
class QLabel;
class QValueAxis;
class QXYSeries;
QT_END_NAMESPACE

namespace talp {

// Bars stand on zero, one per point, centred on its x; grouped bars are series side by
// side, each shifted by its share of the group.
enum class SeriesStyle { Line, Points, Bars };

// A data point of a series, as found under the mouse.
struct ChartPoint {
    int series = 0;  // as returned by addSeries
    int index = 0;   // position in the series' points
    QPointF value;
};

struct ChartMouseEvent {
    QPointF value;                    // the mouse position in chart coordinates
    QPoint position;                  // the mouse position in the chart widget, pixels
    Qt::MouseButton button = Qt::NoButton;  // the button pressed or released; none on a move
    bool shift = false;
    bool insidePlot = false;          // within the axes' ranges
    std::optional<ChartPoint> hit;    // the nearest data point within a few pixels
};

// The range and step of one axis. An automatic range follows the data (on the y axis the
// data within the x range shown), rounded outwards to the step; an automatic step gives as
// many labelled ticks as the plot has room for, at most ten. A fixed step is drawn as
// given; only where the plot is too narrow for its labels to stand apart is it widened to
// a whole multiple of itself.
struct AxisScale {
    bool automaticRange = true;
    double min = 0, max = 1;
    double step = 0;  // 0: automatic
};

class XyChart : public QChartView {
    Q_OBJECT
public:
    explicit XyChart(QWidget* parent = nullptr);
    ~XyChart() override;

    void setTitle(const QString& title);
    void setAxisTitles(const QString& x, const QString& y);
    void setLegendVisible(bool visible);

    void setXRange(double min, double max);
    // Range and step in one redraw, as a zoom sets them (step 0: automatic).
    void setXRange(double min, double max, double step);
    void setYRange(double min, double max);
    void setXAutoRange();
    void setYAutoRange();
    void setXStep(double step);  // 0: automatic
    void setYStep(double step);

    // A new, empty series; the number identifies it in setPoints and in mouse hits. Points
    // of a line series further apart in x than `gap` are not joined (0: always joined), so
    // that hours without operation do not show as a straight line across them. For bars,
    // `gap` is the width of a bar in x.
    int addSeries(const QString& name, const QColor& colour, SeriesStyle style = SeriesStyle::Line, double gap = 0);
    // Replaces the series' points in one pass.
    void setPoints(int series, const QList<QPointF>& points);
    const QList<QPointF>& points(int series) const;
    int seriesCount() const { return static_cast<int>(series_.size()); }
    // Removes every series.
    void clear();

    // The axes' current ranges.
    double xMin() const;
    double xMax() const;
    double yMin() const;
    double yMax() const;

    // Chart coordinates to the widget's pixels and back.
    QPointF toPixels(QPointF value) const;
    QPointF toValue(QPointF pixels) const;

    // The rectangle of a zoom drag, from x `from` to x `to` over the whole y range.
    void showZoomRectangle(double from, double to);
    void hideZoomRectangle();
    bool zoomRectangleVisible() const;

    // A small label in front of the chart, e.g. the date under the mouse.
    void showHint(const QString& text, QPoint at);
    void hideHint();
    QLabel* hint() const { return hint_; }

signals:
    void mousePressed(const talp::ChartMouseEvent& event);
    void mouseMoved(const talp::ChartMouseEvent& event);
    void mouseReleased(const talp::ChartMouseEvent& event);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Series {
        QString name;
        QColor colour;
        SeriesStyle style;
        double gap;
        QList<QPointF> points;
        std::vector<QXYSeries*> pieces;  // one per joined run of a line series
    };

    ChartMouseEvent mouseEvent(const QMouseEvent* event, Qt::MouseButton button) const;
    std::optional<ChartPoint> pointNear(QPointF pixels) const;
    QXYSeries* newPiece(const Series& series, bool inLegend);
    void dropPieces(Series& series);
    void rescale();
    struct AxisPlan {
        double min, max, step;
        bool operator==(const AxisPlan&) const = default;
    };
    AxisPlan plan(const AxisScale& scale, double dataMin, double dataMax, Qt::Orientation orientation) const;
    // Both axes' plans for the data and the plot's current room: y over the points within x.
    std::pair<AxisPlan, AxisPlan> plans() const;
    static void apply(QValueAxis* axis, const AxisPlan& plan);
    QRectF plotRoom() const;
    double labelExtent(const QValueAxis* axis, Qt::Orientation orientation, double min, double max, double step) const;
    void placeZoomRectangle();

    QValueAxis* xAxis_;
    QValueAxis* yAxis_;
    AxisScale xScale_, yScale_;
    std::optional<std::pair<AxisPlan, AxisPlan>> applied_;  // x and y as the axes show them
    std::vector<Series> series_;
    QGraphicsRectItem* zoomRectangle_;
    std::optional<std::pair<double, double>> zoomSpan_;
    QLabel* hint_;
};

}  // namespace talp

Q_DECLARE_METATYPE(talp::ChartMouseEvent)
