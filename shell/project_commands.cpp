#include "shell/project_commands.h"

#include <filesystem>

#include "shell/lang_haupt.h"

namespace talp {

std::string commandLineProjectPath(std::span<const std::string> arguments)
{
    std::string path;
    for (const std::string& argument : arguments) {
        if (!path.empty()) path += ' ';
        path += argument;
    }
    return path;
}

void ProjectCommands::startUp(std::span<const std::string> arguments)
{
    session_.recentFiles.read(session_.installation.readableSetting(kRecentFilesFile));
    frontend_.shellStateChanged();
    if (arguments.empty()) {
        loadPresets();
        return;
    }
    // Kept by its full path: the recent files outlive the working directory the program was
    // started in.
    const std::string path = std::filesystem::absolute(commandLineProjectPath(arguments)).lexically_normal().string();
    if (loadInto(path)) {
        session_.projectPath = path;
        frontend_.shellStateChanged();
        return;
    }
    frontend_.warn(TLang_Haupt.row(haupt::kCommandLineFileMissing));
    loadPresets();
}

void ProjectCommands::shutDown()
{
    session_.recentFiles.write(session_.installation.writableSetting(kRecentFilesFile));
}

bool ProjectCommands::loadInto(const std::filesystem::path& file, FileFault* fault)
{
    // The record is read into a copy, so a broken file never leaves a half-loaded project.
    Project loaded = session_.project;
    const FileResult result = store_.load(file, loaded);
    if (!result.ok) {
        if (fault) *fault = result.fault;
        return false;
    }
    loaded.modified = false;
    loaded.RecalcNeeded = true;
    loaded.OptRecalcNeeded = true;
    session_.project = std::move(loaded);
    frontend_.projectReplaced(result.findings);
    return true;
}

bool ProjectCommands::loadPresets()
{
    if (!loadInto(session_.installation.readable(kPresetsFile))) {
        frontend_.warn(TLang_Haupt.row(haupt::kPresetsMissing));
        if (!loadInto(session_.installation.readable(kBackupFile))) {
            frontend_.warn(TLang_Haupt.row(haupt::kBackupMissingAtStart));
            frontend_.endProgram();
            return false;
        }
    }
    session_.projectPath.clear();
    frontend_.shellStateChanged();
    return true;
}

bool ProjectCommands::promptSaveChanges()
{
    if (!session_.project.modified) return true;
    switch (frontend_.askSaveChanges()) {
    case SaveChangesAnswer::Yes: saveCommand(); return true;
    case SaveChangesAnswer::No: return true;
    case SaveChangesAnswer::Cancel: return false;
    }
    return false;
}

bool ProjectCommands::closeQuery()
{
    frontend_.refreshMenuStates();
    if (!session_.project.modified) return true;
    switch (frontend_.askSaveChanges()) {
    case SaveChangesAnswer::No: return true;
    case SaveChangesAnswer::Cancel: return false;
    case SaveChangesAnswer::Yes: save(); return !session_.project.modified;
    }
    return false;
}

void ProjectCommands::newProject()
{
    if (promptSaveChanges()) loadPresets();
}

void ProjectCommands::open()
{
    if (!closeQuery()) return;
    const std::optional<std::string> chosen = frontend_.askOpenPath(session_.openDialogFile);
    if (!chosen) return;
    session_.projectPath = *chosen;
    if (loadInto(*chosen)) {
        frontend_.shellStateChanged();
        return;
    }
    frontend_.warn(kOpenFailed);
    loadPresets();
}

bool ProjectCommands::save()
{
    if (session_.projectPath.empty()) return saveAs();
    return saveTo(session_.projectPath);
}

bool ProjectCommands::saveAs()
{
    const std::optional<std::string> chosen = frontend_.askSaveAsPath();
    if (!chosen) return false;
    // The project takes the new name only once its file is written: a failed "save as" must
    // leave "Speichern", the title and the exports on the file the project came from.
    if (!saveTo(*chosen)) return false;
    session_.projectPath = *chosen;
    session_.openDialogFile = *chosen;
    frontend_.shellStateChanged();
    return true;
}

bool ProjectCommands::saveTo(const std::string& path)
{
    const FileResult result = store_.save(path, session_.project);
    if (!result.ok) {
        reportIoError(result.fault);
        return false;
    }
    session_.project.modified = false;
    frontend_.shellStateChanged();
    return true;
}

// In the program's language: the planner reads why, and which file.
void ProjectCommands::reportIoError(const FileFault& fault)
{
    frontend_.reportIoError(fault.message(session_.language()));
}

void ProjectCommands::addToRecentFiles()
{
    session_.recentFiles.add(session_.projectPath);
    frontend_.shellStateChanged();
}

// A save that did not happen (a cancelled "save as", a write error) adds nothing: an
// empty or unwritten path in the list would only lead to a failing open later.
void ProjectCommands::saveCommand()
{
    if (save()) addToRecentFiles();
}

void ProjectCommands::saveAsCommand()
{
    if (saveAs()) addToRecentFiles();
}

void ProjectCommands::openRecent(int entry)
{
    if (!promptSaveChanges()) return;
    const std::string path = session_.recentFiles.entry(entry);
    if (path.empty()) return;
    FileFault fault;
    if (!loadInto(path, &fault)) {
        // The project stays as it was, so its path does too.
        reportIoError(fault);
        return;
    }
    session_.projectPath = path;
    frontend_.shellStateChanged();
}

void ProjectCommands::savePresets()
{
    if (!frontend_.confirm(TLang_Haupt.row(haupt::kSavePresetsQuestion))) return;
    // The project's own file is not saved by this, so its modified flag stays.
    const FileResult result = store_.save(session_.installation.writable(kPresetsFile), session_.project);
    if (!result.ok) reportIoError(result.fault);
}

void ProjectCommands::restoreBackup()
{
    if (!closeQuery()) return;
    if (!loadInto(session_.installation.readable(kBackupFile))) {
        frontend_.warn(TLang_Haupt.row(haupt::kBackupMissingOnRestore));
        frontend_.endProgram();
        return;
    }
    const FileResult result = store_.save(session_.installation.writable(kPresetsFile), session_.project);
    if (!result.ok) reportIoError(result.fault);
    session_.projectPath.clear();
    frontend_.shellStateChanged();
}

}  // namespace talp
