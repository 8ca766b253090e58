// The annual evaluation window with real full-year runs: calculation on activation, the
// labels of a year without operation, zoom, reset, the hover date, the picked hour handed
// to the daily window, the chart modes, the period-control warning and the export.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QValueAxis>
#include <QtTest>

#include "chart/xy_chart.h"
#include "evaluation/ui/tjahreswmenue.h"
#include "evaluation/ui/ttageswmenue.h"
#include "tests/shell/scripted_dialogs.h"
#include "shell/ui/wait_window.h"
#include "tests/core/ui/window_fixture.h"
#include "tests/files/csv_reading.h"

using namespace talp;

namespace {

// The middle of the plot's height, where a click surely lies inside the plot.
double middleY(const XyChart& chart) { return (chart.yMin() + chart.yMax()) / 2; }

// Where x lies on the chart as it is laid out now: a new range may change the width of the
// tick labels and with it the plot, which the chart settles in the event loop.
QPoint at(const XyChart& chart, double x)
{
    QCoreApplication::processEvents();
    return chart.toPixels({x, middleY(chart)}).toPoint();
}

void drag(XyChart& chart, double from, double to)
{
    QTest::mousePress(chart.viewport(), Qt::LeftButton, {}, at(chart, from));
    QTest::mouseMove(chart.viewport(), at(chart, to));
    QTest::mouseRelease(chart.viewport(), Qt::LeftButton, {}, at(chart, to));
}

// The presets' year, calculated once for the tests that only look at its results.
struct CalculatedYear {
    SimulationResults results;
    EconomicsResults economics;
};
const CalculatedYear& presetYear()
{
    static const CalculatedYear year = [] {
        Session session(Installation{});
        FormWarten wait(session);
        wait.calculate(kFullYear, QString());
        return CalculatedYear{*session.results, session.economics};
    }();
    return year;
}

struct AnnualFixture : WindowFixture {
    explicit AnnualFixture(Language language = Language::German) : WindowFixture(language)
    {
        project().RecalcNeeded = true;
    }
    // The results of the presets' year are current: activation shows them without a run.
    void withPresetYear()
    {
        *session.results = presetYear().results;
        session.economics = presetYear().economics;
        project().RecalcNeeded = false;
    }
    // Shows the window and waits until the activation's run has finished.
    void open(Tjahreswmenue& window)
    {
        window.resize(1800, 700);  // fine enough for clicks on single hours of the year
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.resultsValid(), 60000);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
};

}  // namespace

class AnnualWindowTest : public QObject {
    Q_OBJECT
private slots:
    void activationCalculatesTheYearAndShowsItsFigures();
    void yearWithoutOperationShowsPrefixesOnly();
    void shortDragsNearTheEndsOfTheYearZoomToTheirFirstOrLastDay();
    void rightClickEndsTheZoomAndHoverShowsTheDate();
    void hourAxisStepsEvery800HoursAtTheWindowsOwnSize();
    void shiftClickOpensTheDailyWindowOnThatHour();
    void heatExchangeModeShowsOneSeriesWithoutLegend();
    void cancelledPeriodWarningLeavesWithoutCalculating();
    void exportWritesBothFilesOrTellsThatNothingWasCalculated();
};

void AnnualWindowTest::activationCalculatesTheYearAndShowsItsFigures()
{
    AnnualFixture f(Language::English);
    Tjahreswmenue window(f.context);
    QCOMPARE(window.windowTitle(), QStringLiteral("TALP Annual analysis"));
    f.open(window);
    QVERIFY(!f.project().RecalcNeeded);
    QVERIFY(window.label("LabelWAufnahme")->text().startsWith(QStringLiteral("Heat gain: ")));
    QVERIFY(window.label("LabelWAufnahme")->text().endsWith(QStringLiteral(" kWh")));
    QCOMPARE(window.label("LabelLebensdauer")->text(), QStringLiteral("Time of operation: %1 a").arg(f.project().getInt(Param::lebensdauer)));
    QCOMPARE(window.xyGraph1->seriesCount(), 2);
    QCOMPARE(window.xyGraph1->points(0).size(), 8760);
    QVERIFY(window.xyGraph1->points(1).size() > 0);
    QCOMPARE(window.xyGraph1->xMin(), 1.0);
    QCOMPARE(window.xyGraph1->xMax(), 8760.0);
    QCOMPARE(window.xyGraph1->chart()->title(), QStringLiteral("EHX air temperatures (inlet/ outlet)"));
    // The condensate line fits beside the chart; its tooltip says on which humidity it rests.
    const QLabel* condensate = window.label("LabelKondensat");
    QVERIFY2(condensate->text().startsWith(QStringLiteral("Condensate: ")), qPrintable(condensate->text()));
    QVERIFY(condensate->toolTip().endsWith(QStringLiteral("80 % rel. humidity assumed")));
}

