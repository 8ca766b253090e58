#include "chart/xy_chart.h"

#include <QAreaSeries>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsRectItem>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "chart/axis_ticks.h"

namespace talp {

namespace {

// How close to a data point the mouse must be for it to count as hit.
constexpr double kPickRadius = 6;
constexpr double kMarkerSize = 3;
// The room a tick label of an automatic step is given along the x and the y axis, pixels.
constexpr double kLabelWidth = 45;
constexpr double kLabelHeight = 22;
// The least space between the labels of a fixed step, pixels: enough that neighbours do
// not run into each other, and little enough that the year's hours every 800 fit the
// annual window's chart.
constexpr double kLabelGap = 2;

}  // namespace

XyChart::XyChart(QWidget* parent)
    : QChartView(parent), xAxis_(new QValueAxis), yAxis_(new QValueAxis), zoomRectangle_(new QGraphicsRectItem),
      hint_(new QLabel(this))
{
    // A year of hourly values is dense enough that antialiasing gains nothing visible but
    // costs most of the drawing time.
    setRenderHint(QPainter::Antialiasing, false);
    setRubberBand(QChartView::NoRubberBand);
    setMouseTracking(true);
    setMinimumSize(240, 160);

    QChart* c = chart();
    // The plot takes the whole widget: no rounded card inside it.
    setFrameShape(QFrame::NoFrame);
    c->layout()->setContentsMargins(0, 0, 0, 0);
    c->setBackgroundRoundness(0);
    c->setMargins(QMargins(4, 4, 8, 2));
    c->legend()->setAlignment(Qt::AlignBottom);
    // Legend and tick labels a little smaller than the text around, so that three series
    // names and a year's hour labels fit a chart of the windows' original size.
    QFont small = c->legend()->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    c->legend()->setFont(small);
    // A name the legend has to shorten is shown whole when the pointer rests on it.
    c->legend()->setShowToolTips(true);
    c->addAxis(xAxis_, Qt::AlignBottom);
    c->addAxis(yAxis_, Qt::AlignLeft);
    for (QValueAxis* axis : {xAxis_, yAxis_}) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setLabelsFont(small);
    }

    // A resized chart (or new tick labels) changes the plot: the steps follow its room.
    connect(c, &QChart::plotAreaChanged, this, [this] {
        if (applied_ != plans()) rescale();
    });

    zoomRectangle_->setPen(QPen(Qt::black, 1, Qt::DashLine));
    zoomRectangle_->setZValue(100);
    zoomRectangle_->hide();
    scene()->addItem(zoomRectangle_);

    hint_->setAutoFillBackground(true);
    hint_->setFrameShape(QFrame::Box);
    hint_->setMargin(2);
    hint_->hide();

    rescale();
}

XyChart::~XyChart() = default;

void XyChart::setTitle(const QString& title) { chart()->setTitle(title); }

void XyChart::setAxisTitles(const QString& x, const QString& y)
{
    xAxis_->setTitleText(x);
    yAxis_->setTitleText(y);
}

void XyChart::setLegendVisible(bool visible) { chart()->legend()->setVisible(visible); }

void XyChart::setXRange(double min, double max) { setXRange(min, max, xScale_.step); }

void XyChart::setXRange(double min, double max, double step)
{
    xScale_ = AxisScale{false, std::min(min, max), std::max(min, max), step};
    rescale();
}

void XyChart::setYRange(double min, double max)
{
    yScale_.automaticRange = false;
    yScale_.min = std::min(min, max);
    yScale_.max = std::max(min, max);
    rescale();
}

void XyChart::setXAutoRange()
{
    xScale_.automaticRange = true;
    rescale();
}

void XyChart::setYAutoRange()
{
    yScale_.automaticRange = true;
    rescale();
}

void XyChart::setXStep(double step)
{
    xScale_.step = step;
    rescale();
}

void XyChart::setYStep(double step)
{
    yScale_.step = step;
    rescale();
}

int XyChart::addSeries(const QString& name, const QColor& colour, SeriesStyle style, double gap)
{
    series_.push_back(Series{name, colour, style, gap, {}, {}});
    Series& added = series_.back();
    added.pieces.push_back(newPiece(added, true));
    return static_cast<int>(series_.size()) - 1;
}

