// The variant comparison window with real years: keeping (through the wait window when the
// project is out of date), renaming, removing and taking a variant over into the inputs,
// the table's highlighted inputs and marked best values, the charts, the variant file and
// its refusal of a foreign one, and the parameter study dialog.

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "chart/xy_chart.h"
#include "evaluation/ui/tparameterstudiedlg.h"
#include "evaluation/ui/tvariantenmenue.h"
#include "files/variant_set.h"
#include "tests/core/ui/window_fixture.h"
#include "tests/files/csv_reading.h"
#include "tests/shell/scripted_dialogs.h"

using namespace talp;

namespace {

int rowOf(const QTableWidget& table, const QString& heading)
{
    for (int r = 0; r < table.rowCount(); ++r)
        if (table.verticalHeaderItem(r)->text() == heading) return r;
    return -1;
}

bool marked(const QTableWidget& table, int row, int column) { return table.item(row, column)->font().bold(); }

struct VariantFixture : WindowFixture {
    VariantFixture() { project().RecalcNeeded = true; }
    // An input changed as a planner changes it in its window.
    void change(Param id, long double value)
    {
        project().set(id, value);
        project().markChanged(InputWindow::Pipe);
    }
};

}  // namespace

class VariantWindowTest : public QObject {
    Q_OBJECT
private slots:
    void keepCalculatesAnOutOfDateProjectAndComparesTheVariants();
    void renameRemoveAndTheLimitOfEight();
    void takeOverAsksToSaveAModifiedProjectFirst();
    void chartsShowTheMonthsOfEveryVariantAndTheOutletOfTheChosenOnes();
    void variantFileKeepsTheSetAndAForeignFileIsRefused();
    void parameterStudyCalculatesTheGridAndWritesItsCsv();
};

void VariantWindowTest::keepCalculatesAnOutOfDateProjectAndComparesTheVariants()
{
    VariantFixture f;
    Tvariantenmenue window(f.context);
    QCOMPARE(window.windowTitle(), QStringLiteral("TALP Variantenvergleich"));
    QVERIFY(!window.BtnUebernehmen->isEnabled());
    window.BtnMerken->click();
    QVERIFY(!f.project().RecalcNeeded);  // calculated through the wait window
    QCOMPARE(window.variants().size(), std::size_t(1));
    QCOMPARE(window.VariantenName->text(), QStringLiteral("Variante 1"));
    QCOMPARE(window.variants()[0].figures.HeatingEnergy, f.session.results->HeatingEnergy);
    QCOMPARE(window.VariantenTabelle->columnCount(), 1);
    QCOMPARE(window.VariantenTabelle->rowCount(), static_cast<int>(figureTable().size()));

    f.change(Param::rohranzahl, 4);
    window.BtnMerken->click();
    QCOMPARE(window.VariantenTabelle->columnCount(), 2);
    QCOMPARE(window.VariantenTabelle->horizontalHeaderItem(1)->text(), QStringLiteral("Variante 2"));
    // The input the variants differ in comes first, highlighted.
    const QTableWidget& table = *window.VariantenTabelle;
    QCOMPARE(table.verticalHeaderItem(0)->text(), QStringLiteral("Rohranzahl"));
    QCOMPARE(table.item(0, 0)->text(), QStringLiteral("2"));
    QCOMPARE(table.item(0, 1)->text(), QStringLiteral("4"));
    QVERIFY(table.item(0, 0)->background() != QBrush());
    QVERIFY(table.item(1, 0)->background() == QBrush() || marked(table, 1, 0) || marked(table, 1, 1) ||
            table.item(1, 0)->text() == table.item(1, 1)->text());
    // Four pipes gain more heat and cost more; the outdoor air is the same for both.
    const int heat = rowOf(table, QStringLiteral("Wärmeaufnahme in kWh"));
    QVERIFY(!marked(table, heat, 0) && marked(table, heat, 1));
    const int investment = rowOf(table, QStringLiteral("Investition in €"));
    QVERIFY(marked(table, investment, 0) && !marked(table, investment, 1));
    const int outdoor = rowOf(table, QStringLiteral("Max. Temp. vor EWT in °C"));
    QVERIFY(!marked(table, outdoor, 0) && !marked(table, outdoor, 1));
    QVERIFY(rowOf(table, QStringLiteral("Luftgeschwindigkeit in den Rohren in m/s")) > 0);
    QVERIFY(rowOf(table, QStringLiteral("Energiepreis in €/kWh")) > 0);
}

