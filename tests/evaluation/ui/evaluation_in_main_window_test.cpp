// The two evaluations as child windows of the main window: brought up, they calculate once
// (the wait window's own closing does not start the next run), coming back after an edit
// in another topic window calculates anew, and a picked hour brings the daily window up on
// that day.

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>
#include <QtTest>
#include <fstream>

#include "chart/xy_chart.h"
#include "evaluation/ui/tjahreswmenue.h"
#include "evaluation/ui/ttageswmenue.h"
#include "shell/ui/info_window.h"
#include "shell/ui/main_window.h"
#include "tests/shell/memory_store.h"
#include "tests/shell/scripted_dialogs.h"

using namespace talp;

namespace {

// The pipe window stands in for every input window: one field that edits the project.
class PipeProbe : public TopicWindow {
public:
    explicit PipeProbe(ShellContext& context) : TopicWindow(Topic::Ewt, context), field(new QLineEdit)
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(field);
        layout->addWidget(navigationBar());
    }
    void refreshFromModel() override {}
    void edit() { edited(InputWindow::Pipe); }
    QLineEdit* field;
};

TopicWindow* windows(Topic t, ShellContext& context)
{
    switch (t) {
    case Topic::Ewt: return new PipeProbe(context);
    case Topic::Jahr: return new Tjahreswmenue(context);
    case Topic::Tag: return new Ttageswmenue(context);
    default: return nullptr;
    }
}

}  // namespace

class EvaluationInMainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void evaluationsCalculateWhenThePlannerComesToThem();
};

void EvaluationInMainWindowTest::evaluationsCalculateWhenThePlannerComesToThem()
{
    QTemporaryDir dir;
    const std::filesystem::path root = dir.path().toStdString();
    std::filesystem::create_directories(root / "sys");
    std::ofstream(root / "sys/talp.ini") << "DE\n";
    Session session(Installation{root, root});
    MemoryStore store;
    store.files[(root / "sys/TalpPre.tlp").string()] = Project{};
    ScriptedDialogs dialogs;
    Thauptmenu main(session, store, {}, windows);
    main.resize(1400, 900);
    main.show();
    QVERIFY(QTest::qWaitFor([&] { return store.loads > 0; }, 8000));
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));

    auto* annual = static_cast<Tjahreswmenue*>(main.topicWindow(Topic::Jahr));
    auto* daily = static_cast<Ttageswmenue*>(main.topicWindow(Topic::Tag));
    auto* pipes = static_cast<PipeProbe*>(main.topicWindow(Topic::Ewt));

    main.showTopic(Topic::Jahr);
    QTRY_VERIFY_WITH_TIMEOUT(annual->resultsValid(), 60000);
    const SimulationResults* year = session.results.get();
    QTest::qWait(500);
    QCOMPARE(session.results.get(), year);  // one run, not one after the other

    // An edit in the pipe window, then back to the annual window: a new year.
    main.showTopic(Topic::Ewt);
    pipes->field->setFocus();

    pipes->edit();
    QVERIFY(session.project.RecalcNeeded);
    main.showTopic(Topic::Jahr);
    QTRY_VERIFY_WITH_TIMEOUT(!session.project.RecalcNeeded && session.results.get() != year, 60000);
    QTRY_VERIFY(annual->resultsValid());

    // The picked hour: the daily window comes up and calculates 2 July.
    XyChart& chart = *annual->xyGraph1;
    main.mdiArea()->activeSubWindow()->resize(1200, 700);
    QTest::qWait(100);
    const double y = (chart.yMin() + chart.yMax()) / 2;
    QTest::mouseClick(chart.viewport(), Qt::LeftButton, Qt::ShiftModifier, chart.toPixels({4380.5, y}).toPoint());
    QTRY_VERIFY_WITH_TIMEOUT(daily->resultsValid(), 30000);
    QCOMPARE(daily->choice().month, 6);
    QCOMPARE(main.mdiArea()->activeSubWindow()->widget(), daily);
    const SimulationResults* day = session.results.get();
    QTest::qWait(500);
    QCOMPARE(session.results.get(), day);
}

QTEST_MAIN(EvaluationInMainWindowTest)
#include "evaluation_in_main_window_test.moc"
