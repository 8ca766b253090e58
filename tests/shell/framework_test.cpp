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
    void spinBoxReadsACommaAsThePointAndCorrectsToTheNearestBound_data();
    void spinBoxReadsACommaAsThePointAndCorrectsToTheNearestBound();
    void spinBoxRefusesTextThatIsNoNumber();
    void spinBoxReportsValuesAsTheyAreTypedAndCommitsWhatIsPending();
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
    QCOMPARE(dialogs.boxes.at(0).buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(dialogs.boxes.at(1).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
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
    QCOMPARE(edits.count(), 2);  // 0.5 and 0.53 as they are typed; Enter adds nothing
    QVERIFY(conductivity.exactValue() == 0.53L);

    // A value beyond the bounds is corrected to the bound, as the model does.
    conductivity.selectAll();
    QTest::keyClicks(&conductivity, QStringLiteral("9"));
    QTest::keyClick(&conductivity, Qt::Key_Return);
    conductivity.interpretText();
    QVERIFY(conductivity.exactValue() <= 5.0L);
}

namespace {

// Types `text` over the whole field, as a planner does, without Enter.
void typeOver(ParamSpinBox& box, const QString& text)
{
    box.setFocus();
    box.selectAll();
    QTest::keyClicks(&box, text);
}

}  // namespace

void FrameworkTest::spinBoxReadsACommaAsThePointAndCorrectsToTheNearestBound_data()
{
    QTest::addColumn<int>("param");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("value");
    QTest::newRow("maintenance 1,5 %") << int(Param::wartungskosten_pz) << QStringLiteral("1,5") << QStringLiteral("1.5") << 1.5;
    QTest::newRow("spacing 2,5 m") << int(Param::AbstandzwRohren) << QStringLiteral("2,5") << QStringLiteral("2.5") << 2.5;
    QTest::newRow("length 250 m") << int(Param::rohrlnge) << QStringLiteral("250") << QStringLiteral("200") << 200.0;
    QTest::newRow("length 0,4 m") << int(Param::rohrlnge) << QStringLiteral("0,4") << QStringLiteral("1") << 1.0;
    QTest::newRow("50 pipes") << int(Param::rohranzahl) << QStringLiteral("50") << QStringLiteral("10") << 10.0;
    QTest::newRow("0 pipes") << int(Param::rohranzahl) << QStringLiteral("0") << QStringLiteral("1") << 1.0;
    QTest::newRow("conductivity 9") << int(Param::wrmeleitfhigkeit) << QStringLiteral("9") << QStringLiteral("5") << 5.0;
    QTest::newRow("air change -3") << int(Param::luftwechsel) << QStringLiteral("-3") << QStringLiteral("0") << 0.0;
}

void FrameworkTest::spinBoxReadsACommaAsThePointAndCorrectsToTheNearestBound()
{
    QFETCH(int, param);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(double, value);
    // Enter, focus leaving the field and a command taking what is typed all end alike.
    for (int ending = 0; ending < 3; ++ending) {
        QWidget window;
        auto* box = new ParamSpinBox(static_cast<Param>(param), &window);
        auto* other = new QLineEdit(&window);
        other->move(0, 40);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        typeOver(*box, typed);
        if (ending == 0) QTest::keyClick(box, Qt::Key_Return);
        if (ending == 1) {
            other->setFocus();
            QTRY_VERIFY(other->hasFocus());
        }
        if (ending == 2) commitPendingEdit();
        QCOMPARE(box->text(), shown);
        QCOMPARE(static_cast<double>(box->exactValue()), value);
    }
}

void FrameworkTest::spinBoxRefusesTextThatIsNoNumber()
{
    ParamSpinBox length(Param::rohrlnge);
    length.showValue(42.5L);
    QSignalSpy edits(&length, &ParamSpinBox::edited);
    typeOver(length, QStringLiteral("abc"));
    QTest::keyClick(&length, Qt::Key_Return);
    commitPendingEdit();
    QCOMPARE(edits.count(), 0);
    QCOMPARE(static_cast<double>(length.exactValue()), 42.5);
    // Letters within a number are refused too; the digits stay.
    typeOver(length, QStringLiteral("3x1"));
    QTest::keyClick(&length, Qt::Key_Return);
    QCOMPARE(length.text(), QStringLiteral("31"));
    QCOMPARE(static_cast<double>(length.exactValue()), 31.0);
}

void FrameworkTest::spinBoxReportsValuesAsTheyAreTypedAndCommitsWhatIsPending()
{
    // Dependent fields follow the typing: every number the text makes is reported at once.
    QWidget window;
    auto* flow = new ParamSpinBox(Param::luftstrom, &window);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QList<double> reported;
    connect(flow, &ParamSpinBox::edited, flow, [&] { reported << static_cast<double>(flow->exactValue()); });
    typeOver(*flow, QStringLiteral("1234"));
    QCOMPARE(reported, (QList<double>{1, 12, 123, 1234}));

    // A half-typed number that does not parse is not reported; a command takes the whole one.
    reported.clear();
    auto* length = new ParamSpinBox(Param::rohrlnge, &window);
    length->show();
    connect(length, &ParamSpinBox::edited, length, [&] { reported << static_cast<double>(length->exactValue()); });
    typeOver(*length, QStringLiteral("7."));
    QCOMPARE(reported, QList<double>{7});
    typeOver(*length, QStringLiteral("250"));
    QCOMPARE(reported, (QList<double>{7, 2, 25}));  // 250 is beyond the bound until it is finished
    commitPendingEdit();
    QCOMPARE(reported.constLast(), 200.0);
    QCOMPARE(length->text(), QStringLiteral("200"));
    // Nothing typed: nothing to commit.
    reported.clear();
    commitPendingEdit();
    QVERIFY(reported.isEmpty());
}

QTEST_MAIN(FrameworkTest)
#include "framework_test.moc"
