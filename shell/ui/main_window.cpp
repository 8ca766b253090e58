#include "shell/ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <algorithm>

#include "shell/help_contexts.h"
#include "shell/help_file.h"
#include "shell/shell_texts.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/info_window.h"
#include "shell/ui/language_window.h"
#include "shell/ui/param_spin_box.h"
#include "shell/ui/qt_text.h"
#include "shell/ui/report_commands.h"
#include "shell/ui/save_changes_dialog.h"
#include "shell/ui/toolkit_translation.h"
#include "shell/ui/topic_window.h"
#include "shell/window_title.h"

namespace talp {

namespace {

std::optional<Topic> topicOfViewItem(MenuItem item)
{
    for (const TopicSpec& t : topicTable())
        if (t.viewItem == item) return t.id;
    return std::nullopt;
}

std::optional<Topic> topicOfWindowItem(MenuItem item)
{
    for (const TopicSpec& t : topicTable())
        if (t.windowItem == item) return t.id;
    return std::nullopt;
}

// The menus whose opening refreshes the check marks and enabled states.
bool isTopMenu(const MenuItemSpec& item) { return item.submenu && !item.parent; }

}  // namespace

Thauptmenu::Thauptmenu(Session& session, ProjectStore& store, std::vector<std::string> arguments,
                       TopicWindowFactory windows, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      context_(session),
      commands_(session, store, *this),
      arguments_(std::move(arguments)),
      mdi_(new QMdiArea(this)),
      aenderungen_(new SaveChangesDialog(this)),
      infomenue_(new InfoWindow([this] { return languageStartUp(); }, this))
{
    setObjectName(QStringLiteral("hauptmenu"));
    setCentralWidget(mdi_);
    // Cascading follows the order the windows came to the front, so that "Anordnen" ends
    // with the window brought up last on top and every title bar in view.
    mdi_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    statusBar();  // where help requests are announced until the help viewer is attached
    setMinimumSize(610, 476);
    resize(800, 540);
    buildMenus();

    for (const TopicSpec& t : topicTable()) {
        TopicWindow* window = windows(t.id, context_);
        if (!window) continue;
        context_.setTopicAvailable(t.id, true);
        QMdiSubWindow* sub = mdi_->addSubWindow(window);
        sub->setObjectName(qt(t.formName) + QStringLiteral("_child"));
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        sub->hide();
        windows_[static_cast<std::size_t>(t.id)] = window;
        subWindows_[static_cast<std::size_t>(t.id)] = sub;
    }
    connect(&context_, &ShellContext::topicRequested, this, &Thauptmenu::showTopic);

    applyLanguage();
    startUpTimer_.setSingleShot(true);
    startUpTimer_.setInterval(500);
    connect(&startUpTimer_, &QTimer::timeout, this, &Thauptmenu::startUp);
    startUpTimer_.start();
}

Thauptmenu::~Thauptmenu() = default;

void Thauptmenu::buildMenus()
{
    std::array<QMenu*, kMenuItemCount> menus{};
    for (const MenuItemSpec& item : menuTable()) {
        QMenu* parentMenu = item.parent ? menus[static_cast<std::size_t>(*item.parent)] : nullptr;
        if (item.separatorBefore && parentMenu) parentMenu->addSeparator();
        QAction* action = nullptr;
        if (item.submenu) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(QString()) : menuBar()->addMenu(QString());
            menu->setObjectName(qt(item.name));
            menus[static_cast<std::size_t>(item.id)] = menu;
            action = menu->menuAction();
            if (isTopMenu(item)) connect(menu, &QMenu::aboutToShow, this, &Thauptmenu::refreshMenuStates);
        } else {
            action = parentMenu->addAction(QString());
            const MenuItem id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { runMenuItem(id); });
        }
        action->setObjectName(qt(item.name));
        if (!item.shortcut.empty()) action->setShortcut(QKeySequence(qt(item.shortcut)));
        actions_[static_cast<std::size_t>(item.id)] = action;
        if (item.id == MenuItem::Beenden1) {
            parentMenu->addSeparator();
            for (int i = 1; i <= kRecentFileCount; ++i) {
                QAction* entry = parentMenu->addAction(QString());
                entry->setObjectName(QStringLiteral("R%1").arg(i));
                connect(entry, &QAction::triggered, this, [this, i] {
                    commitPendingEdit();
                    commands_.openRecent(i);
                });
                recent_[static_cast<std::size_t>(i - 1)] = entry;
            }
        }
    }
    for (const TopicSpec& t : topicTable()) {
        action(t.viewItem)->setCheckable(true);
        action(t.windowItem)->setCheckable(true);
    }
    new ReportCommands(context_, *mdi_, action(MenuItem::AktivesFormular1), action(MenuItem::GesamtesProjekt1),
                       action(MenuItem::Drucken1)->menu(), this);
}

