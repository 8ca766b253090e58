// The daily evaluation window with real one-day runs: day and hour stepping across month,
// year and day ends, the calculation on activation, "Starten" and the step past midnight,
// the labels, both chart modes and the export.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include "chart/xy_chart.h"
#include "evaluation/ui/ttageswmenue.h"
#include "tests/shell/scripted_dialogs.h"
#include "tests/core/ui/window_fixture.h"
#include "tests/files/csv_reading.h"

using namespace talp;

namespace {

// Shows the window and waits until the activation's run has finished.
void open(Ttageswmenue& window)
{
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(window.resultsValid(), 30000);
}

}  // namespace

class DailyWindowTest : public QObject {
    Q_OBJECT
private slots:
    void dayStepsAcrossMonthAndYearEnds();
    void activationCalculatesTheChosenDay();
    void hourPastMidnightMovesToTheNextDayAndRecalculates();
    void hourWithoutOperationShowsOperationOff();
    void heatFluxModeAndTheExport();
};

void DailyWindowTest::dayStepsAcrossMonthAndYearEnds()
{
    WindowFixture f;
    Ttageswmenue window(f.context);
    QCOMPARE(window.monat->currentText(), QStringLiteral("Januar"));
    QCOMPARE(window.tag->value(), 1);
    QCOMPARE(window.stunde->value(), 12);

    window.tag->setValue(31);
    window.tag->stepUp();
    QCOMPARE(window.monat->currentIndex(), 1);
    QCOMPARE(window.tag->value(), 1);
    window.tag->stepDown();
    QCOMPARE(window.monat->currentIndex(), 0);
    QCOMPARE(window.tag->value(), 31);

    window.tag->setValue(1);
    window.tag->stepDown();
    QCOMPARE(window.monat->currentText(), QStringLiteral("Dezember"));
    QCOMPARE(window.tag->value(), 31);
    QCOMPARE(window.choice(), (DayChoice{11, 31, 12}));

    // A day past the end of the newly chosen month becomes its last day.
    window.monat->setCurrentIndex(1);
    QCOMPARE(window.tag->value(), 28);
    QVERIFY(!window.resultsValid());
}

void DailyWindowTest::activationCalculatesTheChosenDay()
{
    WindowFixture f(Language::English);
    Ttageswmenue window(f.context);
    window.tag->setValue(15);
    window.monat->setCurrentIndex(6);
    window.stunde->setValue(9);
    QVERIFY(!window.resultsValid());  // a hidden window calculates when it is brought up
    open(window);
    QCOMPARE(window.choice(), (DayChoice{6, 15, 9}));
    QCOMPARE(window.windowTitle(), QStringLiteral("TALP daily analysis"));
    QCOMPARE(window.monat->currentText(), QStringLiteral("July"));
    QCOMPARE(window.xyGraph1->seriesCount(), 3);
    QCOMPARE(window.xyGraph1->points(0).size(), 100);
    const long double length = f.project().get(Param::rohrlnge);
    QCOMPARE(window.xyGraph1->xMax(), static_cast<double>(length));
    QCOMPARE(window.xyGraph1->points(0).last().x(), static_cast<double>(length));
    QCOMPARE(window.xyGraph1->chart()->title(), QStringLiteral("Temperatures along EHX"));
    QVERIFY(window.xyGraph1->chart()->legend()->isVisible());
    QVERIFY(window.label("LabelTvor")->text().startsWith(QStringLiteral("EHX inlet air temperature: ")));
    QCOMPARE(window.label("LabelVentOrt")->text(), QStringLiteral("Ventilator: before EHX"));

    // "Starten" calculates again; a new result replaces the old.
    const SimulationResults* first = f.session.results.get();
    window.berechnen->click();
    QVERIFY(window.resultsValid());
    QVERIFY(f.session.results.get() != first);
}

