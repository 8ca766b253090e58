#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "scripted_dialogs.h"
#include "shell/ui/param_spin_box.h"
#include "shell/ui/wait_window.h"

using namespace talp;

class FrameworkTest : public QObject {
    Q_OBJECT
private slots:
    void waitWindowRunsTheYearOnAWorkerThreadAndKeepsTheResults();
    void waitWindowShowsTheParameterErrorThenTheFailureMessage();
    void oneDayRunDrawsTheWholeBarAndKeepsTheAnnualFigures();
    void spinBoxTakesItsBoundsFromTheTableAndKeepsTheDecimalPoint();
    void spinBoxShowsModelValuesQuietlyAndReportsTypedValuesExactly();
};

void FrameworkTest::waitWindowRunsTheYearOnAWorkerThreadAndKeepsTheResults()
{
    Session session(Installation{});
    const SimulationResults* before = session.results.get();
    FormWarten wait(session);
    QVERIFY(wait.calculate(kFullYear, QStringLiteral("Berechnung läuft...")));
    QVERIFY(wait.ranOnWorkerThread());
    QVERIFY(!wait.BerechnungFehler);
    QVERIFY(!session.BerechnungFehler);
    QVERIFY(session.economics.Investition > 0);
    QVERIFY(session.results.get() != before);
    QVERIFY(session.results->OperatingHours > 0);
    QCOMPARE(wait.size(), QSize(403, 122));
    QCOMPARE(wait.windowTitle(), QStringLiteral("TALP"));
    QCOMPARE(wait.Label1->text(), QStringLiteral("Berechnung läuft..."));
    // The bar ends at the last computed day: 12 + 365 pixels right of "0 %".
    QCOMPARE(wait.progressRect().right(), wait.LabelNull->x() + 12 + 365 - 1);
}

void FrameworkTest::waitWindowShowsTheParameterErrorThenTheFailureMessage()
{
    Session session(Installation{});
    session.project.set(Param::verlegungstiefe, 3.0L);
    session.project.set(Param::Grundwassertiefe, 2.0L);
    const SimulationResults* before = session.results.get();
    ScriptedDialogs dialogs;
    FormWarten wait(session);
    QVERIFY(!wait.calculate(kFullYear, QStringLiteral("x")));
    QVERIFY(wait.BerechnungFehler);
    QVERIFY(session.BerechnungFehler);
    QCOMPARE(session.economics.Investition, 0.0L);
    QCOMPARE(session.results.get(), before);
    QCOMPARE(dialogs.texts().size(), 2);
    QCOMPARE(dialogs.titles().at(0), QStringLiteral("Parameterfehler"));
    QCOMPARE(dialogs.texts().at(0), QStringLiteral("Grundwassertiefe kleiner als Verlegungstiefe"));
    QCOMPARE(dialogs.texts().at(1),
             QStringLiteral("Dieser EWT kann nicht berechnet werden. Bitte überprüfen Sie die Eingaben."));
}

void FrameworkTest::oneDayRunDrawsTheWholeBarAndKeepsTheAnnualFigures()
{
    Session session(Installation{});
    FormWarten year(session);
    QVERIFY(year.calculate(kFullYear, QString()));
    const long double heating = session.results->HeatingEnergy;
    session.economics.Investition = -1;  // a one-day run leaves the economics alone
    FormWarten day(session);
    QVERIFY(day.calculate(45, QString()));
    QCOMPARE(session.economics.Investition, -1.0L);
    QCOMPARE(session.results->HeatingEnergy, heating);
    QCOMPARE(day.progressRect().right(), day.LabelNull->x() + 370 - 1);
    QCOMPARE(day.progressRect().top(), day.LabelNull->y() + day.LabelNull->height() + 2);
    QCOMPARE(day.progressRect().height(), 20);
}

void FrameworkTest::spinBoxTakesItsBoundsFromTheTableAndKeepsTheDecimalPoint()
{
    QLocale::setDefault(QLocale(QLocale::German));
    ParamSpinBox length(Param::rohrlnge);
    QCOMPARE(length.objectName(), QStringLiteral("rohrlnge"));
    QCOMPARE(length.minimum(), 1.0);
    QCOMPARE(length.maximum(), 200.0);
    QCOMPARE(length.singleStep(), 0.1);
    length.showValue(12.5L);
    QCOMPARE(length.text(), QStringLiteral("12.5"));
    ParamSpinBox pipes(Param::rohranzahl);
    QCOMPARE(pipes.text(), QStringLiteral("2"));
    QCOMPARE(stepDecimals(paramSpec(Param::wrmeleitfhigkeit)), 2);
    QLocale::setDefault(QLocale::c());
}

void FrameworkTest::spinBoxShowsModelValuesQuietlyAndReportsTypedValuesExactly()
{
    ParamSpinBox conductivity(Param::wrmeleitfhigkeit);
    QSignalSpy edits(&conductivity, &ParamSpinBox::edited);
    conductivity.showValue(1.23L);
    QCOMPARE(edits.count(), 0);
    QCOMPARE(conductivity.text(), QStringLiteral("1.23"));

    conductivity.selectAll();
    QTest::keyClicks(&conductivity, QStringLiteral("0.53"));
    QTest::keyClick(&conductivity, Qt::Key_Return);
    QCOMPARE(edits.count(), 1);
    QVERIFY(conductivity.exactValue() == 0.53L);

    // A value beyond the bounds is corrected to the bound, as the model does.
    conductivity.selectAll();
    QTest::keyClicks(&conductivity, QStringLiteral("9"));
    QTest::keyClick(&conductivity, Qt::Key_Return);
    conductivity.interpretText();
    QVERIFY(conductivity.exactValue() <= 5.0L);
}

QTEST_MAIN(FrameworkTest)
#include "framework_test.moc"