void VariantWindowTest::renameRemoveAndTheLimitOfEight()
{
    VariantFixture f;
    Tvariantenmenue window(f.context);
    ScriptedDialogs answer;
    for (int i = 0; i < 8; ++i) {
        f.change(Param::rohrlnge, 20 + 10 * i);
        window.BtnMerken->click();
    }
    QCOMPARE(window.variants().size(), std::size_t(8));
    window.BtnMerken->click();
    QCOMPARE(answer.texts(), QStringList{QStringLiteral(
                                 "Es können höchstens 8 Varianten verglichen werden. Entfernen Sie zuerst eine.")});
    QCOMPARE(window.variants().size(), std::size_t(8));

    window.selectVariant(2);
    window.VariantenName->selectAll();
    QTest::keyClicks(window.VariantenName, QStringLiteral("40 m lang"));
    QCOMPARE(window.variants()[2].name, std::string("40 m lang"));
    QCOMPARE(window.VariantenTabelle->horizontalHeaderItem(2)->text(), QStringLiteral("40 m lang"));

    window.BtnEntfernen->click();
    QCOMPARE(window.variants().size(), std::size_t(7));
    for (const Variant& v : window.variants()) QVERIFY(v.name != "40 m lang");
    QCOMPARE(window.VariantenTabelle->columnCount(), 7);
    QCOMPARE(window.VariantenTabelle->verticalHeaderItem(0)->text(), QStringLiteral("Rohrlänge in m"));
}

void VariantWindowTest::takeOverAsksToSaveAModifiedProjectFirst()
{
    VariantFixture f;
    Tvariantenmenue window(f.context);
    window.BtnMerken->click();
    f.change(Param::rohranzahl, 5);
    f.change(Param::rohrlnge, 33);
    int asked = 0;
    bool answerOk = false;
    window.saveChangesFirst = [&] {
        ++asked;
        return answerOk;
    };
    QSignalSpy replaced(&f.context, &ShellContext::projectReplaced);
    window.selectVariant(0);
    window.BtnUebernehmen->click();  // cancelled at the save question
    QCOMPARE(asked, 1);
    QCOMPARE(f.project().getInt(Param::rohranzahl), 5);
    QCOMPARE(replaced.count(), 0);

    answerOk = true;
    window.BtnUebernehmen->click();
    QCOMPARE(asked, 2);
    QCOMPARE(f.project().getInt(Param::rohranzahl), 2);
    QCOMPARE(f.project().get(Param::rohrlnge), 50.0L);
    QVERIFY(f.project().modified && f.project().RecalcNeeded);
    QCOMPARE(replaced.count(), 1);

    // The inputs are the variant's already: nothing to ask, nothing to do.
    window.BtnUebernehmen->click();
    QCOMPARE(asked, 2);
    QCOMPARE(replaced.count(), 1);
}

void VariantWindowTest::chartsShowTheMonthsOfEveryVariantAndTheOutletOfTheChosenOnes()
{
    VariantFixture f;
    Tvariantenmenue window(f.context);
    window.BtnMerken->click();
    f.change(Param::VentilatorVor, 0);
    window.BtnMerken->click();
    f.change(Param::rohrlnge, 80);
    window.BtnMerken->click();
    QCOMPARE(window.MonatsDiagramm->seriesCount(), 3);
    for (int s = 0; s < 3; ++s) {
        const QList<QPointF>& bars = window.MonatsDiagramm->points(s);
        QVERIFY(bars.size() >= 12);
        // The bars of a month stand side by side within it.
        QVERIFY(bars.front().x() > 0.5 && bars.front().x() < 1.5);
        double heating = 0;
        for (const QPointF& p : bars) heating += std::max(0.0, p.y());
        QVERIFY(std::abs(heating - static_cast<double>(window.variants()[static_cast<std::size_t>(s)].figures.HeatingEnergy)) <
                1e-6 * heating + 1e-9);
    }
    QVERIFY(window.MonatsDiagramm->points(0).front().x() < window.MonatsDiagramm->points(1).front().x());
    // No column chosen by the planner beyond the current one: the current variant's outlet.
    QCOMPARE(window.TemperaturDiagramm->seriesCount(), 1);
    QVERIFY(window.TemperaturDiagramm->points(0).size() > 1000);
    window.VariantenTabelle->selectAll();
    QCOMPARE(window.TemperaturDiagramm->seriesCount(), 3);
}