QXYSeries* XyChart::newPiece(const Series& series, bool inLegend)
{
    QXYSeries* piece;
    if (series.style == SeriesStyle::Bars) {
        // Bars are filled between their outline and the zero line, so that negative months
        // hang down from it; the area owns both lines.
        auto* outline = new QLineSeries;
        auto* area = new QAreaSeries(outline, new QLineSeries);
        outline->setParent(area);
        area->lowerSeries()->setParent(area);
        area->setName(series.name);
        QColor fill = series.colour;
        fill.setAlpha(170);
        area->setBrush(fill);
        area->setPen(QPen(series.colour.darker(130), 1));
        chart()->addSeries(area);
        area->attachAxis(xAxis_);
        area->attachAxis(yAxis_);
        return outline;
    }
    if (series.style == SeriesStyle::Points) {
        auto* scatter = new QScatterSeries;
        scatter->setMarkerSize(kMarkerSize + 2);
        scatter->setBorderColor(series.colour);
        piece = scatter;
    } else {
        piece = new QLineSeries;
        piece->setMarkerSize(kMarkerSize);
    }
    piece->setName(series.name);
    piece->setColor(series.colour);
    chart()->addSeries(piece);
    piece->attachAxis(xAxis_);
    piece->attachAxis(yAxis_);
    if (!inLegend)
        for (QLegendMarker* marker : chart()->legend()->markers(piece)) marker->setVisible(false);
    return piece;
}

void XyChart::dropPieces(Series& series)
{
    for (std::size_t i = 1; i < series.pieces.size(); ++i) {
        chart()->removeSeries(series.pieces[i]);
        delete series.pieces[i];
    }
    series.pieces.resize(1);
}

void XyChart::setPoints(int index, const QList<QPointF>& points)
{
    Series& series = series_.at(static_cast<std::size_t>(index));
    series.points = points;
    dropPieces(series);
    if (series.style == SeriesStyle::Bars) {
        // The outline of each bar, from zero up to its value and back.
        const double half = series.gap / 2;
        QList<QPointF> outline;
        for (const QPointF& p : points)
            outline << QPointF(p.x() - half, 0) << QPointF(p.x() - half, p.y()) << QPointF(p.x() + half, p.y())
                    << QPointF(p.x() + half, 0);
        series.pieces.front()->replace(outline);
        QList<QPointF> zero;
        for (const QPointF& p : outline) zero << QPointF(p.x(), 0);
        static_cast<QAreaSeries*>(series.pieces.front()->parent())->lowerSeries()->replace(zero);
    } else if (series.style == SeriesStyle::Points || series.gap <= 0) {
        series.pieces.front()->replace(points);
    } else {
        // One piece per run of points closer than the gap; a lone point of a run gets a
        // marker, since a line of one point shows nothing.
        qsizetype begin = 0;
        for (qsizetype i = 1; i <= points.size(); ++i) {
            if (i < points.size() && points[i].x() - points[i - 1].x() <= series.gap) continue;
            QXYSeries* piece = begin == 0 ? series.pieces.front() : newPiece(series, false);
            if (begin != 0) series.pieces.push_back(piece);
            piece->setPointsVisible(i - begin == 1);
            piece->replace(points.mid(begin, i - begin));
            begin = i;
        }
        if (points.isEmpty()) series.pieces.front()->clear();
    }
    rescale();
}

const QList<QPointF>& XyChart::points(int series) const { return series_.at(static_cast<std::size_t>(series)).points; }

void XyChart::clear()
{
    chart()->removeAllSeries();
    series_.clear();
    hideZoomRectangle();
    rescale();
}

double XyChart::xMin() const { return xAxis_->min(); }
double XyChart::xMax() const { return xAxis_->max(); }
double XyChart::yMin() const { return yAxis_->min(); }
double XyChart::yMax() const { return yAxis_->max(); }

QRectF XyChart::plotRoom() const
{
    QRectF plot = chart()->plotArea();
    // Before the first layout the plot is estimated from the widget.
    if (plot.width() < 1 || plot.height() < 1) plot = QRectF(rect()).adjusted(60, 40, -20, -70);
    return plot;
}

