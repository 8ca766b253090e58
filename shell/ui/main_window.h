#pragma once
// `hauptmenu`: the main window. It holds the topic windows as child windows of its
// multiple-document area, owns the menu bar, the project commands with their dialogs, the
// title, the language start-up and the start-up sequence that loads the first project.

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <string>
#include <vector>

#include "shell/menu_items.h"
#include "shell/project_commands.h"
#include "shell/topics.h"
#include "shell/ui/shell_context.h"
#include "shell/ui/topic_windows.h"

class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace talp {

class InfoWindow;
class LanguageWindow;
class SaveChangesDialog;
class TopicWindow;

class Thauptmenu : public QMainWindow, public ShellFrontend {
    Q_OBJECT
public:
    // `arguments` are the command-line arguments after the program name; `windows`
    // makes the topic windows.
    Thauptmenu(Session& session, ProjectStore& store, std::vector<std::string> arguments,
               TopicWindowFactory windows = createTopicWindow, QWidget* parent = nullptr);
    ~Thauptmenu() override;

    ShellContext& context() { return context_; }
    ProjectCommands& commands() { return commands_; }
    QAction* action(MenuItem item) const { return actions_[static_cast<std::size_t>(item)]; }
    QAction* recentFileAction(int entry) const { return recent_.at(static_cast<std::size_t>(entry - 1)); }
    QMdiArea* mdiArea() const { return mdi_; }
    SaveChangesDialog* saveChangesDialog() const { return aenderungen_; }
    TopicWindow* topicWindow(Topic t) const { return windows_[static_cast<std::size_t>(t)]; }
    bool topicVisible(Topic t) const;

    // The navigation buttons: a visible window comes to the front in normal state, a
    // hidden one becomes a child window at the top left.
    void showTopic(Topic t);
    // "Ansicht": closes a visible window, otherwise shows it.
    void toggleTopic(Topic t);
    // "Fenster": brings a window to the front in normal state.
    void bringToFront(Topic t);
    // "Anordnen": the visible windows to the front in their order, then cascaded.
    void arrange();

    // Checks and enables the items of "Ansicht" and "Fenster", "Drucken" and "Anordnen"
    // by the child windows shown.
    void refreshMenuStates() override;
    // Settles the language (settings file or language window), applies it to every window
    // and attaches the help file. Runs each time the information window opens.
    Language languageStartUp();
    void applyLanguage();
    // The start-up timer's work: information window, language, recent files, project.
    void startUp();

    // The project commands' dialogs and messages.
    SaveChangesAnswer askSaveChanges() override;
    std::optional<std::string> askOpenPath(const std::string& initialFile) override;
    std::optional<std::string> askSaveAsPath() override;
    bool confirm(const Text& question) override;
    void warn(const Text& message) override;
    void reportIoError(const std::string& message) override;
    void projectReplaced(const LoadFindings& findings) override;
    void shellStateChanged() override;
    void endProgram() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void runMenuItem(MenuItem item);
    QMdiSubWindow* subWindow(Topic t) const { return subWindows_[static_cast<std::size_t>(t)]; }
    void showInFront(QMdiSubWindow* sub);
    void focusNumberOfPipes();

    Session& session_;
    ShellContext context_;
    ProjectCommands commands_;
    std::vector<std::string> arguments_;
    QMdiArea* mdi_;
    std::array<QAction*, kMenuItemCount> actions_{};
    std::array<QAction*, kRecentFileCount> recent_{};
    std::array<TopicWindow*, kTopicCount> windows_{};
    std::array<QMdiSubWindow*, kTopicCount> subWindows_{};
    SaveChangesDialog* aenderungen_;
    InfoWindow* infomenue_;
    LanguageWindow* sprachwahl_ = nullptr;  // the menu's language window, made when first asked for
    QTimer startUpTimer_;
    bool ending_ = false;
};

// Before inputs from elsewhere (a combination of the optimisation, a kept variant) replace
// the forms' ones: asks to save a modified project and saves on Yes; false when the planner
// cancelled. A window outside a main window has nothing to save.
bool saveChangesBeforeReplacing(QWidget* window);

}  // namespace talp
