#include <gtest/gtest.h>

#include <deque>

#include "memory_store.h"
#include "shell/lang_haupt.h"
#include "shell/project_commands.h"

namespace talp {
namespace {

// Answers the commands' questions from queues and records what the user would see.
class ScriptedFrontend : public ShellFrontend {
public:
    SaveChangesAnswer askSaveChanges() override
    {
        ++saveChangesAsked;
        return next(saveChangesAnswers, SaveChangesAnswer::Cancel);
    }
    std::optional<std::string> askOpenPath(const std::string& initial) override
    {
        openInitialFile = initial;
        return next(openPaths, std::optional<std::string>{});
    }
    std::optional<std::string> askSaveAsPath() override { return next(saveAsPaths, std::optional<std::string>{}); }
    bool confirm(const Text&) override { return next(confirmations, false); }
    void warn(const Text& message) override { warnings.emplace_back(message.de); }
    void reportIoError(const std::string& message) override { ioErrors.push_back(message); }
    void projectReplaced(const LoadFindings&) override { ++replaced; }
    void shellStateChanged() override {}
    void refreshMenuStates() override {}
    void endProgram() override { ended = true; }

    std::deque<SaveChangesAnswer> saveChangesAnswers;
    std::deque<std::optional<std::string>> openPaths, saveAsPaths;
    std::deque<bool> confirmations;
    std::vector<std::string> warnings, ioErrors;
    std::string openInitialFile;
    int saveChangesAsked = 0, replaced = 0;
    bool ended = false;

private:
    template <class T, class D>
    static T next(std::deque<T>& queue, D fallback)
    {
        if (queue.empty()) return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

class ProjectCommandsTest : public ::testing::Test {
protected:
    ProjectCommandsTest() : session(Installation{"/inst", "/home"}), commands(session, store, frontend)
    {
        store.files[presets] = MemoryStore::projectWithPipes(3);
        store.files[backup] = MemoryStore::projectWithPipes(4);
    }
    std::string warningAt(std::size_t i) const { return frontend.warnings.at(i); }
    static std::string de(std::size_t index) { return std::string(TLang_Haupt(index, Language::German)); }
    void modify() { session.project.markChanged(InputWindow::Soil); }

    const std::string presets = "/inst/sys/TalpPre.tlp";
    const std::string backup = "/inst/sys/TalpPre.sav";
    Session session;
    MemoryStore store;
    ScriptedFrontend frontend;
    ProjectCommands commands;
};

TEST_F(ProjectCommandsTest, StartWithoutArgumentsLoadsThePresetsUnnamedAndUnmodified)
{
    commands.startUp({});
    EXPECT_EQ(session.project.getInt(Param::rohranzahl), 3);
    EXPECT_TRUE(session.projectPath.empty());
    EXPECT_FALSE(session.project.modified);
    EXPECT_TRUE(session.project.RecalcNeeded);
    EXPECT_TRUE(session.project.OptRecalcNeeded);
    EXPECT_TRUE(frontend.warnings.empty());
}

TEST_F(ProjectCommandsTest, SeveralArgumentsAreOnePathJoinedByBlanks)
{
    store.files["/home/Meine Projekte/Haus am See.tlp"] = MemoryStore::projectWithPipes(7);
    const std::vector<std::string> args{"/home/Meine", "Projekte/Haus", "am", "See.tlp"};
    commands.startUp(args);
    EXPECT_EQ(session.projectPath, "/home/Meine Projekte/Haus am See.tlp");
    EXPECT_EQ(session.project.getInt(Param::rohranzahl), 7);
    EXPECT_FALSE(session.project.modified);
}

TEST_F(ProjectCommandsTest, AProjectNamedRelativeToTheWorkingDirectoryIsKeptByItsFullPath)
{
    const std::string full = (std::filesystem::current_path().parent_path() / "Haus West.tlp").string();
    store.files[full] = MemoryStore::projectWithPipes(5);
    commands.startUp(std::vector<std::string>{"../Haus", "West.tlp"});
    EXPECT_EQ(session.projectPath, full);
    EXPECT_EQ(session.project.getInt(Param::rohranzahl), 5);
    commands.saveCommand();
    EXPECT_EQ(session.recentFiles.entry(1), full);
}

TEST_F(ProjectCommandsTest, ABrokenCommandLineFileIsReportedAndThePresetsOpenUnnamed)
{
    const std::vector<std::string> args{"/nowhere.tlp"};
    commands.startUp(args);
    ASSERT_EQ(frontend.warnings.size(), 1u);
    EXPECT_EQ(warningAt(0), de(haupt::kCommandLineFileMissing));
    EXPECT_EQ(session.project.getInt(Param::rohranzahl), 3);
    EXPECT_TRUE(session.projectPath.empty());
}

TEST_F(ProjectCommandsTest, MissingPresetsFallBackToTheBackupAndAMissingBackupEndsTheProgram)
{
    store.files.erase(presets);
    EXPECT_TRUE(commands.loadPresets());
    EXPECT_EQ(session.project.getInt(Param::rohranzahl), 4);
    ASSERT_EQ(frontend.warnings.size(), 1u);
    EXPECT_EQ(warningAt(0), de(haupt::kPresetsMissing));
    EXPECT_FALSE(frontend.ended);

    store.files.erase(backup);
    EXPECT_FALSE(commands.loadPresets());
    ASSERT_EQ(frontend.warnings.size(), 3u);
    EXPECT_EQ(warningAt(2), de(haupt::kBackupMissingAtStart));
    EXPECT_TRUE(frontend.ended);
}

TEST_F(ProjectCommandsTest, NewAsksOnlyForAModifiedProjectAndCancelKeepsIt)
{
    commands.startUp({});
    frontend.saveChangesAnswers = {SaveChangesAnswer::Cancel};
    session.project.set(Param::rohranzahl, 9);
    commands.newProject();  // unmodified: no question, presets at once
    EXPECT_EQ(frontend.saveChangesAsked, 0);
    EXPECT_EQ(session.project.getInt(Param::rohranzahl), 3);

    session.project.set(Param::rohranzahl, 9);
    modify();
    commands.newProject();
    EXPECT_EQ(frontend.saveChangesAsked, 1);
    EXPECT_EQ(session.project.getInt(Param::rohranzahl), 9);

    frontend.saveChangesAnswers = {SaveChangesAnswer::No};
    commands.newProject();
    EXPECT_EQ(session.project.getInt(Param::rohranzahl), 3);
}

TEST_F(ProjectCommandsTest, SaveAsNamesTheProjectClearsTheFlagAndGoesToTheRecentFiles)
{
    commands.startUp({});
    modify();
    frontend.saveAsPaths = {std::string("/home/a.tlp")};
    commands.saveCommand();  // unnamed: save as
    EXPECT_EQ(session.projectPath, "/home/a.tlp");
    EXPECT_FALSE(session.project.modified);
    EXPECT_EQ(session.recentFiles.entry(1), "/home/a.tlp");
    EXPECT_EQ(store.files.count("/home/a.tlp"), 1u);

    // The open dialog starts on the file saved last.
    commands.open();
    EXPECT_EQ(frontend.openInitialFile, "/home/a.tlp");
}

TEST_F(ProjectCommandsTest, ACancelledOrFailedSaveAddsNothingToTheRecentFilesAndKeepsTheFlag)
{
    commands.startUp({});
    modify();
    commands.saveCommand();  // save as cancelled
    EXPECT_TRUE(session.project.modified);
    EXPECT_EQ(session.recentFiles.entry(1), "");

    store.readOnly.insert("/ro/x.tlp");
    frontend.saveAsPaths = {std::string("/ro/x.tlp")};
    commands.saveAsCommand();
    EXPECT_TRUE(session.project.modified);
    EXPECT_EQ(frontend.ioErrors.size(), 1u);
    EXPECT_EQ(session.recentFiles.entry(1), "");
}

TEST_F(ProjectCommandsTest, AFailedSaveAsKeepsThePreviousPathForTheNextSave)
{
    commands.startUp({});
    modify();
    frontend.saveAsPaths = {std::string("/home/a.tlp")};
    commands.saveAsCommand();
    modify();
    store.readOnly.insert("/missing/b.tlp");
    frontend.saveAsPaths = {std::string("/missing/b.tlp")};
    commands.saveAsCommand();
    EXPECT_EQ(frontend.ioErrors.size(), 1u);
    EXPECT_EQ(session.projectPath, "/home/a.tlp");
    EXPECT_EQ(session.openDialogFile, "/home/a.tlp");
    EXPECT_EQ(session.recentFiles.entry(1), "/home/a.tlp");
    EXPECT_TRUE(session.project.modified);

    // "Speichern" goes on writing the project's own file.
    commands.saveCommand();
    EXPECT_EQ(frontend.ioErrors.size(), 1u);
    EXPECT_FALSE(session.project.modified);
    EXPECT_EQ(store.saved.back(), "/home/a.tlp");

    // An unnamed project stays unnamed.
    commands.newProject();
    modify();
    frontend.saveAsPaths = {std::string("/missing/b.tlp")};
    commands.saveCommand();
    EXPECT_TRUE(session.projectPath.empty());
}

TEST_F(ProjectCommandsTest, FileErrorsAreToldInTheInterfaceLanguage)
{
    commands.startUp({});
    modify();
    store.readOnly.insert("/home/ro.tlp");
    frontend.saveAsPaths = {std::string("/home/ro.tlp")};
    commands.saveAsCommand();
    ASSERT_EQ(frontend.ioErrors.size(), 1u);
    EXPECT_EQ(frontend.ioErrors.back(), "Die Datei ist schreibgeschützt:\n/home/ro.tlp");

    session.recentFiles.add("/home/gone.tlp");
    session.project.modified = false;
    commands.openRecent(1);
    ASSERT_EQ(frontend.ioErrors.size(), 2u);
    EXPECT_EQ(frontend.ioErrors.back(), "Die Datei kann nicht gelesen werden:\n/home/gone.tlp");

    session.languageState.language = Language::English;
    commands.openRecent(1);
    EXPECT_EQ(frontend.ioErrors.back(), "The file cannot be read:\n/home/gone.tlp");
}

TEST_F(ProjectCommandsTest, CloseQueryYesWithACancelledSaveAsKeepsTheProjectOpen)
{
    commands.startUp({});
    EXPECT_TRUE(commands.closeQuery());  // unmodified
    modify();
    frontend.saveChangesAnswers = {SaveChangesAnswer::Yes, SaveChangesAnswer::Cancel, SaveChangesAnswer::No};
    EXPECT_FALSE(commands.closeQuery());
    EXPECT_FALSE(commands.closeQuery());
    EXPECT_TRUE(commands.closeQuery());

    frontend.saveChangesAnswers = {SaveChangesAnswer::Yes};
    frontend.saveAsPaths = {std::string("/home/b.tlp")};
    EXPECT_TRUE(commands.closeQuery());
    EXPECT_FALSE(session.project.modified);
}

TEST_F(ProjectCommandsTest, AFailedOpenIsReportedAndLoadsThePresetsUnnamed)
{
    commands.startUp({});
    frontend.openPaths = {std::string("/home/broken.tlp")};
    commands.open();
    ASSERT_EQ(frontend.warnings.size(), 1u);
    EXPECT_EQ(warningAt(0), "Datei nicht gefunden oder defekt. Talp-Voreinstellungen werden geöffnet.");
    EXPECT_TRUE(session.projectPath.empty());
    EXPECT_EQ(session.project.getInt(Param::rohranzahl), 3);
}

TEST_F(ProjectCommandsTest, AnOpenedProjectIsNamedUnmodifiedAndNotAddedToTheRecentFiles)
{
    store.files["/home/c.tlp"] = MemoryStore::projectWithPipes(5);
    commands.startUp({});
    frontend.openPaths = {std::string("/home/c.tlp")};
    commands.open();
    EXPECT_EQ(session.projectPath, "/home/c.tlp");
    EXPECT_EQ(session.project.getInt(Param::rohranzahl), 5);
    EXPECT_FALSE(session.project.modified);
    EXPECT_EQ(session.recentFiles.entry(1), "");
}

TEST_F(ProjectCommandsTest, ARecentFileThatFailsToLoadLeavesProjectAndPathAsTheyWere)
{
    store.files["/home/d.tlp"] = MemoryStore::projectWithPipes(6);
    commands.startUp({});
    session.recentFiles.setEntry(1, "/home/d.tlp");
    session.recentFiles.setEntry(2, "/home/gone.tlp");
    commands.openRecent(1);
    EXPECT_EQ(session.projectPath, "/home/d.tlp");
    EXPECT_EQ(session.project.getInt(Param::rohranzahl), 6);

    commands.openRecent(2);
    EXPECT_EQ(frontend.ioErrors.size(), 1u);
    EXPECT_EQ(session.projectPath, "/home/d.tlp");
    EXPECT_EQ(session.project.getInt(Param::rohranzahl), 6);
}

TEST_F(ProjectCommandsTest, SavingPresetsAsksFirstAndLeavesPathTitleAndModifiedFlag)
{
    store.files["/home/e.tlp"] = MemoryStore::projectWithPipes(8);
    commands.startUp({});
    commands.openRecent(1);  // empty slot: nothing happens
    session.projectPath = "/home/e.tlp";
    modify();
    frontend.confirmations = {false, true};
    commands.savePresets();
    EXPECT_TRUE(store.saved.empty());
    commands.savePresets();
    ASSERT_EQ(store.saved.size(), 1u);
    EXPECT_EQ(store.saved[0], "/home/sys/TalpPre.tlp");
    EXPECT_EQ(session.projectPath, "/home/e.tlp");
    EXPECT_TRUE(session.project.modified);
}

TEST_F(ProjectCommandsTest, RestoringTheBackupRewritesThePresetsAndAMissingBackupEndsTheProgram)
{
    commands.startUp({});
    session.projectPath = "/home/f.tlp";
    commands.restoreBackup();
    EXPECT_EQ(session.project.getInt(Param::rohranzahl), 4);
    EXPECT_EQ(store.files.at("/home/sys/TalpPre.tlp").getInt(Param::rohranzahl), 4);
    EXPECT_TRUE(session.projectPath.empty());

    store.files.erase(backup);
    commands.restoreBackup();
    ASSERT_FALSE(frontend.warnings.empty());
    EXPECT_EQ(frontend.warnings.back(), de(haupt::kBackupMissingOnRestore));
    EXPECT_TRUE(frontend.ended);
}

TEST_F(ProjectCommandsTest, TheRecentFilesAreReadAtStartAndWrittenOnClose)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "talp_commands_test";
    fs::create_directories(dir / "sys");
    Session local(Installation{dir, dir});
    MemoryStore localStore;
    localStore.files[(dir / "sys/TalpPre.tlp").string()] = Project{};
    ProjectCommands localCommands(local, localStore, frontend);
    local.recentFiles.setEntry(1, "/home/g.tlp");
    localCommands.shutDown();
    local.recentFiles = RecentFiles{};
    localCommands.startUp({});
    EXPECT_EQ(local.recentFiles.entry(1), "/home/g.tlp");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace talp
