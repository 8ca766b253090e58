// Where the program finds its installation data and where it writes: beside the executable
// in the build folder, else in an installed share/talp that it never writes into, with the
// user's settings and data in the XDG folders.

#include "core/installation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>

#include "tests/files/temp_dir.h"

namespace talp {
namespace {

namespace fs = std::filesystem;

// The environment variables of the user's folders, set per test and restored afterwards.
class UserEnvironment {
public:
    UserEnvironment()
    {
        for (const char* name : kNames)
            if (const char* value = std::getenv(name)) saved_[name] = value;
            else saved_[name] = std::nullopt;
        for (const char* name : kNames) ::unsetenv(name);
    }
    ~UserEnvironment()
    {
        for (const auto& [name, value] : saved_)
            if (value) ::setenv(name.c_str(), value->c_str(), 1);
            else ::unsetenv(name.c_str());
    }
    UserEnvironment(const UserEnvironment&) = delete;
    UserEnvironment& operator=(const UserEnvironment&) = delete;

    void set(const char* name, const fs::path& value) { ::setenv(name, value.c_str(), 1); }
    void set(const char* name, const std::string& value) { ::setenv(name, value.c_str(), 1); }

private:
    static constexpr const char* kNames[] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS"};
    std::map<std::string, std::optional<std::string>> saved_;
};

// Installation data as every installation ships it: the presets and their backup.
fs::path installationData(const fs::path& dir)
{
    fs::create_directories(dir / "sys");
    std::ofstream(dir / "sys/TalpPre.tlp") << "installed presets";
    std::ofstream(dir / "sys/TalpPre.sav") << "installed backup";
    return dir;
}

std::string contents(const fs::path& file)
{
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class InstallationTest : public ::testing::Test {
protected:
    InstallationTest()
    {
        env.set("HOME", home);
        // No installed TALP of this machine may answer for the one of a test.
        env.set("XDG_DATA_DIRS", std::string("/nonexistent"));
    }

    testing::TempDir root;
    UserEnvironment env;
    fs::path home = root / "home";
    fs::path prefix = root / "prefix";
    // The layout of `make install`: bin/ and share/talp under one prefix.
    InstallLayout layout{"../share/talp", root / "nowhere/share/talp"};
};

TEST_F(InstallationTest, TheBuildFolderKeepsDataAndSettingsBesideTheExecutable)
{
    const fs::path bin = installationData(root / "build/bin");
    installationData(prefix / "share/talp");  // an installation elsewhere is not looked at
    const Installation found = locateInstallation(bin / "talp", layout);
    EXPECT_EQ(found.programDir, bin);
    EXPECT_EQ(found.writableDir, bin);
    EXPECT_EQ(found.writableSetting("talp.ini"), bin / "sys/talp.ini");
    EXPECT_EQ(found.writable("sys/OptFile.dat"), bin / "sys/OptFile.dat");
    EXPECT_EQ(found.readable("sys/TalpPre.tlp"), bin / "sys/TalpPre.tlp");
}

TEST_F(InstallationTest, AnInstalledProgramReadsShareTalpAndWritesIntoTheHomeFolders)
{
    const fs::path share = installationData(prefix / "share/talp");
    const Installation found = locateInstallation(prefix / "bin/talp", layout);
    EXPECT_EQ(found.programDir, share);
    // Nothing is written into the installation, even where the user could write.
    EXPECT_EQ(found.writableDir, home / ".local/share/talp");
    EXPECT_EQ(found.writableSetting("talp.ini"), home / ".config/talp/talp.ini");
    EXPECT_EQ(found.writableSetting("RList"), home / ".config/talp/RList");
    EXPECT_EQ(found.writable("sys/OptFile.dat"), home / ".local/share/talp/sys/OptFile.dat");
    EXPECT_TRUE(fs::is_directory(home / ".config/talp"));
    EXPECT_TRUE(fs::is_directory(home / ".local/share/talp/sys"));
    EXPECT_EQ(found.readable("sys/kstat.txt"), share / "sys/kstat.txt");
}

TEST_F(InstallationTest, TheXdgVariablesChooseTheUsersFoldersAndRelativeOnesAreIgnored)
{
    installationData(prefix / "share/talp");
    env.set("XDG_DATA_HOME", root / "data");
    env.set("XDG_CONFIG_HOME", root / "config");
    Installation found = locateInstallation(prefix / "bin/talp", layout);
    EXPECT_EQ(found.writableDir, root / "data/talp");
    EXPECT_EQ(found.writableSetting("talp.ini"), root / "config/talp/talp.ini");

    env.set("XDG_DATA_HOME", std::string("relative/data"));
    env.set("XDG_CONFIG_HOME", std::string("relative/config"));
    found = locateInstallation(prefix / "bin/talp", layout);
    EXPECT_EQ(found.writableDir, home / ".local/share/talp");
    EXPECT_EQ(found.writableSetting("talp.ini"), home / ".config/talp/talp.ini");
}

TEST_F(InstallationTest, TheInstalledDataIsFoundBesideTheExecutableThenAtThePrefixThenInTheXdgDataDirs)
{
    const fs::path system = installationData(root / "usr/share/talp");
    const fs::path configured = installationData(root / "configured/share/talp");
    const fs::path relative = installationData(root / "staged/share/talp");
    env.set("XDG_DATA_DIRS", (root / "empty").string() + ":" + (root / "usr/share").string());
    const InstallLayout configuredLayout{"../share/talp", configured};

    EXPECT_EQ(locateInstallation(root / "staged/bin/talp", configuredLayout).programDir, relative);
    EXPECT_EQ(locateInstallation(root / "moved/bin/talp", configuredLayout).programDir, configured);
    EXPECT_EQ(locateInstallation(root / "moved/bin/talp", layout).programDir, system);
}

TEST_F(InstallationTest, AFolderWithAUsersSavedPresetsIsNoInstallation)
{
    // The user's data folder holds presets the program wrote, never the backup.
    fs::create_directories(home / ".local/share/talp/sys");
    std::ofstream(home / ".local/share/talp/sys/TalpPre.tlp") << "own presets";
    const fs::path system = installationData(root / "usr/share/talp");
    env.set("XDG_DATA_DIRS", (home / ".local/share").string() + ":" + (root / "usr/share").string());
    EXPECT_EQ(locateInstallation(root / "bin/talp", layout).programDir, system);
}

TEST_F(InstallationTest, WithoutDataAnywhereTheProgramLooksBesideItself)
{
    fs::create_directories(root / "lonely");
    const Installation found = locateInstallation(root / "lonely/talp", layout);
    EXPECT_EQ(found.programDir, root / "lonely");
    EXPECT_EQ(found.writableDir, root / "lonely");
}

TEST_F(InstallationTest, TheUsersPresetsWinAndTheInstallationKeepsTheBackup)
{
    const fs::path share = installationData(prefix / "share/talp");
    const Installation found = locateInstallation(prefix / "bin/talp", layout);
    EXPECT_EQ(contents(found.readable("sys/TalpPre.tlp")), "installed presets");

    std::ofstream(found.writable("sys/TalpPre.tlp")) << "own presets";
    EXPECT_EQ(contents(found.readable("sys/TalpPre.tlp")), "own presets");
    EXPECT_EQ(contents(found.readable("sys/TalpPre.sav")), "installed backup");
    EXPECT_EQ(contents(share / "sys/TalpPre.tlp"), "installed presets");
}

TEST_F(InstallationTest, TheUsersSettingsWinOverTheInstallationsDefault)
{
    const fs::path share = installationData(prefix / "share/talp");
    const Installation found = locateInstallation(prefix / "bin/talp", layout);
    EXPECT_EQ(found.readableSetting("talp.ini"), share / "sys/talp.ini");

    std::ofstream(found.writableSetting("talp.ini")) << "EN\n";
    EXPECT_EQ(found.readableSetting("talp.ini"), home / ".config/talp/talp.ini");
}

TEST_F(InstallationTest, AnInstallationGivenByItsFoldersKeepsItsSettingsInTheWritableSys)
{
    // As the windows' tests build it: one folder for everything.
    const Installation given{root / "inst", root / "writable", {}};
    EXPECT_EQ(given.writableSetting("RList"), root / "writable/sys/RList");
    EXPECT_EQ(given.readableSetting("talp.ini"), root / "inst/sys/talp.ini");
}

}  // namespace
}  // namespace talp