double XyChart::labelExtent(const QValueAxis* axis, Qt::Orientation orientation, double min, double max, double step) const
{
    const QFontMetricsF metrics(axis->labelsFont());
    if (orientation == Qt::Vertical) return metrics.height() + kLabelGap;
    // The labels are centred on their ticks: neighbours need the widest label's width apart.
    const int decimals = tickDecimals(step);
    const double widest = std::max(metrics.horizontalAdvance(QString::number(min, 'f', decimals)),
                                   metrics.horizontalAdvance(QString::number(max, 'f', decimals)));
    return widest + kLabelGap;
}

std::pair<XyChart::AxisPlan, XyChart::AxisPlan> XyChart::plans() const
{
    const double infinity = std::numeric_limits<double>::infinity();
    double lowX = infinity, highX = -infinity;
    for (const Series& series : series_)
        for (const QPointF& p : series.points) {
            lowX = std::min(lowX, p.x());
            highX = std::max(highX, p.x());
        }
    if (lowX > highX) lowX = highX = 0;
    const AxisPlan x = plan(xScale_, lowX, highX, Qt::Horizontal);

    // An automatic y range follows the points within the x range shown, so that a zoomed
    // day fills the plot's height.
    double lowY = infinity, highY = -infinity;
    for (const Series& series : series_)
        for (const QPointF& p : series.points) {
            if (p.x() < x.min || p.x() > x.max) continue;
            lowY = std::min(lowY, p.y());
            highY = std::max(highY, p.y());
        }
    if (lowY > highY) lowY = highY = 0;
    return {x, plan(yScale_, lowY, highY, Qt::Vertical)};
}

void XyChart::rescale()
{
    const std::pair<AxisPlan, AxisPlan> wanted = plans();
    if (applied_ != wanted) {
        // Every axis change redraws the series, and a redraw costs most while the curves
        // reach far beyond the plot: the y axis goes first, while the x range of a zoom
        // still keeps them within it.
        apply(yAxis_, wanted.second);
        apply(xAxis_, wanted.first);
        applied_ = wanted;
    }
    placeZoomRectangle();
}

XyChart::AxisPlan XyChart::plan(const AxisScale& scale, double dataMin, double dataMax, Qt::Orientation orientation) const
{
    const QRectF room = plotRoom();
    const bool along = orientation == Qt::Horizontal;
    const double length = along ? room.width() : room.height();
    const int maxTicks = std::clamp(static_cast<int>(length / (along ? kLabelWidth : kLabelHeight)), 2, 10);
    double min = scale.min, max = scale.max;
    if (scale.automaticRange) {
        const AxisRange range = roundedRange(dataMin, dataMax, scale.step > 0 ? scale.step : niceStep(dataMax - dataMin, maxTicks));
        min = range.min;
        max = range.max;
    } else if (max <= min) {
        max = min + 1;
    }
    if (!(scale.step > 0)) return {min, max, niceStep(max - min, maxTicks)};
    const QValueAxis* axis = along ? xAxis_ : yAxis_;
    return {min, max, fittingStep(scale.step, max - min, length, labelExtent(axis, orientation, min, max, scale.step))};
}

void XyChart::apply(QValueAxis* axis, const AxisPlan& plan)
{
    // The axis lays out its ticks after every change: a wide range with the narrow step of
    // a zoomed view would briefly mean hundreds of tick labels, so the coarser of the two
    // steps is always in place first.
    if (plan.step > axis->tickInterval()) {
        axis->setTickInterval(plan.step);
        axis->setRange(plan.min, plan.max);
    } else {
        axis->setRange(plan.min, plan.max);
        axis->setTickInterval(plan.step);
    }
    // Ticks on whole steps from zero, so that a range of 1..8760 reads 800, 1600, ...
    axis->setTickAnchor(0);
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(tickDecimals(plan.step)));
}

QPointF XyChart::toPixels(QPointF value) const
{
    const QRectF plot = chart()->plotArea();
    const double fx = (value.x() - xMin()) / (xMax() - xMin());
    const double fy = (value.y() - yMin()) / (yMax() - yMin());
    const QPointF scenePoint = chart()->mapToScene(QPointF(plot.left() + fx * plot.width(), plot.bottom() - fy * plot.height()));
    return mapFromScene(scenePoint);
}

