#include <QGroupBox>
#include <QtTest>

#include "evaluation/ui/tkostenmenue.h"
#include "tests/core/ui/window_fixture.h"

using namespace talp;

class CostWindowTest : public QObject {
    Q_OBJECT
private slots:
    void inputsStandInTheirGroupsWithTheirDefaults();
    void maintenancePercentageAndAmountFollowEachOther();
};

void CostWindowTest::inputsStandInTheirGroupsWithTheirDefaults()
{
    WindowFixture f(Language::English);
    Tkostenmenue window(f.context);
    QCOMPARE(window.windowTitle(), QStringLiteral("TALP Costs"));
    QCOMPARE(window.size(), QSize(640, 386));
    QStringList titles;
    for (QGroupBox* group : window.findChildren<QGroupBox*>()) titles << group->title();
    QCOMPARE(titles, (QStringList{QStringLiteral("EHX"), QStringLiteral("Energy"), QStringLiteral("Economic conditions")}));
    QCOMPARE(window.input(Param::grabungspreis)->text(), QStringLiteral("70"));
    QCOMPARE(window.input(Param::zinssatz)->text(), QStringLiteral("8"));
    QCOMPARE(window.input(Param::rohrpreis)->maximum(), 1000.0);
    QCOMPARE(window.input(Param::strompreis)->maximum(), 100000.0);
}

void CostWindowTest::maintenancePercentageAndAmountFollowEachOther()
{
    WindowFixture f;
    Tkostenmenue window(f.context);
    QCOMPARE(window.input(Param::wartungskosten_dm)->text(), QStringLiteral("20"));

    typeInto(window.input(Param::wartungskosten_dm), QStringLiteral("25"));
    QCOMPARE(f.project().get(Param::wartungskosten_pz), 2.5L);
    QCOMPARE(window.input(Param::wartungskosten_pz)->text(), QStringLiteral("2.5"));
    QVERIFY(f.project().modified && f.project().RecalcNeeded && f.project().OptRecalcNeeded);

    typeInto(window.input(Param::wartungskosten_dm), QStringLiteral("2000"));
    QCOMPARE(f.project().get(Param::wartungskosten_pz), 100.0L);
    QCOMPARE(f.project().get(Param::wartungskosten_dm), 1000.0L);
    QCOMPARE(window.input(Param::wartungskosten_dm)->text(), QStringLiteral("1000"));

    typeInto(window.input(Param::fest_inv), QStringLiteral("3000"));
    QCOMPARE(f.project().get(Param::wartungskosten_dm), 3000.0L);
    typeInto(window.input(Param::wartungskosten_pz), QStringLiteral("1.5"));
    QCOMPARE(f.project().get(Param::wartungskosten_dm), 45.0L);

    // Without a fixed investment a percentage means nothing: it stays, the amount is typed.
    typeInto(window.input(Param::fest_inv), QStringLiteral("0"));
    QCOMPARE(f.project().get(Param::wartungskosten_dm), 0.0L);
    typeInto(window.input(Param::wartungskosten_dm), QStringLiteral("30"));
    QCOMPARE(f.project().get(Param::wartungskosten_dm), 30.0L);
    QCOMPARE(f.project().get(Param::wartungskosten_pz), 1.5L);
}

QTEST_MAIN(CostWindowTest)
#include "cost_window_test.moc"
