// The optimisation window with real searches over small ranges: the options dialog's
// rules, the groundwater refusal, a seeded search of single pipes filling the chart, the
// combination view and its taking over, the search without economic combinations, and
// Stop between combinations with every committed record kept.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <set>

#include "chart/xy_chart.h"
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
};

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

QTEST_MAIN(OptimisationWindowTest)
#include "optimisation_window_test.moc"
