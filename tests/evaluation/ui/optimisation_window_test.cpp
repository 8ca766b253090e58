// The optimisation window with real searches over small ranges: the options dialog's
// rules, the groundwater refusal, a seeded search of single pipes filling the chart, the
// combination view and its taking over, the search without economic combinations, Stop
// between combinations with every committed record kept, and the exhaustive search with
// its velocity limit, the Pareto front in the chart and the table, its taking over and its
// CSV file.

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>

#include "chart/xy_chart.h"
#include "core/air_velocity.h"
#include "evaluation/front_csv.h"
#include "evaluation/optimisation_files.h"
#include "evaluation/ui/tewtparameter.h"
#include "evaluation/ui/toptberechnungdlg.h"
#include "evaluation/ui/toptdetailsdlg.h"
#include "evaluation/ui/toptmenue.h"
#include "tests/core/ui/window_fixture.h"
#include "tests/shell/scripted_dialogs.h"

using namespace talp;

namespace {

OptimisationOptions singlePipes()
{
    // One pipe, 50 and 75 m, 300 and 400 mm, 2 m deep, fan before: four combinations.
    OptimisationOptions o;
    o.range(CatalogueParam::PipeCount) = {0, 0};
    o.range(CatalogueParam::Length) = {6, 7};
    o.range(CatalogueParam::Diameter) = {7, 8};
    o.range(CatalogueParam::Depth) = {3, 3};
    o.fan = FanPosition::Before;
    return o;
}

struct OptimisationFixture : WindowFixture {
    explicit OptimisationFixture(Language language = Language::German) : WindowFixture(language)
    {
        session.installation.writableDir = std::filesystem::path(utf8(files.path()));
    }
    OptimisationPaths paths() const { return OptimisationPaths::in(session.installation.writableDir); }
    void prepare(Toptmenue& window, const OptimisationOptions& options)
    {
        window.setOptions(options);
        window.drawSeed = [] { return std::uint64_t{20240607}; };
        window.threads = 2;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    static std::string utf8(const QString& s) { return s.toStdString(); }

    QTemporaryDir files;
};

}  // namespace

class OptimisationWindowTest : public QObject {
    Q_OBJECT
private slots:
    void optionsDialogSwapsReversedRangesAndDisablesSpacingForSinglePipes();
    void shallowGroundwaterRefusesToStart();
    void seededSearchOfSinglePipesFillsTheChartAndEnablesShow();
    void takingOverAsksToSaveAModifiedProject();
    void searchWithoutEconomicCombinationsTellsSo();
    void stopEndsTheSearchBetweenCombinationsAndKeepsTheRecords();
    void continuingAfterAStopEvaluatesWhatTheStopLeft();
    void aStartThatCannotBeCalculatedSaysWhyAndTheSearchGoesOn();
    void optionsDialogOffersTheExhaustiveSearchAndItsVelocityLimit();
    void exhaustiveSearchDrawsTheFrontInTheChartAndTheTable();
    void aLineOfTheFrontIsTakenOverWithTheSaveQuestion();
    void theFrontIsSavedAsCsvInTheInterfacesLanguage();
};

namespace {

// Every pipe count of 1 to 3, 20 to 75 m, 150 to 400 mm, 1 or 2 m deep and apart, the fan
// before: a search of a few hundred combinations with a front of several points.
OptimisationOptions exhaustiveRanges()
{
    OptimisationOptions o;
    o.range(CatalogueParam::PipeCount) = {0, 2};
    o.range(CatalogueParam::Length) = {4, 7};
    o.range(CatalogueParam::Diameter) = {4, 8};
    o.range(CatalogueParam::Spacing) = {2, 3};
    o.range(CatalogueParam::Depth) = {2, 3};
    o.fan = FanPosition::Before;
    o.exhaustive = true;
    return o;
}

// Runs the exhaustive search in `window` and answers its information messages.
void searchExhaustively(OptimisationFixture& f, Toptmenue& window, const OptimisationOptions& options)
{
    f.project().setExact(Param::heizpreis, 30);  // dear energy: many combinations pay
    f.project().setExact(Param::khlpreis, 30);
    f.prepare(window, options);
    ScriptedDialogs dialogs;
    window.BtnNeuStarten->click();
    QVERIFY(window.search().counters().allDone);
}

std::string contents(const QString& file)
{
    std::ifstream in(file.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

void OptimisationWindowTest::optionsDialogSwapsReversedRangesAndDisablesSpacingForSinglePipes()
{
    OptimisationFixture f(Language::English);
    Toptdetailsdlg dialog(f.context);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Optimum - Options"));
    QCOMPARE(dialog.MinRohrdurchmesser->count(), 14);
    QCOMPARE(dialog.MaxAbszwRohren->itemText(6), QStringLiteral("7.5"));
    dialog.showOptions(OptimisationOptions{});
    QVERIFY(dialog.MinAbszwRohren->isEnabled());

    // A maximum below the minimum, then a minimum above the maximum: the two change places.
    dialog.MinRohrlaenge->setCurrentIndex(4);
    dialog.MaxRohrlaenge->setCurrentIndex(2);
    QCOMPARE(dialog.MinRohrlaenge->currentIndex(), 2);
    QCOMPARE(dialog.MaxRohrlaenge->currentIndex(), 4);
    dialog.MinRohrlaenge->setCurrentIndex(9);
    QCOMPARE(dialog.MinRohrlaenge->currentIndex(), 4);
    QCOMPARE(dialog.MaxRohrlaenge->currentIndex(), 9);

    // One pipe only: there is no spacing to vary.
    dialog.MaxRohranzahl->setCurrentIndex(0);
    QCOMPARE(dialog.MinRohranzahl->currentIndex(), 0);
    QVERIFY(!dialog.MinAbszwRohren->isEnabled());
    QVERIFY(!dialog.MaxAbszwRohren->isEnabled());
    dialog.MinRohranzahl->setCurrentIndex(3);  // swaps: 1 to 4 pipes
    QCOMPARE(dialog.MaxRohranzahl->currentIndex(), 3);
    QVERIFY(dialog.MinAbszwRohren->isEnabled());

    // OK stores what the boxes show, Cancel leaves the settings as they were.
    const OptimisationOptions before = singlePipes();
    ScriptedDialogs dialogs;
    dialogs.on<Toptdetailsdlg>([](Toptdetailsdlg& d) {
        d.MaxRohrlaenge->setCurrentIndex(10);
        d.CancelBtn->click();
        return d.result();
    });
    QCOMPARE(dialog.edit(before), before);
    bool spacingOffed = false;
    dialogs.on<Toptdetailsdlg>([&](Toptdetailsdlg& d) {
        spacingOffed = !d.MinAbszwRohren->isEnabled();
        d.Ventilatorposition->setCurrentIndex(2);
        d.OKBtn->click();
        return d.result();
    });
    OptimisationOptions expected = before;
    expected.fan = FanPosition::After;
    QCOMPARE(dialog.edit(before), expected);
    QVERIFY(spacingOffed);
}

void OptimisationWindowTest::shallowGroundwaterRefusesToStart()
{
    OptimisationFixture f;
    f.project().setExact(Param::Grundwassertiefe, 0.5L);
    Toptmenue window(f.context);
    f.prepare(window, singlePipes());
    ScriptedDialogs answer;
    window.BtnNeuStarten->click();
    QCOMPARE(answer.texts(), QStringList{QStringLiteral("Grundwassertiefe zu gering! Benötigter Mindestwert: 0.51")});
    QVERIFY(!std::filesystem::exists(f.paths().evaluated));
    QVERIFY(!window.BtnFortsetzen->isEnabled());
    QVERIFY(!window.BtnEnergetisch->isEnabled());
}

void OptimisationWindowTest::seededSearchOfSinglePipesFillsTheChartAndEnablesShow()
{
    OptimisationFixture f(Language::English);
    f.project().RecalcNeeded = false;
    Toptmenue window(f.context);
    QCOMPARE(window.windowTitle(), QStringLiteral("TALP optimized Earth Heat Exchanger"));
    f.prepare(window, singlePipes());
    QVERIFY(!window.BtnFortsetzen->isEnabled());
    ScriptedDialogs dialogs;
    window.BtnNeuStarten->click();
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("All combinations calculated !")});
    const SearchCounters& counters = window.search().counters();
    // The four single pipes and the two-pipe starting geometry outside the ranges.
    QCOMPARE(counters.total, 5);
    QCOMPARE(counters.evaluated, 5);
    QCOMPARE(window.OptBerechnungDlg->LabelAnzahl->text(), QStringLiteral("5"));
    QVERIFY(counters.hasEconomic());
    QCOMPARE(window.OptBerechnungDlg->LabelSinnvoll->text(), QString::number(counters.economic));

    const auto evaluated = readCombinationRecords(f.paths().evaluated);
    QVERIFY(evaluated && evaluated->size() == 5);
    for (std::size_t i = 1; i < evaluated->size(); ++i) {
        QCOMPARE((*evaluated)[i].geometry.pipeCount, 1);
        QCOMPARE(static_cast<double>((*evaluated)[i].geometry.spacing), 1.0);
    }
    // Every economic combination is a point: the start in its own series.
    XyChart& chart = *window.OptGraph;
    QCOMPARE(chart.points(Toptmenue::kEconomicSeries).size() + chart.points(Toptmenue::kStartSeries).size(),
             counters.economic);
    QCOMPARE(chart.xMax(), static_cast<double>(counters.bestRate) + 5);
    QCOMPARE(chart.yMax(), static_cast<double>(counters.bestEnergy) + 1000);
    QVERIFY(window.BtnEnergetisch->isEnabled());
    QVERIFY(window.BtnWirtschaftlich->isEnabled());
    QVERIFY(window.BtnFortsetzen->isEnabled());
    QVERIFY(f.project().RecalcNeeded);

    // The best energy in the combination view, and taken over into the forms.
    const auto best = readCombinationRecord(f.paths().economic, counters.bestEnergyRecord);
    QVERIFY(best);
    QStringList lines;
    dialogs.on<TEWTParameter>([&](TEWTParameter& view) {
        for (int i = 0; i < TEWTParameter::kLines; ++i) lines << view.line(i)->text();
        view.Uebernehmen->click();
        return view.result();
    });
    window.BtnEnergetisch->click();
    QCOMPARE(lines.value(6), QStringLiteral("Energy gains: %1 kWh/a").arg(static_cast<double>(best->energy), 0, 'f', 0));
    QCOMPARE(chart.points(Toptmenue::kSelectedSeries), QList<QPointF>{QPointF(static_cast<double>(best->internalRate),
                                                                              static_cast<double>(best->energy))});
    QCOMPARE(f.project().getInt(Param::rohranzahl), best->geometry.pipeCount);
    QCOMPARE(f.project().get(Param::rohrlnge), best->geometry.length);
    QVERIFY(f.project().modified);

    // Right click after a zoom brings the axes back to the best values.
    QCoreApplication::processEvents();
    const QPoint from = chart.toPixels({0.2 * chart.xMax(), 0.2 * chart.yMax()}).toPoint();
    const QPoint to = chart.toPixels({0.6 * chart.xMax(), 0.7 * chart.yMax()}).toPoint();
    const double fullX = chart.xMax();
    QTest::mousePress(chart.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(chart.viewport(), to);
    QTest::mouseRelease(chart.viewport(), Qt::LeftButton, {}, to);
    QVERIFY(chart.xMax() < fullX);
    QVERIFY(chart.xMin() > 0);
    QTest::mousePress(chart.viewport(), Qt::RightButton, {}, from);
    QCOMPARE(chart.xMax(), fullX);
    QCOMPARE(chart.xMin(), 0.0);

    // Shift + click picks the nearest economic point.
    if (!chart.points(Toptmenue::kEconomicSeries).isEmpty()) {
        QCoreApplication::processEvents();
        const QPointF point = chart.points(Toptmenue::kEconomicSeries).first();
        bool shown = false;
        dialogs.on<TEWTParameter>([&](TEWTParameter& view) {
            shown = true;
            view.Abbrechen->click();
            return view.result();
        });
        QTest::mouseClick(chart.viewport(), Qt::LeftButton, Qt::ShiftModifier, chart.toPixels(point + QPointF(0.01, 1)).toPoint());
        QVERIFY(shown);
        QCOMPARE(chart.points(Toptmenue::kSelectedSeries), QList<QPointF>{point});
    }

    // Another soil is another search space: only a new start.
    f.project().OptRecalcNeeded = true;
    window.FormActivate();
    QVERIFY(!window.BtnFortsetzen->isEnabled());
}

void OptimisationWindowTest::takingOverAsksToSaveAModifiedProject()
{
    OptimisationFixture f;
    Toptmenue window(f.context);
    f.prepare(window, singlePipes());
    ScriptedDialogs dialogs;
    window.BtnNeuStarten->click();
    QVERIFY(window.BtnWirtschaftlich->isEnabled());
    const auto best = readCombinationRecord(f.paths().economic, window.search().counters().bestRateRecord);
    QVERIFY(best);
    QVERIFY(best->geometry != startingCombination(f.project()));

    int asked = 0;
    bool saveAnswer = false;  // Cancel
    window.saveChangesFirst = [&] {
        ++asked;
        return saveAnswer;
    };
    f.project().modified = true;
    const Project before = f.project();
    dialogs.on<TEWTParameter>([](TEWTParameter& view) {
        view.Uebernehmen->click();
        return view.result();
    });
    window.BtnWirtschaftlich->click();
    QCOMPARE(asked, 1);
    QVERIFY(f.project() == before);  // cancelled: the forms keep their geometry

    saveAnswer = true;
    window.BtnWirtschaftlich->click();
    QCOMPARE(asked, 2);
    QCOMPARE(f.project().getInt(Param::rohranzahl), 1);
    QCOMPARE(f.project().get(Param::rohrdurchmesser), best->geometry.diameter);
    // The pipe price of the new diameter is a cost input: the search space changed with it.
    QVERIFY(f.project().get(Param::rohrpreis) != before.get(Param::rohrpreis));
    QVERIFY(f.project().OptRecalcNeeded);
    window.FormActivate();
    QVERIFY(!window.BtnFortsetzen->isEnabled());

    // The forms now hold that geometry: taking it over again asks nothing.
    window.BtnWirtschaftlich->click();
    QCOMPARE(asked, 2);
}

void OptimisationWindowTest::searchWithoutEconomicCombinationsTellsSo()
{
    OptimisationFixture f;
    // Pipes at this price never pay back.
    f.project().set(Param::rohrpreis, 100000);
    Toptmenue window(f.context);
    f.prepare(window, singlePipes());
    ScriptedDialogs answer;
    window.BtnNeuStarten->click();
    QCOMPARE(answer.texts(), (QStringList{QStringLiteral("Alle Kombinationen wurden berechnet !"),
                                        QStringLiteral("Es wurde keine wirtschaftliche Kombination gefunden.")}));
    QVERIFY(!window.BtnEnergetisch->isEnabled());
    QVERIFY(!window.BtnWirtschaftlich->isEnabled());
    QVERIFY(window.BtnFortsetzen->isEnabled());
    QCOMPARE(window.OptGraph->points(Toptmenue::kEconomicSeries).size(), 0);
}

void OptimisationWindowTest::stopEndsTheSearchBetweenCombinationsAndKeepsTheRecords()
{
    OptimisationFixture f;
    Toptmenue window(f.context);
    f.prepare(window, OptimisationOptions{});  // far too many combinations to finish
    int ticks = 0;  // the interface's own timers run while the search does
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);
    bool stopVisible = false;
    long long stopAt = 3;
    // The planner stops as the counter reaches `stopAt`.
    TOptBerechnungDlg& progress = *window.OptBerechnungDlg;
    connect(&progress, &TOptBerechnungDlg::combinationCommitted, &progress,
            [&](const CombinationRecord&, bool, bool, const SearchCounters& counters) {
                if (counters.evaluated < stopAt || !progress.Abbrechen->isEnabled()) return;
                progress.Abbrechen->click();
                stopVisible = progress.LabelAbbruch->isVisible();
            });
    ScriptedDialogs answer;
    window.BtnNeuStarten->click();
    QVERIFY(stopVisible);
    QVERIFY(ticks > 10);

    const SearchCounters& counters = window.search().counters();
    QVERIFY(counters.evaluated >= 3);
    QVERIFY(!counters.allDone);
    const auto evaluated = readCombinationRecords(f.paths().evaluated);
    const auto economic = readCombinationRecords(f.paths().economic);
    QVERIFY(evaluated && economic);
    QCOMPARE(static_cast<long long>(evaluated->size()), counters.evaluated);
    QCOMPARE(static_cast<long long>(economic->size()), counters.economic);
    QVERIFY(window.BtnFortsetzen->isEnabled());

    // "Fortsetzen" goes on from the kept records.
    const long long before = counters.evaluated;
    stopAt = before + 3;
    window.BtnFortsetzen->click();
    QVERIFY(window.search().counters().evaluated >= before + 3);
    QCOMPARE(static_cast<long long>(readCombinationRecords(f.paths().evaluated)->size()),
             window.search().counters().evaluated);
}

void OptimisationWindowTest::continuingAfterAStopEvaluatesWhatTheStopLeft()
{
    // Combinations under way when "Abbrechen" is pressed are not recorded; "Fortsetzen" must
    // evaluate them and only then say that all are done.
    OptimisationFixture f;
    Toptmenue window(f.context);
    OptimisationOptions ranges = singlePipes();
    ranges.range(CatalogueParam::Length) = {4, 8};  // 20 to 100 m, 300 and 400 mm: ten combinations
    f.prepare(window, ranges);
    TOptBerechnungDlg& progress = *window.OptBerechnungDlg;
    long long stopAt = 2;
    // The search waits at each commit until the planner has looked at the counter, so that
    // "Abbrechen" comes at exactly this count however fast the year is calculated.
    connect(&progress, &TOptBerechnungDlg::combinationCommitted, &progress,
            [&](const CombinationRecord&, bool, bool, const SearchCounters& counters) {
                if (counters.evaluated >= stopAt && progress.Abbrechen->isEnabled()) progress.Abbrechen->click();
            },
            Qt::BlockingQueuedConnection);
    ScriptedDialogs dialogs;
    window.BtnNeuStarten->click();
    QVERIFY(!window.search().counters().allDone);
    stopAt = window.search().counters().evaluated + 3;
    window.BtnFortsetzen->click();
    QVERIFY(!window.search().counters().allDone);
    stopAt = 1000;
    window.BtnFortsetzen->click();

    const SearchCounters& counters = window.search().counters();
    QVERIFY(counters.allDone);
    QCOMPARE(counters.evaluated, counters.total);
    QCOMPARE(counters.total, 11);  // the ten and the two-pipe start outside the ranges
    const auto evaluated = readCombinationRecords(f.paths().evaluated);
    QVERIFY(evaluated);
    std::set<CombinationKey> distinct;
    for (const CombinationRecord& r : *evaluated) distinct.insert(keyOf(r.geometry));
    QCOMPARE(evaluated->size(), std::size_t(11));
    QCOMPARE(distinct.size(), std::size_t(11));
    QCOMPARE(dialogs.texts().count(QStringLiteral("Alle Kombinationen wurden berechnet !")), 1);
}

void OptimisationWindowTest::aStartThatCannotBeCalculatedSaysWhyAndTheSearchGoesOn()
{
    // The pipe form's 2 m deep pipes lie in the groundwater at 1.5 m; the catalogue's
    // 0.5 m ones do not.
    OptimisationFixture f;
    f.project().setExact(Param::Grundwassertiefe, 1.5L);
    Toptmenue window(f.context);
    OptimisationOptions shallow = singlePipes();
    shallow.range(CatalogueParam::Depth) = {0, 0};
    f.prepare(window, shallow);
    ScriptedDialogs dialogs;
    window.BtnNeuStarten->click();
    QCOMPARE(dialogs.texts(), (QStringList{QStringLiteral("Grundwassertiefe kleiner als Verlegungstiefe"),
                                           QStringLiteral("Dieser EWT kann nicht berechnet werden. Bitte überprüfen Sie die Eingaben."),
                                           QStringLiteral("Alle Kombinationen wurden berechnet !")}));
    QCOMPARE(dialogs.titles().at(0), QStringLiteral("Parameterfehler"));
    QCOMPARE(window.search().counters().evaluated, 4);  // the four single pipes, no start
    QCOMPARE(window.OptGraph->points(Toptmenue::kStartSeries).size(), 0);
}

void OptimisationWindowTest::optionsDialogOffersTheExhaustiveSearchAndItsVelocityLimit()
{
    OptimisationFixture f;
    Toptdetailsdlg dialog(f.context);
    dialog.showOptions(OptimisationOptions{});
    QCOMPARE(dialog.VollstaendigeSuche->text(), QStringLiteral("Vollständige Suche (jede Kombination einmal)"));
    QVERIFY(!dialog.VollstaendigeSuche->isChecked());
    // The limit belongs to the exhaustive search, its value to the limit.
    QVERIFY(!dialog.GeschwindigkeitBegrenzt->isEnabled());
    QVERIFY(!dialog.MaxGeschwindigkeit->isEnabled());
    dialog.VollstaendigeSuche->setChecked(true);
    QVERIFY(dialog.GeschwindigkeitBegrenzt->isEnabled());
    QVERIFY(!dialog.MaxGeschwindigkeit->isEnabled());
    dialog.GeschwindigkeitBegrenzt->setChecked(true);
    QVERIFY(dialog.MaxGeschwindigkeit->isEnabled());

    ScriptedDialogs dialogs;
    dialogs.on<Toptdetailsdlg>([](Toptdetailsdlg& d) {
        d.VollstaendigeSuche->setChecked(true);
        d.GeschwindigkeitBegrenzt->setChecked(true);
        d.MaxGeschwindigkeit->setValue(2.5);
        d.OKBtn->click();
        return d.result();
    });
    const OptimisationOptions limited = dialog.edit(singlePipes());
    QVERIFY(limited.exhaustive);
    QCOMPARE(limited.maxAirVelocity, std::optional(roundedAirVelocityLimit(2.5L)));
    // Shown again as stored; switched back to drawing at random, the limit goes.
    bool shownAsStored = false;
    dialogs.on<Toptdetailsdlg>([&](Toptdetailsdlg& d) {
        shownAsStored = d.VollstaendigeSuche->isChecked() && d.GeschwindigkeitBegrenzt->isChecked() &&
                        d.MaxGeschwindigkeit->value() == 2.5;
        d.VollstaendigeSuche->setChecked(false);
        d.OKBtn->click();
        return d.result();
    });
    const OptimisationOptions random = dialog.edit(limited);
    QVERIFY(shownAsStored);
    QVERIFY(!random.exhaustive);
    QVERIFY(!random.maxAirVelocity);
}

void OptimisationWindowTest::exhaustiveSearchDrawsTheFrontInTheChartAndTheTable()
{
    OptimisationFixture f(Language::English);
    Toptmenue window(f.context);
    OptimisationOptions options = exhaustiveRanges();
    options.maxAirVelocity = roundedAirVelocityLimit(3);  // the single 150 mm pipes carry the air faster
    searchExhaustively(f, window, options);
    const SearchCounters& counters = window.search().counters();
    QVERIFY(counters.skipped > 0);
    QVERIFY(window.OptBerechnungDlg->LabelUebersprungen->isVisibleTo(window.OptBerechnungDlg));
    QCOMPARE(window.OptBerechnungDlg->LabelUebersprungen->text(), QString::number(counters.skipped));

    // The front: the files' economic records that no other beats on rate and energy.
    const TradeOff& tradeOff = window.tradeOff();
    QCOMPARE(static_cast<long long>(tradeOff.points.size()), counters.economic);
    QVERIFY(tradeOff.rateFront.size() >= 2);
    XyChart& chart = *window.OptGraph;
    const QList<QPointF> line = chart.points(Toptmenue::kFrontSeries);
    QCOMPARE(line.size(), static_cast<qsizetype>(tradeOff.rateFront.size()));
    for (qsizetype i = 0; i < line.size(); ++i) {
        const TradeOffPoint& p = tradeOff.points[tradeOff.rateFront[static_cast<std::size_t>(i)]];
        QCOMPARE(line[i], QPointF(static_cast<double>(p.record.internalRate), static_cast<double>(p.record.energy)));
        QVERIFY(p.airVelocity <= 3.0L);
        if (i > 0) QVERIFY(line[i].x() > line[i - 1].x() && line[i].y() < line[i - 1].y());
    }

    // The table lists the front, sortable by each column.
    QTableWidget& table = *window.FrontTabelle;
    QCOMPARE(table.rowCount(), line.size());
    QCOMPARE(table.horizontalHeaderItem(Toptmenue::VelocityColumn)->text(), QStringLiteral("Air speed\nm/s"));
    table.sortByColumn(Toptmenue::EnergyColumn, Qt::DescendingOrder);
    for (int row = 0; row < table.rowCount(); ++row) {
        const TradeOffPoint& p = tradeOff.points[window.frontPointOfRow(row)];
        QCOMPARE(table.item(row, Toptmenue::EnergyColumn)->text(), QString::number(static_cast<double>(p.record.energy), 'f', 0));
        QCOMPARE(table.item(row, Toptmenue::VelocityColumn)->text(),
                 QString::number(static_cast<double>(airVelocity(1000, p.record.geometry.pipeCount, p.record.geometry.diameter)), 'f', 2));
        QVERIFY(!table.item(row, Toptmenue::PaybackColumn)->text().isEmpty());
        if (row > 0) QVERIFY(tradeOff.points[window.frontPointOfRow(row - 1)].record.energy > p.record.energy);
    }

    // The second view: investment against energy, with its own front.
    window.Ansicht->setCurrentIndex(1);
    window.AnsichtChange(1);
    QCOMPARE(window.view(), FrontView::InvestmentAndEnergy);
    const QList<QPointF> byInvestment = chart.points(Toptmenue::kFrontSeries);
    QCOMPARE(byInvestment.size(), static_cast<qsizetype>(tradeOff.investmentFront.size()));
    QCOMPARE(byInvestment.first().x(), static_cast<double>(tradeOff.points[tradeOff.investmentFront.front()].investment));
    QCOMPARE(table.rowCount(), byInvestment.size());
    QVERIFY(chart.xMax() > byInvestment.last().x());
    // Every economic point is drawn at its investment.
    QCOMPARE(chart.points(Toptmenue::kEconomicSeries).size() + chart.points(Toptmenue::kStartSeries).size(),
             static_cast<qsizetype>(tradeOff.points.size()));
}

void OptimisationWindowTest::aLineOfTheFrontIsTakenOverWithTheSaveQuestion()
{
    OptimisationFixture f;
    Toptmenue window(f.context);
    searchExhaustively(f, window, exhaustiveRanges());
    QTableWidget& table = *window.FrontTabelle;
    QVERIFY(table.rowCount() > 0);
    QVERIFY(!window.BtnFrontUebernehmen->isEnabled());

    // Looking at a line: the combination view, as for a point of the chart.
    ScriptedDialogs dialogs;
    QString shownEnergy;
    dialogs.on<TEWTParameter>([&](TEWTParameter& view) {
        shownEnergy = view.line(6)->text();
        view.Abbrechen->click();
        return view.result();
    });
    const TradeOffPoint& first = window.tradeOff().points[window.frontPointOfRow(0)];
    emit table.cellDoubleClicked(0, Toptmenue::EnergyColumn);
    QCOMPARE(shownEnergy, QStringLiteral("Energiebeitrag: %1 kWh/a").arg(static_cast<double>(first.record.energy), 0, 'f', 0));

    // Taking a line over asks to save the modified project first.
    int row = 0;
    while (row < table.rowCount() && window.tradeOff().points[window.frontPointOfRow(row)].record.geometry ==
                                          startingCombination(f.project()))
        ++row;
    QVERIFY(row < table.rowCount());
    const TradeOffPoint chosen = window.tradeOff().points[window.frontPointOfRow(row)];
    table.selectRow(row);
    QVERIFY(window.BtnFrontUebernehmen->isEnabled());
    int asked = 0;
    window.saveChangesFirst = [&] {
        ++asked;
        return true;
    };
    f.project().modified = true;
    window.BtnFrontUebernehmen->click();
    QCOMPARE(asked, 1);
    const Combination& c = chosen.record.geometry;
    QCOMPARE(f.project().getInt(Param::rohranzahl), c.pipeCount);
    QCOMPARE(f.project().get(Param::rohrlnge), c.length);
    QCOMPARE(f.project().get(Param::rohrdurchmesser), c.diameter);
    QCOMPARE(f.project().get(Param::verlegungstiefe), c.depth);
    QVERIFY(f.project().isChecked(Param::VentilatorVor));
    QCOMPARE(window.OptGraph->points(Toptmenue::kSelectedSeries),
             QList<QPointF>{QPointF(static_cast<double>(chosen.record.internalRate), static_cast<double>(chosen.record.energy))});
}

void OptimisationWindowTest::theFrontIsSavedAsCsvInTheInterfacesLanguage()
{
    OptimisationFixture f;
    Toptmenue window(f.context);
    QVERIFY(!window.BtnFrontExport->isEnabled());  // no front before a search
    searchExhaustively(f, window, exhaustiveRanges());
    QVERIFY(window.BtnFrontExport->isEnabled());

    ScriptedDialogs dialogs;
    const QString file = f.files.filePath(QStringLiteral("front.csv"));
    dialogs.files << file;
    window.BtnFrontExport->click();
    QCOMPARE(dialogs.fileDialogs.size(), std::size_t(1));
    QCOMPARE(dialogs.fileDialogs[0].name, QStringLiteral("FrontExport"));
    QVERIFY(dialogs.fileDialogs[0].save);
    const std::string csv = contents(file);
    QCOMPARE(csv, frontCsv(window.tradeOff(), FrontView::RateAndEnergy, Language::German));
    QVERIFY(csv.find("Rohranzahl;Rohrlänge in m;") != std::string::npos);
    QCOMPARE(static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')), window.tradeOff().rateFront.size() + 1);

    // A file that cannot be written is reported.
    dialogs.files << f.files.filePath(QStringLiteral("no/such/folder/front.csv"));
    window.BtnFrontExport->click();
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Fehler beim Erstellen der Datei.")});
}

QTEST_MAIN(OptimisationWindowTest)
#include "optimisation_window_test.moc"
