// The diagram component: automatic axes, series handed over whole and broken at gaps,
// mouse positions in chart coordinates, and the drawing speed of a year of hours.

#include <QElapsedTimer>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "chart/axis_ticks.h"
#include "chart/xy_chart.h"

using talp::ChartMouseEvent;
using talp::SeriesStyle;
using talp::XyChart;

namespace {

QList<QPointF> yearOfHours(double phase)
{
    QList<QPointF> points;
    points.reserve(8760);
    for (int hour = 1; hour <= 8760; ++hour)
        points.append(QPointF(hour, 10 - 12 * std::cos(2 * M_PI * (hour + phase) / 8760) + 5 * std::sin(2 * M_PI * hour / 24)));
    return points;
}

int lineSeriesIn(XyChart& chart)
{
    int count = 0;
    for (QAbstractSeries* s : chart.chart()->series()) count += qobject_cast<QLineSeries*>(s) != nullptr;
    return count;
}

}  // namespace

class XyChartTest : public QObject {
    Q_OBJECT
private slots:
    void automaticStepsAreOneTwoOrFiveTimesAPowerOfTen()
    {
        QCOMPARE(talp::niceStep(8760), 1000.0);
        QCOMPARE(talp::niceStep(24), 5.0);
        QCOMPARE(talp::niceStep(1.5), 0.2);
        QCOMPARE(talp::niceStep(0), 1.0);
        QCOMPARE(talp::niceStep(24, 4), 10.0);
        // A fixed step too dense for a narrow chart is widened to a whole multiple.
        QCOMPARE(talp::fittingStep(800, 8759, 11), 800.0);
        QCOMPARE(talp::fittingStep(800, 8759, 6), 1600.0);
        QCOMPARE(talp::fittingStep(800, 8759, 3), 3200.0);
        QCOMPARE(talp::tickDecimals(0.2), 1);
        QCOMPARE(talp::tickDecimals(0.05), 2);
        QCOMPARE(talp::tickDecimals(800), 0);
    }

    void automaticRangesRoundOutwardsAndGiveAFlatCurveHeight()
    {
        const talp::AxisRange r = talp::roundedRange(-7.3, 23.1, 5);
        QCOMPARE(r.min, -10.0);
        QCOMPARE(r.max, 25.0);
        const talp::AxisRange flat = talp::roundedRange(4, 4, 1);
        QVERIFY(flat.min < 4 && flat.max > 4);
    }

    void fixedRangeAndStepStayWhateverTheData()
    {
        XyChart chart;
        chart.setXRange(1, 8760);
        chart.setXStep(800);
        const int s = chart.addSeries("a", Qt::red);
        chart.setPoints(s, {{100, 3}, {8000, 40}});
        QCOMPARE(chart.xMin(), 1.0);
        QCOMPARE(chart.xMax(), 8760.0);
        QVERIFY(chart.yMin() <= 3 && chart.yMax() >= 40);
    }

    void automaticYRangeFollowsThePointsShown()
    {
        XyChart chart;
        chart.resize(600, 400);
        const int s = chart.addSeries("a", Qt::red);
        chart.setPoints(s, {{1, -20}, {5, 2}, {6, 4}, {100, 50}});
        QVERIFY(chart.yMin() <= -20 && chart.yMax() >= 50);
        chart.setXRange(4, 7);
        QVERIFY(chart.yMin() >= 0 && chart.yMin() <= 2);
        QVERIFY(chart.yMax() >= 4 && chart.yMax() <= 6);
    }

    void lineIsBrokenWhereTheExchangerWasOff()
    {
        XyChart chart;
        const int s = chart.addSeries("outlet", Qt::darkGreen, SeriesStyle::Line, 1);
        chart.setPoints(s, {{1, 1}, {2, 2}, {3, 3}, {10, 1}, {11, 2}, {20, 5}});
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QCOMPARE(lineSeriesIn(chart), 3);
        QCOMPARE(chart.points(s).size(), 6);
        // Only the first piece stands in the legend.
        int shown = 0;
        for (QLegendMarker* marker : chart.chart()->legend()->markers()) shown += marker->isVisible();
        QCOMPARE(shown, 1);
        // Redrawn with a continuous run, the pieces go again.
        chart.setPoints(s, {{1, 1}, {2, 2}});
        QCOMPARE(lineSeriesIn(chart), 1);
        chart.clear();
        QCOMPARE(chart.seriesCount(), 0);
        QCOMPARE(lineSeriesIn(chart), 0);
    }