QPointF XyChart::toValue(QPointF pixels) const
{
    const QRectF plot = chart()->plotArea();
    const QPointF inChart = chart()->mapFromScene(mapToScene(pixels.toPoint()));
    const double fx = (inChart.x() - plot.left()) / plot.width();
    const double fy = (plot.bottom() - inChart.y()) / plot.height();
    return {xMin() + fx * (xMax() - xMin()), yMin() + fy * (yMax() - yMin())};
}

std::optional<ChartPoint> XyChart::pointNear(QPointF pixels) const
{
    std::optional<ChartPoint> best;
    double bestDistance = kPickRadius * kPickRadius;
    const QPointF value = toValue(pixels);
    // Only points within the pick radius in x can be hit; a pixel spans this many units.
    const double xReach = kPickRadius * (xMax() - xMin()) / std::max(1.0, chart()->plotArea().width());
    for (std::size_t s = 0; s < series_.size(); ++s) {
        const QList<QPointF>& points = series_[s].points;
        for (qsizetype i = 0; i < points.size(); ++i) {
            if (std::abs(points[i].x() - value.x()) > xReach) continue;
            const QPointF d = toPixels(points[i]) - pixels;
            const double distance = d.x() * d.x() + d.y() * d.y();
            if (distance <= bestDistance) {
                bestDistance = distance;
                best = ChartPoint{static_cast<int>(s), static_cast<int>(i), points[i]};
            }
        }
    }
    return best;
}

ChartMouseEvent XyChart::mouseEvent(const QMouseEvent* event, Qt::MouseButton button) const
{
    ChartMouseEvent e;
    e.position = event->position().toPoint();
    e.value = toValue(event->position());
    e.button = button;
    e.shift = event->modifiers().testFlag(Qt::ShiftModifier);
    e.insidePlot = e.value.x() > xMin() && e.value.x() <= xMax() && e.value.y() > yMin() && e.value.y() < yMax();
    e.hit = pointNear(event->position());
    return e;
}

// The windows decide what a click means; the view's own dragging and zooming stay off.
void XyChart::mousePressEvent(QMouseEvent* event) { emit mousePressed(mouseEvent(event, event->button())); }
void XyChart::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(mouseEvent(event, Qt::NoButton)); }
void XyChart::mouseReleaseEvent(QMouseEvent* event) { emit mouseReleased(mouseEvent(event, event->button())); }
void XyChart::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void XyChart::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    placeZoomRectangle();
}

void XyChart::showZoomRectangle(double from, double to)
{
    zoomSpan_ = std::make_pair(from, to);
    placeZoomRectangle();
}

void XyChart::hideZoomRectangle()
{
    zoomSpan_.reset();
    zoomRectangle_->hide();
}

bool XyChart::zoomRectangleVisible() const { return zoomSpan_.has_value(); }

void XyChart::placeZoomRectangle()
{
    if (!zoomSpan_) return;
    const QRectF plot = chart()->plotArea();
    const auto sceneX = [&](double x) { return plot.left() + (x - xMin()) / (xMax() - xMin()) * plot.width(); };
    const double left = std::clamp(sceneX(zoomSpan_->first), plot.left(), plot.right());
    const double right = std::clamp(sceneX(zoomSpan_->second), plot.left(), plot.right());
    zoomRectangle_->setRect(chart()->mapRectToScene(QRectF(QPointF(std::min(left, right), plot.top()),
                                                           QPointF(std::max(left, right), plot.bottom()))));
    zoomRectangle_->show();
}

void XyChart::showHint(const QString& text, QPoint at)
{
    hint_->setText(text);
    hint_->adjustSize();
    // Kept inside the chart, so that near the right or bottom edge it is not cut off.
    const int x = std::clamp(at.x(), 0, std::max(0, width() - hint_->width()));
    const int y = std::clamp(at.y(), 0, std::max(0, height() - hint_->height()));
    hint_->move(x, y);
    hint_->raise();
    hint_->show();
}

void XyChart::hideHint() { hint_->hide(); }

}  // namespace talp