void Thauptmenu::runMenuItem(MenuItem item)
{
    // Shortcuts and menus leave the focus in the field being typed into: its number is
    // taken first, so that "Speichern" saves what the planner sees.
    commitPendingEdit();
    if (const std::optional<Topic> t = topicOfViewItem(item)) return toggleTopic(*t);
    if (const std::optional<Topic> t = topicOfWindowItem(item)) return bringToFront(*t);
    switch (item) {
    case MenuItem::Neu1: return commands_.newProject();
    case MenuItem::ffnen1: return commands_.open();
    case MenuItem::Speichern1: return commands_.saveCommand();
    case MenuItem::Speichernunter1: return commands_.saveAsCommand();
    case MenuItem::Beenden1: close(); return;
    case MenuItem::Speichern2: return commands_.savePresets();
    case MenuItem::TALPSicherung1: return commands_.restoreBackup();
    case MenuItem::Kaskade1: return arrange();
    case MenuItem::Info1: return context_.showHelp(kHelpContents);
    case MenuItem::Sprachewhlen1:
        if (!sprachwahl_) sprachwahl_ = new LanguageWindow(session_, this);
        sprachwahl_->show();
        sprachwahl_->raise();
        return;
    case MenuItem::Info2: return infomenue_->open(false);
    default: return;
    }
}

bool Thauptmenu::topicVisible(Topic t) const
{
    const QMdiSubWindow* sub = subWindow(t);
    return sub && sub->isVisible();
}

void Thauptmenu::showTopic(Topic t)
{
    QMdiSubWindow* sub = subWindow(t);
    if (!sub) return;
    TopicWindow* window = topicWindow(t);
    window->refreshFromModel();
    // Closing a child window (its X, "Ansicht", a new project) closes the topic window in
    // it too: it must be shown again, or the child comes back empty.
    window->show();
    if (!sub->isVisible()) {
        sub->move(0, 0);
        sub->adjustSize();
    }
    showInFront(sub);
    action(topic(t).viewItem)->setChecked(true);
}

void Thauptmenu::showInFront(QMdiSubWindow* sub)
{
    // While the planner works with maximised windows, a window in normal state would come up
    // behind the maximised one: it comes maximised as well (the area may have maximised it
    // already as it came up, and restored the one before).
    const QList<QMdiSubWindow*> children = mdi_->subWindowList();
    const bool maximised = std::any_of(children.begin(), children.end(), [](const QMdiSubWindow* child) {
        return child->isVisible() && child->isMaximized();
    });
    if (maximised) sub->showMaximized();
    else sub->showNormal();
    sub->raise();
    mdi_->setActiveSubWindow(sub);
}

void Thauptmenu::toggleTopic(Topic t)
{
    if (topicVisible(t)) {
        subWindow(t)->close();
        action(topic(t).viewItem)->setChecked(false);
        return;
    }
    showTopic(t);
}

void Thauptmenu::bringToFront(Topic t)
{
    if (topicVisible(t)) showInFront(subWindow(t));
}

void Thauptmenu::arrange()
{
    // Cascading shows every window in normal state, the last brought up on top.
    for (Topic t : kArrangeOrder) {
        if (!topicVisible(t)) continue;
        QMdiSubWindow* sub = subWindow(t);
        sub->showNormal();
        sub->raise();
        mdi_->setActiveSubWindow(sub);
    }
    mdi_->cascadeSubWindows();
}

void Thauptmenu::refreshMenuStates()
{
    const QMdiSubWindow* active = mdi_->activeSubWindow();
    bool anyChild = false;
    for (const TopicSpec& t : topicTable()) {
        const bool visible = topicVisible(t.id);
        anyChild = anyChild || visible;
        action(t.viewItem)->setEnabled(context_.topicAvailable(t.id));
        action(t.viewItem)->setChecked(visible);
        action(t.windowItem)->setEnabled(visible);
        action(t.windowItem)->setChecked(visible && subWindow(t.id) == active);
    }
    action(MenuItem::Drucken1)->setEnabled(anyChild);
    action(MenuItem::Kaskade1)->setEnabled(anyChild);
}

Language Thauptmenu::languageStartUp()
{
    LanguageState& state = session_.languageState;
    if (!settleLanguageFromSettings(state, session_.installation.readableSetting(kLanguageSettingsFile))) {
        LanguageWindow window(session_, infomenue_->isVisible() ? static_cast<QWidget*>(infomenue_) : this);
        dialogs().exec(window);
    }
    applyLanguage();
    context_.help().attach(QString::fromStdString(helpFilePath(session_.installation, session_.language()).string()),
                           session_.language());
    return session_.language();
}