void AnnualWindowTest::yearWithoutOperationShowsPrefixesOnly()
{
    AnnualFixture f;
    // The exchanger must bring the air 50 K closer to the set point than the outdoor air:
    // it never runs.
    f.project().set(Param::EWT_offset, 50);
    Tjahreswmenue window(f.context);
    f.open(window);
    QCOMPARE(f.session.results->OperatingHours, 0.0L);
    QCOMPARE(window.label("LabelMaxEWTTemp")->text(), QStringLiteral("Max. Temp. nach EWT: "));
    QCOMPARE(window.label("LabelMinEWTTemp")->text(), QStringLiteral("Min. Temp. nach EWT: "));
    QVERIFY(window.label("LabelMaxEWTTempvor")->text().endsWith(QStringLiteral(" °C")));
    QCOMPARE(window.label("LabelAmortZeit")->text(), QStringLiteral("Amortisationszeit:  > 100 a"));
    QCOMPARE(window.label("LabelIntZins")->text(), QStringLiteral("Interner Zinssatz: "));
    QCOMPARE(window.xyGraph1->points(0).size(), 8760);
    QVERIFY(window.xyGraph1->points(1).isEmpty());
}

void AnnualWindowTest::shortDragsNearTheEndsOfTheYearZoomToTheirFirstOrLastDay()
{
    AnnualFixture f;
    f.withPresetYear();
    Tjahreswmenue window(f.context);
    f.open(window);
    XyChart& chart = *window.xyGraph1;
    drag(chart, 5, 7);
    QCOMPARE(chart.xMin(), 0.0);
    QCOMPARE(chart.xMax(), 24.0);
    QVERIFY(!chart.zoomRectangleVisible());

    QTest::mouseClick(chart.viewport(), Qt::MiddleButton, {}, at(chart, 12));
    QCOMPARE(chart.xMax(), 8760.0);
    drag(chart, 8755, 8754);
    QCOMPARE(chart.xMin(), 8736.0);
    QCOMPARE(chart.xMax(), 8760.0);

    // A long drag, backwards and ending beyond the axis, shows its span up to the axis' end.
    QTest::mouseClick(chart.viewport(), Qt::RightButton, {}, at(chart, 12));
    drag(chart, 4000, 2000);
    QVERIFY(std::abs(chart.xMin() - 2000) < 10 && std::abs(chart.xMax() - 4000) < 10);
}

void AnnualWindowTest::rightClickEndsTheZoomAndHoverShowsTheDate()
{
    AnnualFixture f;
    f.withPresetYear();
    Tjahreswmenue window(f.context);
    f.open(window);
    XyChart& chart = *window.xyGraph1;
    QTest::mousePress(chart.viewport(), Qt::LeftButton, {}, at(chart, 4300));
    QTest::mouseMove(chart.viewport(), at(chart, 4450));
    QVERIFY(chart.zoomRectangleVisible());
    QTest::mouseRelease(chart.viewport(), Qt::LeftButton, {}, at(chart, 4450));
    QVERIFY(chart.xMin() > 4280 && chart.xMax() < 4470);

    QTest::mouseMove(chart.viewport(), at(chart, 4380.5));
    // Mouse moves reach the window through the event loop.
    QTRY_COMPARE(chart.hint()->text(), QStringLiteral("2.7."));
    QVERIFY(chart.hint()->isVisible());
    QTest::mouseMove(chart.viewport(), QPoint(1, 1));
    QTRY_VERIFY(!chart.hint()->isVisible());

    QTest::mouseClick(chart.viewport(), Qt::RightButton, {}, at(chart, 4100));
    QCOMPARE(chart.xMin(), 1.0);
    QCOMPARE(chart.xMax(), 8760.0);
    QCOMPARE(chart.points(0).size(), 8760);
}

void AnnualWindowTest::hourAxisStepsEvery800HoursAtTheWindowsOwnSize()
{
    for (Language language : {Language::German, Language::English}) {
        AnnualFixture f(language);
        f.withPresetYear();
        Tjahreswmenue window(f.context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(640, 386));
        const auto* hours = qobject_cast<QValueAxis*>(window.xyGraph1->chart()->axes(Qt::Horizontal).constFirst());
        QCOMPARE(hours->tickInterval(), 800.0);
        QCOMPARE(hours->tickAnchor(), 0.0);
    }
}

void AnnualWindowTest::shiftClickOpensTheDailyWindowOnThatHour()
{
    AnnualFixture f;
    f.withPresetYear();
    Tjahreswmenue window(f.context);
    Ttageswmenue daily(f.context);
    f.open(window);
    XyChart& chart = *window.xyGraph1;
    drag(chart, 4380, 4381);  // one day around, so that a pixel is a few minutes
    QSignalSpy requested(&f.context, &ShellContext::topicRequested);
    QTest::mouseClick(chart.viewport(), Qt::LeftButton, Qt::ShiftModifier, at(chart, 4380.5));
    QCOMPARE(daily.choice(), (DayChoice{6, 2, 13}));
    QCOMPARE(daily.monat->currentIndex(), 6);
    QCOMPARE(daily.tag->value(), 2);
    QCOMPARE(daily.stunde->value(), 13);
    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.at(0).at(0).value<Topic>(), Topic::Tag);
    // A shift click starts no zoom: the day stays.
    QCOMPARE(chart.xMax() - chart.xMin(), 24.0);
}

