#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>
#include <algorithm>
#include <fstream>

#include "evaluation/ui/activation.h"
#include "memory_store.h"
#include "scripted_dialogs.h"
#include "shell/lang_haupt.h"
#include "shell/ui/info_window.h"
#include "shell/ui/language_window.h"
#include "shell/ui/main_window.h"
#include "shell/ui/param_spin_box.h"
#include "shell/ui/save_changes_dialog.h"
#include "shell/ui/topic_window.h"

using namespace talp;

namespace {

// A topic window with one input, enough for the shell's navigation, menus and help.
class ProbeWindow : public TopicWindow {
public:
    ProbeWindow(Topic t, ShellContext& context)
        : TopicWindow(t, context), pipes(new ParamSpinBox(Param::rohranzahl)), notes(new QLineEdit)
    {
        notes->setObjectName(QStringLiteral("Bemerkung"));  // a control without a topic of its own
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(pipes);
        layout->addWidget(notes);
        layout->addWidget(navigationBar());
        connect(pipes, &ParamSpinBox::edited, this, [this] {
            project().set(Param::rohranzahl, pipes->exactValue());
            edited(InputWindow::Pipe);
        });
    }
    void refreshFromModel() override { pipes->showValue(project().get(Param::rohranzahl)); }
    ParamSpinBox* pipes;
    QLineEdit* notes;
};

TopicWindow* probeWindows(Topic t, ShellContext& context) { return new ProbeWindow(t, context); }

std::string readFirstLine(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// One program start in a fresh installation directory.
struct Start {
    explicit Start(const char* language = "DE", std::vector<std::string> arguments = {})
        : session(Installation{root(), root()})
    {
        std::filesystem::create_directories(root() / "sys");
        if (language) std::ofstream(root() / "sys/talp.ini") << language << '\n';
        store.files[(root() / "sys/TalpPre.tlp").string()] = MemoryStore::projectWithPipes(3);
        store.files[(root() / "sys/TalpPre.sav").string()] = MemoryStore::projectWithPipes(4);
        window = std::make_unique<Thauptmenu>(session, store, std::move(arguments), probeWindows);
        window->show();
    }
    std::filesystem::path root() const { return dir.path().toStdString(); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // Waits for the start-up sequence: information window, language, first project.
    bool started() { return QTest::qWaitFor([this] { return store.loads > 0; }, 8000); }
    ProbeWindow* probe(Topic t) const { return static_cast<ProbeWindow*>(window->topicWindow(t)); }

    QTemporaryDir dir;
    Session session;
    MemoryStore store;
    std::unique_ptr<Thauptmenu> window;
};

// Sets an environment variable for the lifetime of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::filesystem::path& value)
        : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), saved_(qgetenv(name))
    {
        qputenv(name, QByteArray::fromStdString(value.string()));
    }
    ~ScopedVariable()
    {
        if (wasSet_) qputenv(name_, saved_);
        else qunsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    bool wasSet_;
    QByteArray saved_;
};

std::vector<std::filesystem::path> filesUnder(const std::filesystem::path& dir)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Answers the program's questions: file dialogs with the paths in `dialogs.files` (cancelled
// when there is none) and the save-changes dialog with `answer`.
struct Answers {
    Answers()
    {
        dialogs.on<SaveChangesDialog>([this](SaveChangesDialog& changes) {
            ++saveChangesShown;
            QPushButton* b = answer == SaveChangesAnswer::Yes  ? changes.aenderungen_ja
                             : answer == SaveChangesAnswer::No ? changes.aenderungen_nein
                                                               : changes.CancelBtn;
            b->click();
            return changes.result();
        });
    }
    int fileDialogsShown() const { return static_cast<int>(dialogs.fileDialogs.size()); }

    ScriptedDialogs dialogs;
    SaveChangesAnswer answer = SaveChangesAnswer::Cancel;
    int saveChangesShown = 0;
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartAsksForTheLanguageAndEnglishShowsEnglishCaptions();
    void choosingGermanLaterAsksForARestartAndKeepsEnglish();
    void theToolkitsOwnButtonsSpeakTheInterfaceLanguage();
    void titleAndRecentFilesFollowTheSavedProjects();
    void anInstalledProgramKeepsSettingsRecentFilesAndPresetsInTheUsersFolders();
    void newWithAnUnmodifiedProjectLoadsThePresetsAtOnce();
    void closingWithChangesYesAndACancelledSaveAsKeepsTheProgramOpen();
    void aProjectFromTheCommandLineIsNamedAndUnmodifiedUntilEdited();
    void navigationAndMenuStatesFollowTheChildWindows();
    void aNumberBeingTypedIsTakenByEveryCommand();
    void aClosedWindowComesBackWithItsControlsByEveryRoute();
    void withMaximisedWindowsTheNavigatedWindowComesToTheFrontMaximised();
    void f1OpensTheTopicOfTheFocusedControl();
    void menusCarryTheirCaptionsShortcutsAndTheMinimumSize();
    void withoutPresetsAndBackupTheProgramEndsAfterBothMessages();
};

void MainWindowTest::firstStartAsksForTheLanguageAndEnglishShowsEnglishCaptions()
{
    int loadsWhenAsked = -1;
    Answers answers;
    Start* start = nullptr;
    answers.dialogs.on<LanguageWindow>([&](LanguageWindow& language) {
        loadsWhenAsked = start->store.loads;
        language.btn_EN->click();
        return QDialog::Accepted;
    });
    Start s(nullptr);
    start = &s;
    QVERIFY(s.started());
    QCOMPARE(loadsWhenAsked, 0);  // the language comes before the first project
    QCOMPARE(readFirstLine(s.root() / "sys/talp.ini"), std::string("EN"));
    QCOMPARE(s.window->windowTitle(), QStringLiteral("TALP - [unnamed]"));
    QCOMPARE(s.window->action(MenuItem::Datei1)->text(), QStringLiteral("File"));
    QCOMPARE(s.window->action(MenuItem::Speichernunter1)->text(), QStringLiteral("Save as ..."));
    QCOMPARE(s.window->saveChangesDialog()->aenderungen_nein->text(), QStringLiteral("No"));
    QCOMPARE(s.probe(Topic::Ewt)->navigationBar()->button(Topic::Erde)->text(), QStringLiteral("Soil"));
    QVERIFY(answers.dialogs.boxes.empty());

    // "Info" runs the language start-up again: English stays.
    s.window->action(MenuItem::Info2)->trigger();
    QCOMPARE(s.window->action(MenuItem::Datei1)->text(), QStringLiteral("File"));
}

void MainWindowTest::choosingGermanLaterAsksForARestartAndKeepsEnglish()
{
    Answers answers;
    Start s("EN");
    QVERIFY(s.started());
    s.window->action(MenuItem::Sprachewhlen1)->trigger();
    auto* language = s.window->findChild<LanguageWindow*>();
    QVERIFY(language);
    language->btn_DE->click();
    QCOMPARE(answers.dialogs.texts().size(), 1);
    QVERIFY(answers.dialogs.texts().at(0).startsWith(QString::fromUtf8("Zum Übernehmen der neuen Spracheinstellung")));
    QCOMPARE(readFirstLine(s.root() / "sys/talp.ini"), std::string("DE"));
    QCOMPARE(s.session.language(), Language::English);
    QCOMPARE(s.window->action(MenuItem::Datei1)->text(), QStringLiteral("File"));
}

// Message boxes and file dialogs take their standard buttons from the toolkit, whose
// catalogue follows the language the start-up settles.
void MainWindowTest::theToolkitsOwnButtonsSpeakTheInterfaceLanguage()
{
    const auto buttonsOfABox = [] {
        QMessageBox box(QMessageBox::Question, QStringLiteral("TALP"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        return QStringList{box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text(),
                           box.button(QMessageBox::Cancel)->text()};
    };
    Answers answers;
    {
        Start german("DE");
        QVERIFY(german.started());
        QCOMPARE(buttonsOfABox(), (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein"), QStringLiteral("Abbrechen")}));
        QFileDialog files;
        files.setOption(QFileDialog::DontUseNativeDialog);
        QCOMPARE(files.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text(),
                 QStringLiteral("Abbrechen"));
    }
    Start english("EN");
    QVERIFY(english.started());
    QCOMPARE(buttonsOfABox(), (QStringList{QStringLiteral("&Yes"), QStringLiteral("&No"), QStringLiteral("Cancel")}));
}

void MainWindowTest::titleAndRecentFilesFollowTheSavedProjects()
{
    Answers answers;
    Start s;
    QVERIFY(s.started());
    QCOMPARE(s.window->windowTitle(), QStringLiteral("TALP - [Unbenannt]"));
    QVERIFY(!s.window->recentFileAction(1)->isEnabled());
    for (const char* name : {"a.tlp", "b.tlp", "c.tlp"}) {
        answers.dialogs.files << s.path(name);
        s.window->action(MenuItem::Speichernunter1)->trigger();
    }
    QCOMPARE(s.window->windowTitle(), QStringLiteral("TALP - c.tlp"));
    QCOMPARE(s.window->recentFileAction(1)->text(), QStringLiteral("&1 c.tlp"));
    QCOMPARE(s.window->recentFileAction(3)->text(), QStringLiteral("&3 a.tlp"));
    QVERIFY(!s.window->recentFileAction(4)->isEnabled());

    // Entry 3 opened and saved again moves to entry 1.
    s.window->recentFileAction(3)->trigger();
    QCOMPARE(s.window->windowTitle(), QStringLiteral("TALP - a.tlp"));
    s.window->action(MenuItem::Speichern1)->trigger();
    QCOMPARE(s.window->recentFileAction(1)->text(), QStringLiteral("&1 a.tlp"));
    QCOMPARE(s.window->recentFileAction(2)->text(), QStringLiteral("&2 c.tlp"));
    QCOMPARE(s.window->recentFileAction(3)->text(), QStringLiteral("&3 b.tlp"));

    // The list outlives the run.
    s.window->close();
    std::ifstream list(s.root() / "sys/RList");
    std::string first;
    std::getline(list, first);
    QCOMPARE(QString::fromStdString(first), s.path("a.tlp"));
}

void MainWindowTest::anInstalledProgramKeepsSettingsRecentFilesAndPresetsInTheUsersFolders()
{
    QTemporaryDir dir;
    const std::filesystem::path root = dir.path().toStdString();
    const std::filesystem::path share = root / "prefix/share/talp";
    std::filesystem::create_directories(share / "sys");
    std::ofstream(share / "sys/TalpPre.sav") << "backup";  // present in every installation
    ScopedVariable config("XDG_CONFIG_HOME", root / "config");
    ScopedVariable data("XDG_DATA_HOME", root / "data");

    Session session(locateInstallation(root / "prefix/bin/talp", InstallLayout{"../share/talp", {}}));
    MemoryStore store;
    store.files[(share / "sys/TalpPre.tlp").string()] = MemoryStore::projectWithPipes(3);
    Answers answers;
    answers.dialogs.on<LanguageWindow>([](LanguageWindow& language) {
        language.btn_EN->click();
        return QDialog::Accepted;
    });
    Thauptmenu window(session, store, {}, probeWindows);
    window.show();
    QVERIFY(QTest::qWaitFor([&] { return store.loads > 0; }, 8000));
    QCOMPARE(store.loaded.front(), (share / "sys/TalpPre.tlp").string());

    answers.dialogs.files << dir.filePath(QStringLiteral("a.tlp"));
    window.action(MenuItem::Speichernunter1)->trigger();
    window.action(MenuItem::Speichern2)->trigger();  // the current inputs become the presets
    window.close();

    QCOMPARE(readFirstLine(root / "config/talp/talp.ini"), std::string("EN"));
    QCOMPARE(QString::fromStdString(readFirstLine(root / "config/talp/RList")), dir.filePath(QStringLiteral("a.tlp")));
    QCOMPARE(store.saved.back(), (root / "data/talp/sys/TalpPre.tlp").string());
    QCOMPARE(filesUnder(root / "prefix"), std::vector<std::filesystem::path>{share / "sys/TalpPre.sav"});
}

void MainWindowTest::newWithAnUnmodifiedProjectLoadsThePresetsAtOnce()
{
    Answers answers;
    Start s;
    QVERIFY(s.started());
    s.session.project.set(Param::rohranzahl, 9);  // changed without an edit: not modified
    const int loads = s.store.loads;
    s.window->action(MenuItem::Neu1)->trigger();
    QCOMPARE(s.store.loads, loads + 1);
    QCOMPARE(answers.saveChangesShown, 0);
    QCOMPARE(s.session.project.getInt(Param::rohranzahl), 3);
    QCOMPARE(s.probe(Topic::Ewt)->pipes->text(), QStringLiteral("3"));
}

void MainWindowTest::closingWithChangesYesAndACancelledSaveAsKeepsTheProgramOpen()
{
    Answers answers;
    Start s;
    QVERIFY(s.started());
    s.session.project.markChanged(InputWindow::Soil);
    answers.answer = SaveChangesAnswer::Yes;
    answers.dialogs.files.clear();  // the save-as dialog is cancelled
    QVERIFY(!s.window->close());
    QVERIFY(s.window->isVisible());
    QCOMPARE(answers.saveChangesShown, 1);
    QCOMPARE(answers.fileDialogsShown(), 1);
    QVERIFY(s.session.project.modified);

    answers.answer = SaveChangesAnswer::No;
    QVERIFY(s.window->close());
}

void MainWindowTest::aProjectFromTheCommandLineIsNamedAndUnmodifiedUntilEdited()
{
    Answers answers;
    Start s("DE", {"/projekte/Haus", "am", "See.tlp"});
    s.store.files["/projekte/Haus am See.tlp"] = MemoryStore::projectWithPipes(6);
    QVERIFY(s.started());
    QCOMPARE(s.window->windowTitle(), QStringLiteral("TALP - Haus am See.tlp"));
    QVERIFY(!s.session.project.modified);
    QVERIFY(s.session.project.RecalcNeeded);
    ProbeWindow* pipes = s.probe(Topic::Ewt);
    QVERIFY(s.window->topicVisible(Topic::Ewt));
    QCOMPARE(pipes->pipes->text(), QStringLiteral("6"));
    QCOMPARE(s.window->focusWidget(), static_cast<QWidget*>(pipes->pipes));

    // An edit marks the project; the pipe window leaves the optimisation's flag alone.
    s.session.project.OptRecalcNeeded = false;
    pipes->pipes->stepUp();
    QVERIFY(s.session.project.modified);
    QCOMPARE(s.session.project.getInt(Param::rohranzahl), 7);
    QVERIFY(!s.session.project.OptRecalcNeeded);
    answers.answer = SaveChangesAnswer::No;
}

void MainWindowTest::navigationAndMenuStatesFollowTheChildWindows()
{
    Answers answers;
    Start s;
    QVERIFY(s.started());
    Thauptmenu& w = *s.window;
    QVERIFY(w.topicVisible(Topic::Ewt));
    QVERIFY(!s.probe(Topic::Ewt)->navigationBar()->button(Topic::Ewt));  // no button for itself

    s.probe(Topic::Ewt)->navigationBar()->button(Topic::Erde)->click();
    QVERIFY(w.topicVisible(Topic::Erde));
    w.refreshMenuStates();
    QVERIFY(w.action(MenuItem::Erdreich1)->isChecked());
    QVERIFY(w.action(MenuItem::Erdreich2)->isEnabled());
    QVERIFY(w.action(MenuItem::Erdreich2)->isChecked());
    QVERIFY(w.action(MenuItem::Erdwrmeaustauscher2)->isEnabled());
    QVERIFY(!w.action(MenuItem::Erdwrmeaustauscher2)->isChecked());
    QVERIFY(!w.action(MenuItem::Klimawerte2)->isEnabled());
    QVERIFY(w.action(MenuItem::Drucken1)->isEnabled());
    QVERIFY(w.action(MenuItem::Kaskade1)->isEnabled());

    // "Fenster" brings the pipe window back to the front.
    w.action(MenuItem::Erdwrmeaustauscher2)->trigger();
    w.refreshMenuStates();
    QVERIFY(w.action(MenuItem::Erdwrmeaustauscher2)->isChecked());
    QVERIFY(!w.action(MenuItem::Erdreich2)->isChecked());

    // "Anordnen" ends with the pipe window on top.
    w.action(MenuItem::Kaskade1)->trigger();
    QCOMPARE(w.mdiArea()->activeSubWindow()->widget(), static_cast<QWidget*>(s.probe(Topic::Ewt)));

    // "Ansicht" closes visible windows; without children printing and arranging are off.
    w.action(MenuItem::Erdreich1)->trigger();
    w.action(MenuItem::Erdwrmeaustauscher1)->trigger();
    w.refreshMenuStates();
    QVERIFY(!w.topicVisible(Topic::Erde));
    QVERIFY(!w.action(MenuItem::Erdreich1)->isChecked());
    QVERIFY(!w.action(MenuItem::Drucken1)->isEnabled());
    QVERIFY(!w.action(MenuItem::Kaskade1)->isEnabled());

    // A window shown again opens at the top left.
    w.action(MenuItem::Klimawerte1)->trigger();
    QCOMPARE(w.mdiArea()->activeSubWindow()->pos(), QPoint(0, 0));
}

void MainWindowTest::aNumberBeingTypedIsTakenByEveryCommand()
{
    Answers answers;
    Start s;
    QVERIFY(s.started());
    Thauptmenu& w = *s.window;
    ParamSpinBox* pipes = s.probe(Topic::Ewt)->pipes;
    const auto typeWithoutEnter = [&](const char* text) {
        pipes->setFocus();
        pipes->selectAll();
        QTest::keyClicks(pipes, QLatin1String(text));
    };
    answers.dialogs.files << s.path("a.tlp");
    w.action(MenuItem::Speichernunter1)->trigger();
    const std::string saved = s.path("a.tlp").toStdString();

    // A number the field can hold is the project's as it is typed; "Speichern" saves it.
    typeWithoutEnter("5");
    QVERIFY(s.session.project.modified);
    w.action(MenuItem::Speichern1)->trigger();
    QCOMPARE(s.store.files.at(saved).getInt(Param::rohranzahl), 5);
    QVERIFY(!s.session.project.modified);

    // One beyond the bounds is finished by the command: the bound is saved and shown.
    typeWithoutEnter("25");
    w.action(MenuItem::Speichern1)->trigger();
    QCOMPARE(s.store.files.at(saved).getInt(Param::rohranzahl), 10);
    QCOMPARE(pipes->text(), QStringLiteral("10"));
    QVERIFY(!s.session.project.modified);

    // New, Open and closing the program ask to save what is being typed.
    for (const MenuItem command : {MenuItem::Neu1, MenuItem::ffnen1}) {
        typeWithoutEnter("0");  // below the bounds: not yet a number of pipes
        const int asked = answers.saveChangesShown;
        answers.answer = SaveChangesAnswer::Cancel;
        w.action(command)->trigger();
        QCOMPARE(answers.saveChangesShown, asked + 1);
        QCOMPARE(s.session.project.getInt(Param::rohranzahl), 1);
    }
    typeWithoutEnter("4");
    w.action(MenuItem::Speichern1)->trigger();
    typeWithoutEnter("0");
    answers.answer = SaveChangesAnswer::Cancel;
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    answers.answer = SaveChangesAnswer::Yes;
    QVERIFY(w.close());
    QCOMPARE(s.store.files.at(saved).getInt(Param::rohranzahl), 1);
}

void MainWindowTest::aClosedWindowComesBackWithItsControlsByEveryRoute()
{
    Answers answers;
    Start s;
    QVERIFY(s.started());
    Thauptmenu& w = *s.window;
    const auto shownWithControls = [&](Topic t) {
        return w.topicVisible(t) && s.probe(t)->isVisible() && s.probe(t)->pipes->isVisible();
    };
    const auto subOf = [&](Topic t) { return static_cast<QMdiSubWindow*>(s.probe(t)->parentWidget()); };
    const std::vector<std::pair<const char*, std::function<void(Topic)>>> closings{
        {"its X", [&](Topic t) { subOf(t)->close(); }},
        {"Ansicht", [&](Topic t) { w.action(topic(t).viewItem)->trigger(); }},
        {"a window closing itself", [&](Topic t) { closeTopicWindow(s.probe(t)); }},
    };
    const std::vector<std::pair<const char*, std::function<void(Topic)>>> openings{
        {"navigation", [&](Topic t) { s.probe(Topic::Ewt)->navigationBar()->button(t)->click(); }},
        {"Ansicht", [&](Topic t) { w.action(topic(t).viewItem)->trigger(); }},
    };
    for (const TopicSpec& topicEntry : topicTable()) {
        const Topic t = topicEntry.id;
        if (t == Topic::Ewt) continue;  // the navigation row used is the pipe window's
        for (const auto& [closedBy, close] : closings) {
            for (const auto& [openedBy, open] : openings) {
                w.showTopic(t);
                QVERIFY(shownWithControls(t));
                close(t);
                QVERIFY(!w.topicVisible(t));
                open(t);
                QVERIFY2(shownWithControls(t), qPrintable(QStringLiteral("%1 after %2, %3")
                                                              .arg(QString::fromUtf8(topic(t).formName.data()),
                                                                   QString::fromUtf8(closedBy), QString::fromUtf8(openedBy))));
            }
        }
    }
    // A new project closes every window but the pipe window.
    w.showTopic(Topic::Jahr);
    w.action(MenuItem::Neu1)->trigger();
    QVERIFY(!w.topicVisible(Topic::Jahr));
    s.probe(Topic::Ewt)->navigationBar()->button(Topic::Jahr)->click();
    QVERIFY(shownWithControls(Topic::Jahr));
    QVERIFY(shownWithControls(Topic::Ewt));
}

void MainWindowTest::withMaximisedWindowsTheNavigatedWindowComesToTheFrontMaximised()
{
    Answers answers;
    Start s;
    QVERIFY(s.started());
    Thauptmenu& w = *s.window;
    w.showTopic(Topic::Erde);
    w.showTopic(Topic::Ewt);
    w.mdiArea()->activeSubWindow()->showMaximized();
    const auto onTop = [&] { return w.mdiArea()->subWindowList(QMdiArea::StackingOrder).constLast(); };
    for (const Topic t : {Topic::Erde, Topic::Jahr}) {
        s.probe(Topic::Ewt)->navigationBar()->button(t)->click();
        QCOMPARE(onTop()->widget(), static_cast<QWidget*>(s.probe(t)));
        QCOMPARE(w.mdiArea()->activeSubWindow(), onTop());
        QVERIFY(onTop()->isMaximized());
        s.probe(t)->navigationBar()->button(Topic::Ewt)->click();
        QCOMPARE(onTop()->widget(), static_cast<QWidget*>(s.probe(Topic::Ewt)));
        QVERIFY(onTop()->isMaximized());
    }
    // "Fenster" does the same; "Anordnen" brings every window back to normal.
    w.action(MenuItem::Erdreich2)->trigger();
    QCOMPARE(onTop()->widget(), static_cast<QWidget*>(s.probe(Topic::Erde)));
    QVERIFY(onTop()->isMaximized());
    w.action(MenuItem::Kaskade1)->trigger();
    for (QMdiSubWindow* sub : w.mdiArea()->subWindowList())
        if (sub->isVisible()) QVERIFY(!sub->isMaximized());
    QCOMPARE(onTop()->widget(), static_cast<QWidget*>(s.probe(Topic::Ewt)));
}

void MainWindowTest::f1OpensTheTopicOfTheFocusedControl()
{
    Answers answers;
    Start s;
    QVERIFY(s.started());
    QApplication::setActiveWindow(s.window.get());
    QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
    ProbeWindow* pipes = s.probe(Topic::Ewt);
    pipes->pipes->setFocus();
    QTRY_VERIFY(pipes->pipes->hasFocus());
    QTest::keyClick(pipes->pipes, Qt::Key_F1);
    QCOMPARE(s.window->context().help().lastContext(), 701);
    // The help may come up in a window of its own; the test goes back to the main window.
    QApplication::setActiveWindow(s.window.get());
    QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
    QWidget* other = pipes->notes;
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    QTest::keyClick(other, Qt::Key_F1);
    QCOMPARE(s.window->context().help().lastContext(), 700);
    s.window->action(MenuItem::Info1)->trigger();
    QCOMPARE(s.window->context().help().lastContext(), 100);
}

void MainWindowTest::menusCarryTheirCaptionsShortcutsAndTheMinimumSize()
{
    Answers answers;
    Start s;
    QVERIFY(s.started());
    Thauptmenu& w = *s.window;
    QCOMPARE(w.action(MenuItem::ffnen1)->text(), QString::fromUtf8("Ö&ffnen"));
    QCOMPARE(w.action(MenuItem::Neu1)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(w.action(MenuItem::GesamtesProjekt1)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    // Separators before "Drucken", "Beenden" and the recent files.
    const QList<QAction*> file = w.action(MenuItem::Datei1)->menu()->actions();
    QStringList shape;
    for (QAction* a : file) shape << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    QCOMPARE(shape.join(QLatin1Char(' ')),
             QStringLiteral("Neu1 ffnen1 Speichern1 Speichernunter1 - Drucken1 - Beenden1 - R1 R2 R3 R4 R5"));
    w.showNormal();
    w.resize(300, 200);
    QCOMPARE(w.minimumSize(), QSize(610, 476));
    QVERIFY(w.width() >= 610 && w.height() >= 476);
}

void MainWindowTest::withoutPresetsAndBackupTheProgramEndsAfterBothMessages()
{
    Answers answers;
    Start s;
    s.store.files.clear();
    QVERIFY(QTest::qWaitFor([&] { return s.store.loads == 2; }, 8000));
    QCOMPARE(answers.dialogs.texts(), QStringList({QString::fromUtf8(TLang_Haupt(haupt::kPresetsMissing, Language::German).data()),
                                         QString::fromUtf8(TLang_Haupt(haupt::kBackupMissingAtStart, Language::German).data())}));
    QVERIFY(!s.window->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