    void mouseReportsChartCoordinatesButtonShiftAndHit()
    {
        XyChart chart;
        chart.resize(600, 400);
        chart.setXRange(0, 100);
        chart.setYRange(0, 10);
        const int s = chart.addSeries("a", Qt::red);
        chart.setPoints(s, {{20, 5}, {80, 2}});
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));

        const QPointF at = chart.toPixels({50, 5});
        const QPointF back = chart.toValue(at);
        QVERIFY(std::abs(back.x() - 50) < 0.2 && std::abs(back.y() - 5) < 0.05);

        QSignalSpy pressed(&chart, &XyChart::mousePressed);
        QTest::mousePress(chart.viewport(), Qt::LeftButton, Qt::ShiftModifier, chart.toPixels({20, 5}).toPoint());
        QCOMPARE(pressed.count(), 1);
        const auto e = pressed.at(0).at(0).value<ChartMouseEvent>();
        QCOMPARE(e.button, Qt::LeftButton);
        QVERIFY(e.shift);
        QVERIFY(e.insidePlot);
        QVERIFY(e.hit.has_value());
        QCOMPARE(e.hit->value, QPointF(20, 5));

        QSignalSpy released(&chart, &XyChart::mouseReleased);
        QTest::mouseRelease(chart.viewport(), Qt::RightButton, {}, chart.toPixels({50, 9}).toPoint());
        const auto r = released.at(0).at(0).value<ChartMouseEvent>();
        QCOMPARE(r.button, Qt::RightButton);
        QVERIFY(!r.shift);
        QVERIFY(!r.hit.has_value());

        QSignalSpy moved(&chart, &XyChart::mouseMoved);
        QTest::mouseMove(chart.viewport(), QPoint(2, 2));
        QVERIFY(!moved.isEmpty());
        QVERIFY(!moved.last().at(0).value<ChartMouseEvent>().insidePlot);
    }

    void hintStaysInsideTheChart()
    {
        XyChart chart;
        chart.resize(300, 200);
        chart.showHint("31.12.", QPoint(295, 230));
        QVERIFY(chart.hint()->isVisibleTo(&chart));
        QVERIFY(chart.hint()->geometry().right() < 300);
        QVERIFY(chart.hint()->geometry().bottom() < 200);
        chart.hideHint();
        QVERIFY(!chart.hint()->isVisibleTo(&chart));
    }

    // Two series of 8760 hours must draw, and redraw zoomed, without a delay the user
    // notices; the times are printed so that a slowdown shows in the test log.
    void yearOfHoursDrawsAndZoomsQuickly()
    {
        XyChart chart;
        chart.resize(640, 300);
        chart.setXRange(1, 8760);
        chart.setXStep(800);
        const QList<QPointF> outdoor = yearOfHours(0), outlet = yearOfHours(300);
        QElapsedTimer timer;
        timer.start();
        const int a = chart.addSeries("outdoor", Qt::red);
        const int b = chart.addSeries("outlet", Qt::darkGreen, SeriesStyle::Line, 1);
        chart.setPoints(a, outdoor);
        chart.setPoints(b, outlet);
        chart.grab();
        const qint64 draw = timer.restart();
        chart.setXRange(4000, 4100, 0);
        chart.grab();
        const qint64 zoom = timer.restart();
        chart.setXRange(1, 8760, 800);
        chart.grab();
        const qint64 reset = timer.elapsed();
        qInfo("8760 h x 2 series: draw %lld ms, zoom %lld ms, reset %lld ms", draw, zoom, reset);
        QVERIFY(draw < 1000 && zoom < 1000 && reset < 1000);
    }
};

QTEST_MAIN(XyChartTest)
#include "xy_chart_test.moc"