void VariantWindowTest::variantFileKeepsTheSetAndAForeignFileIsRefused()
{
    VariantFixture f;
    Tvariantenmenue window(f.context);
    window.BtnMerken->click();
    f.change(Param::rohrdurchmesser, 250);
    window.BtnMerken->click();
    window.VariantenName->setText(QStringLiteral("dünn"));
    window.renameCurrent(QStringLiteral("dünn"));

    QTemporaryDir dir;
    ScriptedDialogs answer;
    answer.files << dir.filePath(QStringLiteral("varianten"));
    window.BtnSpeichern->click();
    QCOMPARE(answer.fileDialogs.at(0).filters, QStringList{QStringLiteral("TALP-Varianten (*.tlv)")});
    QVERIFY(answer.boxes.empty());

    Tvariantenmenue reopened(f.context);
    answer.files << dir.filePath(QStringLiteral("varianten.tlv"));
    reopened.BtnOeffnen->click();
    QVERIFY2(answer.boxes.empty(), qPrintable(answer.texts().join(QLatin1Char('|'))));
    QCOMPARE(reopened.variants().size(), std::size_t(2));
    QCOMPARE(reopened.variants()[1].name, std::string("dünn"));
    QCOMPARE(reopened.variants()[1].project.get(Param::rohrdurchmesser), 250.0L);
    // The figures are the year of the inputs kept, calculated anew.
    QVERIFY(std::abs(reopened.variants()[1].figures.HeatingEnergy - window.variants()[1].figures.HeatingEnergy) <
            1e-8L * window.variants()[1].figures.HeatingEnergy);

    const QString foreign = dir.filePath(QStringLiteral("fremd.tlv"));
    QFile file(foreign);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": \"TALP variants\", \"version\": 1, \"variants\": [{\"name\": \"x\", \"record\": \"AAAA\"}]}");
    file.close();
    answer.files << foreign;
    reopened.BtnOeffnen->click();
    QCOMPARE(answer.texts(),
             QStringList{QStringLiteral("Die Datei ist keine TALP-Variantendatei oder sie ist beschädigt:\n") + foreign});
    QCOMPARE(reopened.variants().size(), std::size_t(2));  // the set shown stays

    answer.files << dir.filePath(QStringLiteral("vergleich.csv"));
    window.BtnCsv->click();
    QFile csv(dir.filePath(QStringLiteral("vergleich.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const testing::CsvRows rows = testing::readCsv(csv.readAll().toStdString(), Language::German);
    QCOMPARE(rows.size(), 1 + std::size_t(window.VariantenTabelle->rowCount()));
    QCOMPARE(QString::fromStdString(rows[0][2]), QStringLiteral("dünn"));
    QCOMPARE(QString::fromStdString(rows[1][0]), QStringLiteral("Rohrdurchmesser in mm"));
}

void VariantWindowTest::parameterStudyCalculatesTheGridAndWritesItsCsv()
{
    VariantFixture f;
    Tvariantenmenue window(f.context);
    QTemporaryDir dir;
    ScriptedDialogs answer;
    answer.files << dir.filePath(QStringLiteral("studie.csv"));
    std::vector<StudyPoint> points;
    int series = 0;
    answer.on<TParameterstudieDlg>([&](TParameterstudieDlg& study) -> int {
        study.setAxis(0, Param::rohranzahl, 1, 3, 1);
        study.setAxis(1, Param::rohrlnge, 30, 50, 20);
        study.BtnBerechnen->click();
        if (!QTest::qWaitFor([&] { return !study.running(); }, 60000)) return QDialog::Rejected;
        points = study.points();
        series = study.StudienDiagramm->seriesCount();
        study.BtnCsv->click();
        study.BtnSchliessen->click();
        return QDialog::Rejected;
    });
    window.BtnStudie->click();
    QCOMPARE(points.size(), std::size_t(6));
    QCOMPARE(series, 2);  // one line per pipe length
    SimulationResults scratch;
    const std::vector<StudyAxis> axes{std::get<StudyAxis>(parseStudyAxis("rohranzahl=1..3:1")),
                                      std::get<StudyAxis>(parseStudyAxis("rohrlnge=30..50:20"))};
    for (const StudyPoint& p : points) {
        QVERIFY(p.run.ok);
        const VariantRun single = calculateVariant(studyVariant(f.project(), axes, p.values), {}, scratch);
        QCOMPARE(p.run.figures.HeatingEnergy, single.figures.HeatingEnergy);
    }
    QFile csv(dir.filePath(QStringLiteral("studie.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const testing::CsvRows rows = testing::readCsv(csv.readAll().toStdString(), Language::German);
    QCOMPARE(rows.size(), std::size_t(7));
    QCOMPARE(QString::fromStdString(rows[0][0]), QStringLiteral("Rohranzahl"));
    QCOMPARE(QString::fromStdString(rows[6][1]), QStringLiteral("50"));
}

QTEST_MAIN(VariantWindowTest)
#include "variant_window_test.moc"
