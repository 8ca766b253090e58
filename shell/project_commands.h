#pragma once
// The project commands of the main window: New, Open, Save, Save as, the recent files,
// saving and restoring the presets, the start-up project and the close query. Dialogs and
// message boxes are the front end's; the decisions are made here.

#include <optional>
#include <span>
#include <string>

#include "core/texts.h"
#include "shell/project_store.h"
#include "shell/session.h"

namespace talp {

enum class SaveChangesAnswer { Yes, No, Cancel };

class ShellFrontend {
public:
    virtual ~ShellFrontend() = default;
    virtual SaveChangesAnswer askSaveChanges() = 0;                                     // `aenderungen`
    virtual std::optional<std::string> askOpenPath(const std::string& initialFile) = 0;  // nothing: cancelled
    virtual std::optional<std::string> askSaveAsPath() = 0;
    virtual bool confirm(const Text& question) = 0;  // Yes / No
    virtual void warn(const Text& message) = 0;      // warning with OK
    virtual void reportIoError(const std::string& message) = 0;  // in the interface language
    // A project was loaded: the windows show it, the pipe window comes to the front and
    // the number of pipes takes the focus; `findings` name the coupled files to confirm.
    virtual void projectReplaced(const LoadFindings& findings) = 0;
    // The project path or the recent files changed: title and recent-file items follow.
    virtual void shellStateChanged() = 0;
    virtual void refreshMenuStates() = 0;
    // The installation is broken beyond repair; the program ends.
    virtual void endProgram() = 0;
};

// All command-line arguments joined with single blanks: a path with blanks may come
// unquoted in several pieces.
std::string commandLineProjectPath(std::span<const std::string> arguments);

inline constexpr std::string_view kPresetsFile = "sys/TalpPre.tlp";
inline constexpr std::string_view kBackupFile = "sys/TalpPre.sav";
// A settings file (Installation::readableSetting), beside talp.ini.
inline constexpr std::string_view kRecentFilesFile = "RList";

inline constexpr Text kOpenFailed{"Datei nicht gefunden oder defekt. Talp-Voreinstellungen werden geöffnet.",
                                  "File not found or unreadable. TALP-defaults opened instead."};

class ProjectCommands {
public:
    ProjectCommands(Session& session, ProjectStore& store, ShellFrontend& frontend)
        : session_(session), store_(store), frontend_(frontend) {}

    // Start-up after the language is settled: the recent files, then the command line's
    // project or the presets.
    void startUp(std::span<const std::string> arguments);
    // On closing: the recent files are written (write errors are ignored).
    void shutDown();

    void newProject();     // "Neu"
    void open();           // "Öffnen"
    void saveCommand();    // "Speichern": save, then the recent files
    void saveAsCommand();  // "Speichern unter"
    void openRecent(int entry);
    void savePresets();    // "aktuelle Einstellungen speichern"
    void restoreBackup();  // "TALP-Sicherung öffnen"

    // May the project be closed (main window, Open, backup restore)? Asks to save a
    // modified project; a save that did not happen keeps it open.
    bool closeQuery();

    // Loads the presets, falling back to the backup; ends the program when both fail.
    // Returns whether a project was loaded.
    bool loadPresets();

private:
    bool save();    // to the current path, else save as; true when written
    bool saveAs();  // true when written
    bool saveTo(const std::string& path);
    bool promptSaveChanges();
    bool loadInto(const std::filesystem::path& file, FileFault* fault = nullptr);
    void reportIoError(const FileFault& fault);
    void addToRecentFiles();

    Session& session_;
    ProjectStore& store_;
    ShellFrontend& frontend_;
};

}  // namespace talp