void AnnualWindowTest::heatExchangeModeShowsOneSeriesWithoutLegend()
{
    AnnualFixture f;
    f.withPresetYear();
    Tjahreswmenue window(f.context);
    f.open(window);
    window.jahreswrmeaustausch->click();
    QCOMPARE(window.xyGraph1->chart()->title(), QStringLiteral("Jahreswärmeaustausch"));
    QCOMPARE(window.xyGraph1->seriesCount(), 1);
    QVERIFY(!window.xyGraph1->chart()->legend()->isVisible());
    for (const QPointF& p : window.xyGraph1->points(0)) QVERIFY(p.y() != 0);
    window.temperatur->click();
    QCOMPARE(window.xyGraph1->seriesCount(), 2);
    QVERIFY(window.xyGraph1->chart()->legend()->isVisible());
}

void AnnualWindowTest::cancelledPeriodWarningLeavesWithoutCalculating()
{
    AnnualFixture f;
    f.project().set(Param::EWT_Reg_offset, 0);  // control by period
    const SimulationResults* before = f.session.results.get();
    Tjahreswmenue window(f.context);
    {
        ScriptedDialogs cancel;
        cancel.answers << QMessageBox::Cancel;
        window.show();
        QTRY_COMPARE(cancel.texts().size(), 1);
        QVERIFY(cancel.texts().at(0).startsWith(QStringLiteral("Die EWT-Regelung steht auf \"Zeitraum\".")));
        QTRY_VERIFY(!window.isVisible());
    }
    QCOMPARE(f.session.results.get(), before);
    QVERIFY(f.project().RecalcNeeded);
    QVERIFY(!window.resultsValid());
    QVERIFY(!window.closing());

    // Confirmed, the year is calculated.
    ScriptedDialogs ok;
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(window.resultsValid(), 60000);
    QCOMPARE(ok.texts().size(), 1);
}

void AnnualWindowTest::exportWritesBothFilesOrTellsThatNothingWasCalculated()
{
    AnnualFixture f;
    Tjahreswmenue window(f.context);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("jahr"));
    {
        ScriptedDialogs answer;
        window.DateiAus->click();
        QCOMPARE(answer.texts(), QStringList{QStringLiteral("Jahreswerte wurden nicht korrekt berechnet")});
        QVERIFY(answer.fileDialogs.empty());
    }
    f.open(window);
    ScriptedDialogs answer;
    answer.files << path;
    window.DateiAus->click();
    QVERIFY(answer.boxes.empty());
    QCOMPARE(answer.fileDialogs.at(0).filters,
             (QStringList{QStringLiteral("TALP-Jahresauswertung (*.tpj)"), QStringLiteral("CSV-Datei (*.csv)")}));
    QVERIFY(answer.fileDialogs.at(0).save);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("jahr.tpj"))).size() > 8760 * 50);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("jahr.tps"))).size() > 8760 * 300);

    answer.files << dir.filePath(QStringLiteral("none/jahr.tpj"));
    window.DateiAus->click();
    QCOMPARE(answer.texts().size(), 2);
    QCOMPARE(answer.texts().at(0), QStringLiteral("Fehler beim Erstellen der Datei."));

    window.DateiAus->click();  // cancelled
    QCOMPARE(answer.fileDialogs.size(), std::size_t(3));
    QCOMPARE(answer.texts().size(), 2);

    // The second file type: the hours for a spreadsheet, German separators, the condensate
    // at the model's humidity.
    answer.files << dir.filePath(QStringLiteral("jahr.csv"));
    window.DateiAus->click();
    QCOMPARE(answer.texts().size(), 2);
    QFile csv(dir.filePath(QStringLiteral("jahr.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const testing::CsvRows rows = testing::readCsv(csv.readAll().toStdString(), Language::German);
    QCOMPARE(rows.size(), std::size_t(8761));
    QCOMPARE(rows[0].size(), std::size_t(10));
    QCOMPARE(QString::fromStdString(rows[0][9]), QStringLiteral("Kondensat in kg/h"));
    long double outlet = 0;
    QVERIFY(testing::csvNumberIn(rows[4381][6], Language::German, outlet));
    QVERIFY(std::abs(outlet - f.session.results->HourlyOutletTemp(183, 13)) < 1e-9L);
}

QTEST_MAIN(AnnualWindowTest)
#include "annual_window_test.moc"
