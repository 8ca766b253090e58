#include <QPushButton>
#include <QtTest>

#include "climate/ui/kalender_grid.h"
#include "climate/ui/tfkalender.h"
#include "tests/core/ui/window_fixture.h"
#include "tests/shell/scripted_dialogs.h"

using namespace talp;

class CalendarDialogTest : public QObject {
    Q_OBJECT
private slots:
    void gridIsDrawnInTheCalendarColours();
    void dragFromFirstOfMarchToEndOfMayInvertsTheRectangle();
    void allDaysOffIsRefusedButANonExistentDayIsAccepted();
    void cancelKeepsTheCalendar();
};

namespace {
void drag(KalenderGrid* grid, int fromDay, int fromMonth, int toDay, int toMonth)
{
    QTest::mousePress(grid, Qt::LeftButton, {}, grid->cellRect(fromDay, fromMonth).center());
    QTest::mouseMove(grid, grid->cellRect(toDay, toMonth).center());
    QTest::mouseRelease(grid, Qt::LeftButton, {}, grid->cellRect(toDay, toMonth).center());
}

QColor colourOf(KalenderGrid* grid, int day, int month)
{
    return grid->grab().toImage().pixelColor(grid->cellRect(day, month).center());
}
}  // namespace

void CalendarDialogTest::gridIsDrawnInTheCalendarColours()
{
    WindowFixture f;
    TFKalender dialog(f.context);
    KalenderGrid* grid = dialog.KalenderGrid_;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("EWT-Regelung nach Zeitraum"));
    QCOMPARE(grid->cellRect(0, 0).size(), QSize(70, 17));
    QCOMPARE(grid->cellRect(31, 12).size(), QSize(17, 17));
    const QImage picture = grid->grab().toImage();
    QCOMPARE(picture.pixelColor(grid->cellRect(0, 1).topRight() + QPoint(-1, 1)), QColor(192, 192, 192));
    QCOMPARE(picture.pixelColor(grid->cellRect(20, 0).topRight() + QPoint(-1, 1)), QColor(192, 192, 192));
    QCOMPARE(colourOf(grid, 15, 6), QColor(0, 128, 0));
    QCOMPARE(colourOf(grid, 30, 2), QColor(128, 128, 128));
    QCOMPARE(colourOf(grid, 31, 11), QColor(128, 128, 128));
    dialog.Immer_Aus->click();
    QCOMPARE(colourOf(grid, 15, 6), QColor(255, 0, 0));
    QVERIFY(f.project().calendar.isOn(6, 15));  // only the working copy changed
}

void CalendarDialogTest::dragFromFirstOfMarchToEndOfMayInvertsTheRectangle()
{
    WindowFixture f;
    TFKalender dialog(f.context);
    dialog.show();
    KalenderGrid* grid = dialog.KalenderGrid_;
    drag(grid, 1, 3, 31, 5);
    QVERIFY(f.project().modified && f.project().RecalcNeeded);
    int inverted = 0;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 31; ++day) inverted += grid->calendar().isOn(month, day) ? 0 : 1;
    QCOMPARE(inverted, 3 * 31);
    QVERIFY(!grid->calendar().isOn(4, 31));
    QCOMPARE(colourOf(grid, 31, 4), QColor(128, 128, 128));  // 31 April stays grey
    QCOMPARE(colourOf(grid, 1, 3), QColor(255, 0, 0));
    QCOMPARE(colourOf(grid, 31, 5), QColor(255, 0, 0));
    QCOMPARE(colourOf(grid, 28, 2), QColor(0, 128, 0));

    dialog.OK->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!f.project().calendar.isOnDayOfYear(31 + 28 + 1));  // 1 March
    QVERIFY(f.project().calendar.isOnDayOfYear(31 + 28 + 31 + 30 + 31 + 1));  // 1 June
}

void CalendarDialogTest::allDaysOffIsRefusedButANonExistentDayIsAccepted()
{
    WindowFixture f(Language::English);
    TFKalender dialog(f.context);
    dialog.show();
    dialog.Immer_Aus->click();
    {
        ScriptedDialogs dialogs;
        dialog.OK->click();
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral(
            "The EHX is allways off! Please choose at least one\nday when the EHX should be switched on.")});
    }
    QVERIFY(dialog.isVisible());
    QVERIFY(f.project().calendar.isOn(1, 1));

    drag(dialog.KalenderGrid_, 30, 2, 30, 2);
    dialog.OK->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(f.project().calendar.isOn(2, 30));
    for (int day = 1; day <= 365; ++day) QVERIFY(!f.project().calendar.isOnDayOfYear(day));
}

void CalendarDialogTest::cancelKeepsTheCalendar()
{
    WindowFixture f;
    const OperatingCalendar before = f.project().calendar;
    TFKalender dialog(f.context);
    dialog.show();
    drag(dialog.KalenderGrid_, 5, 1, 10, 2);
    dialog.Immer_Aus->click();
    dialog.Cancel->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(f.project().calendar == before);

    // Opening again starts from the project's calendar.
    dialog.activate();
    QCOMPARE(colourOf(dialog.KalenderGrid_, 5, 1), QColor(0, 128, 0));
}

QTEST_MAIN(CalendarDialogTest)
#include "calendar_dialog_test.moc"
