// The diagram component: automatic axes, fixed steps drawn as given, series handed over
// whole and broken at gaps, mouse positions in chart coordinates, and a year of hours
// zoomed and reset.

#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QSignalSpy>
#include <QTest>
#include <QValueAxis>
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

QValueAxis* xAxisOf(XyChart& chart) { return qobject_cast<QValueAxis*>(chart.chart()->axes(Qt::Horizontal).first()); }

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
        // A fixed step stands while its labels stand apart (800 h are 32 px on a plot of
        // 320 px showing 8000 h, labels that just fit); only where they would overlap is it
        // widened to a whole multiple.
        QCOMPARE(talp::fittingStep(800, 8000, 320, 32), 800.0);
        QCOMPARE(talp::fittingStep(800, 8759, 350, 30), 800.0);
        QCOMPARE(talp::fittingStep(800, 8759, 350, 33), 1600.0);
        QCOMPARE(talp::fittingStep(800, 8759, 200, 30), 1600.0);
        QCOMPARE(talp::fittingStep(800, 8759, 100, 30), 3200.0);
        QCOMPARE(talp::fittingStep(30, 364, 330, 24), 30.0);
        QCOMPARE(talp::fittingStep(30, 364, 0, 24), 30.0);
        QCOMPARE(talp::tickDecimals(0.2), 1);
        QCOMPARE(talp::tickDecimals(0.05), 2);
        QCOMPARE(talp::tickDecimals(800), 0);
    }

    // The annual chart's hours step 800 and the climate window's days step 30, each in a
    // chart of the size its window gives it: every label of the step is drawn. Squeezed below the
    // room its labels need, the step is widened to a whole multiple and the labels stay apart.
    void fixedStepIsDrawnAsGivenWhereItsLabelsFit()
    {
        struct Case {
            QSize size;
            double min, max, step;
        };
        for (const Case& c : {Case{{410, 290}, 1, 8760, 800}, Case{{410, 360}, 0, 364, 30}}) {
            XyChart chart;
            chart.resize(c.size);
            chart.setXRange(c.min, c.max, c.step);
            chart.setPoints(chart.addSeries("a", Qt::red), {{c.min, 0}, {c.max, 10}});
            chart.show();
            QVERIFY(QTest::qWaitForWindowExposed(&chart));
            QCOMPARE(xAxisOf(chart)->tickInterval(), c.step);
            QCOMPARE(chart.xMin(), c.min);
            QCOMPARE(chart.xMax(), c.max);

            chart.resize(240, 160);
            QCoreApplication::processEvents();
            QVERIFY(xAxisOf(chart)->tickInterval() > c.step);
            const double widened = xAxisOf(chart)->tickInterval() / c.step;
            QCOMPARE(widened, std::round(widened));
            const double pitch = xAxisOf(chart)->tickInterval() / (c.max - c.min) * chart.chart()->plotArea().width();
            QVERIFY(pitch >= QFontMetricsF(xAxisOf(chart)->labelsFont()).horizontalAdvance(QString::number(c.max)));

            chart.resize(c.size);
            QCoreApplication::processEvents();
            QCOMPARE(xAxisOf(chart)->tickInterval(), c.step);
        }
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

    // Two series of 8760 hours, zoomed to a few days with an automatic step and back to the
    // year's fixed step. The drawing times are printed so that a slowdown shows in the test
    // log; they are no pass condition, since the machine's load decides them.
    void yearOfHoursZoomsAndComesBackToItsFixedStep()
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
        QCOMPARE(chart.xMin(), 4000.0);
        QCOMPARE(chart.xMax(), 4100.0);
        QVERIFY(xAxisOf(chart)->tickInterval() < 100);
        chart.setXRange(1, 8760, 800);
        chart.grab();
        const qint64 reset = timer.elapsed();
        qInfo("8760 h x 2 series: draw %lld ms, zoom %lld ms, reset %lld ms", draw, zoom, reset);
        QCOMPARE(chart.xMin(), 1.0);
        QCOMPARE(chart.xMax(), 8760.0);
        QCOMPARE(xAxisOf(chart)->tickInterval(), 800.0);
    }
};

QTEST_MAIN(XyChartTest)
#include "xy_chart_test.moc"
