// Renders the variant comparison with four variants of the presets, and a parameter study
// of pipe length against diameter, in German and English into PNG files for looking at
// them:
//
//     variant_screenshots <output folder>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "chart/xy_chart.h"
#include "evaluation/ui/tparameterstudiedlg.h"
#include "evaluation/ui/tvariantenmenue.h"
#include "files/hourly_file.h"
#include "files/project_file.h"
#include "shell/ui/qt_text.h"
#include "tests/shell/screenshot_program.h"

namespace {

using namespace talp;

using talp::testing::save;

struct Change {
    Text name;
    std::vector<std::pair<Param, long double>> inputs;
};

void shoot(Language language, const QString& folder)
{
    const QString suffix = talp::testing::languageSuffix(language);
    Session session(locateInstallationOfRunningProgram(nullptr));
    session.openHourlyFile = hourlyFileOpener(&session.installation);
    session.languageState.language = language;
    ProjectFileLoad presets = loadProjectFile(session.installation.programDir / "sys/TalpPre.tlp", {language, &session.climate});
    if (presets.ok) session.project = presets.project;
    ShellContext context(session);
    for (const TopicSpec& t : topicTable()) context.setTopicAvailable(t.id, true);

    Tvariantenmenue window(context);
    window.resize(1150, 680);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return;
    const std::vector<Change> changes{
        {{"Vorgabe", "Presets"}, {}},
        {{"3 Rohre", "3 pipes"}, {{Param::rohranzahl, 3}}},
        {{"3 Rohre, 70 m", "3 pipes, 70 m"}, {{Param::rohrlnge, 70}}},
        {{"3 Rohre, 70 m, 250 mm", "3 pipes, 70 m, 250 mm"}, {{Param::rohrdurchmesser, 250}}},
    };
    for (const Change& change : changes) {
        for (const auto& [id, value] : change.inputs) session.project.set(id, value);
        session.project.markChanged(InputWindow::Pipe);
        window.BtnMerken->click();
        window.VariantenName->setText(qt(change.name, language));
        window.renameCurrent(qt(change.name, language));
    }
    window.VariantenTabelle->selectColumn(0);
    window.VariantenTabelle->selectionModel()->select(
        window.VariantenTabelle->model()->index(0, 3), QItemSelectionModel::Select | QItemSelectionModel::Columns);
    QTest::qWait(200);
    save(&window, folder, QStringLiteral("variantenmenue") + suffix);

    TParameterstudieDlg study(context, &window);
    study.setAxis(0, Param::rohrlnge, 20, 110, 10);
    study.setAxis(1, Param::rohrdurchmesser, 150, 400, 50);
    study.show();
    if (!QTest::qWaitForWindowExposed(&study)) return;
    study.BtnBerechnen->click();
    if (!QTest::qWaitFor([&] { return !study.running(); }, 120000)) return;
    QTest::qWait(200);
    save(&study, folder, QStringLiteral("parameterstudie") + suffix);
}

}  // namespace

int main(int argc, char** argv)
{
    return talp::testing::renderInBothLanguages(argc, argv, shoot);
}
