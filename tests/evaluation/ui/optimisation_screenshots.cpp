// Renders the optimisation window after a real search in German and English into PNG
// files for looking at them, with its options dialog, the progress dialog during the
// search and the combination view, and after an exhaustive search with the Pareto front
// in the chart and the table, in both views:
//
//     optimisation_screenshots <output folder>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "chart/xy_chart.h"
#include "evaluation/ui/tewtparameter.h"
#include "evaluation/ui/toptberechnungdlg.h"
#include "evaluation/ui/toptdetailsdlg.h"
#include "evaluation/ui/toptmenue.h"
#include "files/hourly_file.h"
#include "tests/shell/screenshot_program.h"

namespace {

using namespace talp;

using talp::testing::save;

// Two to four pipes of 20 to 75 m, 150 to 400 mm, 1 to 3 m deep: a cloud of a few hundred
// combinations, of which the first 60 are searched.
OptimisationOptions pictureRanges()
{
    OptimisationOptions o;
    o.range(CatalogueParam::PipeCount) = {1, 3};
    o.range(CatalogueParam::Length) = {4, 7};
    o.range(CatalogueParam::Diameter) = {4, 8};
    o.range(CatalogueParam::Spacing) = {2, 4};
    o.range(CatalogueParam::Depth) = {2, 4};
    return o;
}

void shoot(Language language, const QString& folder)
{
    const QString suffix = talp::testing::languageSuffix(language);
    QTemporaryDir files;
    Session session(locateInstallationOfRunningProgram(nullptr));
    session.installation.writableDir = files.path().toStdString();
    session.openHourlyFile = hourlyFileOpener(&session.installation);
    session.languageState.language = language;
    // A starting geometry near the economic ones, so that its blue point shows among them.
    session.project.set(Param::rohrlnge, 75);
    session.project.set(Param::verlegungstiefe, 1);
    ShellContext context(session);
    for (const TopicSpec& t : topicTable()) context.setTopicAvailable(t.id, true);

    Toptmenue window(context);
    window.setOptions(pictureRanges());
    window.drawSeed = [] { return std::uint64_t{7}; };
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return;

    QTimer::singleShot(100, [&] {
        window.optdetailsdlg->showOptions(window.options());
        window.optdetailsdlg->show();
        QTest::qWait(50);
        save(window.optdetailsdlg, folder, QStringLiteral("optdetailsdlg") + suffix);
        window.optdetailsdlg->hide();
    });
    QTest::qWait(300);

    // The progress dialog while it runs, then Stop after 60 combinations.
    bool shotProgress = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget()); box && box != window.OptBerechnungDlg) {
            box->accept();  // the information messages
            return;
        }
        TOptBerechnungDlg& progress = *window.OptBerechnungDlg;
        if (!progress.isVisible()) return;
        const int done = progress.LabelAnzahl->text().toInt();
        if (!shotProgress && done >= 10 && progress.Fortschritt->value() > 100) {
            save(&progress, folder, QStringLiteral("optberechnungdlg") + suffix);
            shotProgress = true;
        }
        if (done >= 60) progress.Abbrechen->click();
    });
    watch.start(10);
    window.BtnNeuStarten->click();
    watch.stop();
    QTest::qWait(100);
    save(&window, folder, QStringLiteral("optmenue") + suffix);

    QTimer::singleShot(200, [&] {
        save(window.EWTParameter, folder, QStringLiteral("ewtparameter") + suffix);
        window.EWTParameter->reject();
    });
    window.BtnWirtschaftlich->click();
    QTest::qWait(100);
    window.resize(900, 560);
    QTest::qWait(100);
    save(&window, folder, QStringLiteral("optmenue_gross") + suffix);

    // Every combination of the ranges, the fan before the exchanger: the cloud with its front.
    OptimisationOptions everything = pictureRanges();
    everything.fan = FanPosition::Before;
    everything.exhaustive = true;
    window.setOptions(everything);
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget()); box && box != window.OptBerechnungDlg)
            box->accept();
    });
    answer.start(10);
    window.BtnNeuStarten->click();
    answer.stop();
    window.resize(960, 720);
    window.FrontTabelle->sortByColumn(Toptmenue::EnergyColumn, Qt::DescendingOrder);
    window.FrontTabelle->selectRow(1);
    QTest::qWait(200);
    save(&window, folder, QStringLiteral("optmenue_front") + suffix);
    window.Ansicht->setCurrentIndex(1);
    window.AnsichtChange(1);
    window.FrontTabelle->sortByColumn(Toptmenue::InvestmentColumn, Qt::AscendingOrder);
    QTest::qWait(200);
    save(&window, folder, QStringLiteral("optmenue_front_investition") + suffix);
}

}  // namespace

int main(int argc, char** argv)
{
    return talp::testing::renderInBothLanguages(argc, argv, shoot);
}