void DailyWindowTest::hourPastMidnightMovesToTheNextDayAndRecalculates()
{
    WindowFixture f;
    Ttageswmenue window(f.context);
    window.tag->setValue(31);
    open(window);
    const SimulationResults* calculated = f.session.results.get();

    // Within the day the hour is only redrawn, with the short German prefixes.
    window.stunde->setValue(24);
    QCOMPARE(f.session.results.get(), calculated);
    QVERIFY(window.label("LabelTvor")->text().startsWith(QStringLiteral("Temp. vor EWT: ")));

    window.stunde->stepUp();
    QCOMPARE(window.choice(), (DayChoice{1, 1, 1}));
    QCOMPARE(window.stunde->value(), 1);
    QCOMPARE(window.tag->value(), 1);
    QCOMPARE(window.monat->currentText(), QStringLiteral("Februar"));
    QVERIFY(window.resultsValid());
    QVERIFY(f.session.results.get() != calculated);
    QVERIFY(window.label("LabelTvor")->text().startsWith(QStringLiteral("Temperatur vor EWT: ")));

    window.stunde->stepDown();
    QCOMPARE(window.choice(), (DayChoice{0, 31, 24}));
}

void DailyWindowTest::hourWithoutOperationShowsOperationOff()
{
    WindowFixture f;
    f.project().set(Param::EWT_offset, 50);  // never closer to the set point by 50 K
    Ttageswmenue window(f.context);
    open(window);
    QCOMPARE(window.label("LabelBetrieb")->text(), QStringLiteral("Betrieb: aus"));
    QCOMPARE(window.label("Labelwrmefluss")->text(), QStringLiteral("Wärmefluß: 0.0 kW"));
}

void DailyWindowTest::heatFluxModeAndTheExport()
{
    WindowFixture f;
    Ttageswmenue window(f.context);
    QTemporaryDir dir;
    {
        ScriptedDialogs answer;
        window.DateiAus->click();
        QCOMPARE(answer.texts(), QStringList{QStringLiteral("Tageswerte wurden nicht korrekt berechnet")});
    }
    // Before the first calculation a mode click only remembers the mode.
    window.wrmefluss->click();
    QCOMPARE(window.xyGraph1->seriesCount(), 0);
    open(window);
    QCOMPARE(window.xyGraph1->chart()->title(), QStringLiteral("Wärmefluß im EWT"));
    QCOMPARE(window.xyGraph1->seriesCount(), 1);
    QVERIFY(!window.xyGraph1->chart()->legend()->isVisible());

    ScriptedDialogs answer;
    answer.files << dir.filePath(QStringLiteral("tag"));
    window.DateiAus->click();
    QVERIFY(answer.boxes.empty());
    QFile file(dir.filePath(QStringLiteral("tag.tpt")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QCOMPARE(lines.at(4), QStringLiteral("1. Januar, 12:00"));
    QCOMPARE(lines.size(), 117);  // 116 lines, each closed by a line end

    answer.files << dir.filePath(QStringLiteral("none/tag.tpt"));
    window.DateiAus->click();
    QCOMPARE(answer.texts(), QStringList{QStringLiteral("Fehler beim Erstellen der Datei!")});

    // The profile for a spreadsheet: one line per segment.
    answer.files << dir.filePath(QStringLiteral("tag.csv"));
    window.DateiAus->click();
    QCOMPARE(answer.fileDialogs.back().filters.size(), 2);
    QFile csv(dir.filePath(QStringLiteral("tag.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const testing::CsvRows rows = testing::readCsv(csv.readAll().toStdString(), Language::German);
    QCOMPARE(rows.size(), std::size_t(101));
    long double air = 0;
    QVERIFY(testing::csvNumberIn(rows[100][2], Language::German, air));
    QVERIFY(std::abs(air - f.session.results->DayAirTemp(12, 100)) < 1e-9L);
}

QTEST_MAIN(DailyWindowTest)
#include "daily_window_test.moc"