void Thauptmenu::applyLanguage()
{
    const Language language = session_.language();
    applyToolkitLanguage(language);
    for (const MenuItemSpec& item : menuTable()) action(item.id)->setText(qt(menuCaption(item.id), language));
    aenderungen_->applyLanguage(language);
    shellStateChanged();
    emit context_.languageApplied();
}

void Thauptmenu::startUp()
{
    infomenue_->open(true);
    if (ending_) return;
    commands_.startUp(arguments_);
}

void Thauptmenu::focusNumberOfPipes()
{
    if (TopicWindow* pipes = topicWindow(Topic::Ewt))
        if (auto* count = pipes->findChild<QWidget*>(QStringLiteral("rohranzahl"))) count->setFocus();
}

SaveChangesAnswer Thauptmenu::askSaveChanges() { return aenderungen_->ask(); }

std::optional<std::string> Thauptmenu::askOpenPath(const std::string& initialFile)
{
    const Language l = session_.language();
    const std::optional<QString> chosen = askOpenFile(
        this, {qt(kOpenDialogTitle, l), qt(initialFile), qt(kProjectFileFilter, l), QStringLiteral("tlp"),
               QStringLiteral("OpenDialog")});
    if (!chosen) return std::nullopt;
    return utf8(*chosen);
}

std::optional<std::string> Thauptmenu::askSaveAsPath()
{
    const Language l = session_.language();
    const std::optional<QString> chosen = askSaveFile(
        this, {qt(kSaveDialogTitle, l), qt(session_.projectPath), qt(kProjectFileFilter, l), QStringLiteral("tlp"),
               QStringLiteral("SaveDialog")});
    if (!chosen) return std::nullopt;
    return utf8(*chosen);
}

bool Thauptmenu::confirm(const Text& question)
{
    return askYesNo(this, QStringLiteral("TALP"), qt(question, session_.language()));
}

void Thauptmenu::warn(const Text& message)
{
    showMessage(this, QMessageBox::Warning, QStringLiteral("TALP"), qt(message, session_.language()));
}

void Thauptmenu::reportIoError(const std::string& message)
{
    showMessage(this, QMessageBox::Critical, qt(kIoErrorTitle, session_.language()), qt(message));
}

void Thauptmenu::projectReplaced(const LoadFindings& findings)
{
    // A loaded project starts on the pipe window; the windows of the other inputs and of
    // the results are closed, as their contents belong to the old project.
    for (const TopicSpec& t : topicTable())
        if (t.id != Topic::Ewt && topicVisible(t.id)) subWindow(t.id)->close();
    emit context_.projectReplaced();
    showTopic(Topic::Ewt);
    // A coupled file that has not been accepted yet needs the user's choice of file.
    if (findings.chooseClimateFile) showTopic(Topic::Klima);
    if (findings.chooseBuildingFile) showTopic(Topic::Hlk);
    if (findings.climateMessage)
        showMessage(this, QMessageBox::Warning, qt(findings.climateMessage->title, session_.language()),
                    qt(findings.climateMessage->text, session_.language()));
    focusNumberOfPipes();
}

void Thauptmenu::shellStateChanged()
{
    setWindowTitle(qt(talp::windowTitle(session_.projectPath, session_.language())));
    for (int i = 1; i <= kRecentFileCount; ++i) {
        QAction* entry = recentFileAction(i);
        // An "&" in a file name is shown, not taken as the item's shortcut letter: only
        // the leading "&1 " is the caption's own.
        const QString caption = qt(session_.recentFiles.menuCaption(i));
        entry->setText(caption.left(3) + caption.mid(3).replace(QLatin1Char('&'), QStringLiteral("&&")));
        entry->setEnabled(session_.recentFiles.enabled(i));
    }
}

void Thauptmenu::endProgram()
{
    ending_ = true;
    close();
    QCoreApplication::exit(1);
}

void Thauptmenu::closeEvent(QCloseEvent* event)
{
    commitPendingEdit();
    if (!ending_ && !commands_.closeQuery()) {
        event->ignore();
        return;
    }
    commands_.shutDown();
    event->accept();
}

bool saveChangesBeforeReplacing(QWidget* window)
{
    auto* main = qobject_cast<Thauptmenu*>(window->window());
    if (!main) return true;
    switch (main->askSaveChanges()) {
    case SaveChangesAnswer::Yes: main->commands().saveCommand(); return true;
    case SaveChangesAnswer::No: return true;
    case SaveChangesAnswer::Cancel: return false;
    }
    return false;
}

}  // namespace talp
