#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <limits>

#include "files/extended_real.h"
#include "files/project_file.h"
#include "files/record_upgrade.h"
#include "files/safe_write.h"
#include "temp_dir.h"

namespace talp {
namespace {

using testing::TempDir;
using Bytes = std::vector<unsigned char>;

// The content of an old file of `project`: version 0.93 drops the basement values after
// the tag field; 0.92 also holds the radius in the diameter's place; an untagged file
// is a 0.92 file without its tag field.
Bytes oldFile(const Project& project, RecordVersion version)
{
    const RecordBytes current = encodeProject(project);
    Bytes old(current.size() - 20);
    std::copy(current.begin(), current.begin() + 24, old.begin());
    std::copy(current.begin() + 44, current.end(), old.begin() + 24);
    const std::string tag = version == RecordVersion::V093 ? "TALP 0.93" : "TALP 0.92";
    std::copy(tag.begin(), tag.end(), old.begin() + 1);
    if (version != RecordVersion::V093) writeExtended(&old[38], project.get(Param::rohrdurchmesser) / 2);
    if (version == RecordVersion::Untagged) old.erase(old.begin(), old.begin() + 24);
    return old;
}

Project sample()
{
    Project p;
    p.set(Param::rohrdurchmesser, 351);
    p.set(Param::rohrlnge, 64.3L);
    p.set(Param::kellerinnentemp, 11);
    p.set(Param::kellerkwert, 2.5L);
    p.erdreich = "Tonboden";
    return p;
}

std::string tagOf(const Bytes& b) { return std::string(b.begin() + 1, b.begin() + 10); }

TEST(ProjectFileUpgrade, Version093GetsTheBasementDefaults)
{
    TempDir dir;
    const auto file = dir.writeBytes("old.tlp", oldFile(sample(), RecordVersion::V093));
    ASSERT_EQ(TempDir::read(file).size(), 3932u);
    const ProjectFileLoad load = loadProjectFile(file);
    ASSERT_TRUE(load.ok) << load.fault;
    EXPECT_EQ(load.upgrade, UpgradeResult::Upgraded);
    EXPECT_EQ(load.version, RecordVersion::V093);
    EXPECT_EQ(load.project.get(Param::kellerinnentemp), 20.0L);
    EXPECT_EQ(load.project.get(Param::kellerkwert), 0.8L);
    EXPECT_EQ(load.project.get(Param::rohrdurchmesser), 351);
    EXPECT_EQ(load.project.get(Param::rohrlnge), 64.3L);
    EXPECT_EQ(load.project.erdreich, "Tonboden");
    const Bytes after = TempDir::read(file);
    EXPECT_EQ(after.size(), 3952u);
    EXPECT_EQ(tagOf(after), "TALP 1.00");
}

TEST(ProjectFileUpgrade, Version092HoldsTheRadius)
{
    TempDir dir;
    const auto file = dir.writeBytes("old.tlp", oldFile(sample(), RecordVersion::V092));
    const ProjectFileLoad load = loadProjectFile(file);
    ASSERT_TRUE(load.ok) << load.fault;
    EXPECT_EQ(load.project.get(Param::rohrdurchmesser), 351);
    EXPECT_EQ(load.project.get(Param::kellerinnentemp), 20.0L);
}

TEST(ProjectFileUpgrade, AnUntaggedFileBecomes092Then100)
{
    TempDir dir;
    const Bytes old = oldFile(sample(), RecordVersion::Untagged);
    ASSERT_EQ(old.size(), 3908u);
    const auto file = dir.writeBytes("old.tlp", old);
    ASSERT_EQ(upgradeProjectFile(file), UpgradeResult::Upgraded);
    const Bytes after = TempDir::read(file);
    ASSERT_EQ(after.size(), 3952u);
    EXPECT_EQ(after[0], 9);
    EXPECT_EQ(tagOf(after), "TALP 1.00");
    for (std::size_t i = 10; i < 24; ++i) EXPECT_EQ(after[i], 0) << i;  // the 0.92 tag field's padding
    EXPECT_EQ(readExtended(&after[24]), 20.0L);
    EXPECT_EQ(readExtended(&after[34]), 0.8L);
    EXPECT_EQ(readExtended(&after[58]), 351.0L);  // twice the stored radius
    EXPECT_TRUE(std::equal(old.begin() + 24, old.end(), after.begin() + 68));
    EXPECT_EQ(upgradeProjectFile(file), UpgradeResult::Current);
}

TEST(ProjectFileUpgrade, TheSafeUpgradeWritesTheBytesOfTheInPlaceOne)
{
    TempDir dir;
    const Bytes old = oldFile(sample(), RecordVersion::V093);
    const auto file = dir.writeBytes("old.tlp", old);
    ::chmod(file.c_str(), 0640);
    ASSERT_EQ(upgradeProjectFile(file), UpgradeResult::Upgraded);
    // In place: the tag field as read with the new tag, the two basement values, the rest.
    Bytes expected(old.size() + 20);
    std::copy(old.begin(), old.begin() + 24, expected.begin());
    writeExtended(&expected[24], 20.0L);
    writeExtended(&expected[34], 0.8L);
    std::copy(old.begin() + 24, old.end(), expected.begin() + 44);
    const std::string tag = "TALP 1.00";
    std::copy(tag.begin(), tag.end(), expected.begin() + 1);
    EXPECT_EQ(TempDir::read(file), expected);
    struct stat st {};
    ::stat(file.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // Nothing is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(ProjectFileUpgrade, FilesThatWouldNotBecomeARecordAreLeftAlone)
{
    TempDir dir;
    Bytes shortOld = oldFile(sample(), RecordVersion::V093);
    shortOld.resize(3000);
    const auto shortFile = dir.writeBytes("short.tlp", shortOld);
    EXPECT_EQ(upgradeProjectFile(shortFile), UpgradeResult::NotUpgraded);
    EXPECT_EQ(TempDir::read(shortFile), shortOld);

    const auto text = dir.write("notes.tlp", std::string(5000, 'a'));
    const ProjectFileLoad load = loadProjectFile(text);
    EXPECT_FALSE(load.ok);
    EXPECT_EQ(load.upgrade, UpgradeResult::NotUpgraded);
    EXPECT_EQ(TempDir::read(text).size(), 5000u);
    EXPECT_EQ(upgradeProjectFile(dir / "missing.tlp"), UpgradeResult::NotUpgraded);
}

// Tests run as the administrator, whom file permissions do not stop: the write path
// refuses a file without any write permission by its own check, as it does for everyone.
TEST(ProjectFileReadOnly, AnOldReadOnlyFileIsNotUpgradedAndDoesNotLoad)
{
    TempDir dir;
    const Bytes old = oldFile(sample(), RecordVersion::V093);
    const auto file = dir.writeBytes("old.tlp", old);
    ::chmod(file.c_str(), 0444);
    EXPECT_FALSE(mayReplaceFile(file));
    const ProjectFileLoad load = loadProjectFile(file);
    EXPECT_EQ(load.upgrade, UpgradeResult::NotUpgraded);
    EXPECT_FALSE(load.ok);
    EXPECT_NE(load.fault.technical().find("TALP 0.93"), std::string::npos) << load.fault;
    EXPECT_EQ(TempDir::read(file), old);
}

TEST(ProjectFileReadOnly, ACurrentReadOnlyFileLoadsUnchanged)
{
    TempDir dir;
    Project p = sample();
    const auto file = dir / "current.tlp";
    ASSERT_FALSE(saveProjectFile(file, p));
    ::chmod(file.c_str(), 0444);
    const Bytes before = TempDir::read(file);
    const ProjectFileLoad load = loadProjectFile(file);
    ASSERT_TRUE(load.ok) << load.fault;
    EXPECT_EQ(load.project.get(Param::kellerinnentemp), 11);
    EXPECT_EQ(TempDir::read(file), before);
    // Saving over it fails and leaves the project modified.
    p.modified = true;
    EXPECT_TRUE(saveProjectFile(file, p));
    EXPECT_TRUE(p.modified);
}

// Runs `work` as a user who may write `file` but not the folder it lies in: as the
// administrator (who may write any folder) in a child process of an ordinary user, else with
// the folder's write permission taken away. `work` runs with files no larger than
// `maxFileSize` bytes when it is given. True when `work` returned true.
bool inAFolderTheUserCannotWrite(const std::filesystem::path& file, const std::function<bool()>& work,
                                 rlim_t maxFileSize = RLIM_INFINITY)
{
    const std::filesystem::path dir = file.parent_path();
    if (::geteuid() != 0) {
        ::chmod(dir.c_str(), 0555);
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limited{maxFileSize, saved.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &limited);
        const bool ok = work();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        ::chmod(dir.c_str(), 0755);
        return ok;
    }
    constexpr uid_t kNobody = 65534;
    ::chmod(dir.c_str(), 0755);
    if (::chown(file.c_str(), kNobody, kNobody) != 0) return false;
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit limited{maxFileSize, maxFileSize};
        std::signal(SIGXFSZ, SIG_IGN);
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0 || ::setrlimit(RLIMIT_FSIZE, &limited) != 0) ::_exit(2);
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(ProjectFileSave, AWritableFileInAFolderThatCannotBeWrittenIsSavedAndUpgradedInPlace)
{
    TempDir dir;
    const auto file = dir / "shared.tlp";
    Project p = sample();
    ASSERT_FALSE(saveProjectFile(file, p));
    p.set(Param::rohranzahl, 7);
    EXPECT_TRUE(inAFolderTheUserCannotWrite(file, [&] { return !saveProjectFile(file, p); }));
    EXPECT_EQ(loadProjectFile(file).project.getInt(Param::rohranzahl), 7);
    EXPECT_EQ(std::filesystem::directory_iterator(dir.path())->path(), file);  // nothing left beside it

    const auto old = dir.writeBytes("old.tlp", oldFile(sample(), RecordVersion::V093));
    EXPECT_TRUE(inAFolderTheUserCannotWrite(old, [&] { return loadProjectFile(old).ok; }));
    EXPECT_EQ(tagOf(TempDir::read(old)), "TALP 1.00");
    EXPECT_EQ(TempDir::read(old).size(), kRecordSize);
}

TEST(ProjectFileSave, AnInPlaceWriteThatFailsPutsTheOldBytesBack)
{
    // The upgrade of a 0.93 file lengthens it by the basement values; a disk that takes no
    // more than the old length fails the write half way.
    TempDir dir;
    const Bytes before = oldFile(sample(), RecordVersion::V093);
    const auto old = dir.writeBytes("old.tlp", before);
    EXPECT_FALSE(inAFolderTheUserCannotWrite(old, [&] { return loadProjectFile(old).upgrade == UpgradeResult::Upgraded; },
                                             before.size() + 8));
    EXPECT_EQ(TempDir::read(old), before);
}

TEST(ProjectFileSave, SaveThenLoadGivesTheProjectBack)
{
    TempDir dir;
    Project p = sample();
    p.modified = true;
    const auto file = dir / "project.tlp";
    ASSERT_FALSE(saveProjectFile(file, p));
    EXPECT_FALSE(p.modified);
    EXPECT_EQ(TempDir::read(file).size(), kRecordSize);
    const ProjectFileLoad load = loadProjectFile(file);
    ASSERT_TRUE(load.ok) << load.fault;
    EXPECT_EQ(load.project, p);
    EXPECT_EQ(load.upgrade, UpgradeResult::Current);
}

TEST(ProjectFileSave, FaultsNameTheFileAndTheCauseInBothLanguages)
{
    TempDir dir;
    Project p = sample();
    const auto missing = dir / "gone" / "haus.tlp";
    const auto fault = saveProjectFile(missing, p);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FileFault::Kind::FolderNotWritable);
    EXPECT_EQ(fault->message(Language::German), "In diesen Ordner kann nicht geschrieben werden:\n" +
                                                    (dir / "gone").string() + "\nDer Ordner oder die Datei existiert nicht.");
    EXPECT_EQ(fault->message(Language::English), "This folder cannot be written to:\n" + (dir / "gone").string() +
                                                     "\nThe folder or the file does not exist.");

    const ProjectFileLoad load = loadProjectFile(dir / "nowhere.tlp");
    EXPECT_EQ(load.fault.message(Language::German), "Die Datei kann nicht gelesen werden:\n" + (dir / "nowhere.tlp").string());
    const auto old = dir.writeBytes("old.tlp", oldFile(sample(), RecordVersion::V092));
    ::chmod(old.c_str(), 0444);
    EXPECT_EQ(loadProjectFile(old).fault.message(Language::English),
              "The file of an older TALP version cannot be upgraded where it lies:\n" + old.string() + " (TALP 0.92)");
}

TEST(ProjectFileSave, ALinkedProjectIsWrittenThroughItsLink)
{
    TempDir dir;
    Project p = sample();
    const auto real = dir / "real.tlp";
    ASSERT_FALSE(saveProjectFile(real, p));
    std::filesystem::create_symlink(real, dir / "link.tlp");
    p.set(Param::rohranzahl, 9);
    ASSERT_FALSE(saveProjectFile(dir / "link.tlp", p));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.tlp"));
    EXPECT_EQ(loadProjectFile(real).project.getInt(Param::rohranzahl), 9);
}

TEST(ProjectFileLoad, ShortAndUnsoundFilesFailWithoutTouchingThem)
{
    TempDir dir;
    const RecordBytes good = encodeProject(sample());
    Bytes shortFile(good.begin(), good.end() - 1);
    const auto file = dir.writeBytes("short.tlp", shortFile);
    const ProjectFileLoad load = loadProjectFile(file);
    EXPECT_FALSE(load.ok);
    EXPECT_NE(load.fault.technical().find("shorter"), std::string::npos);
    EXPECT_EQ(TempDir::read(file), shortFile);

    Bytes badLength(good.begin(), good.end());
    badLength[3028 + 1] = 250;
    EXPECT_FALSE(loadProjectFile(dir.writeBytes("length.tlp", badLength)).ok);
    EXPECT_FALSE(loadProjectFile(dir / "none.tlp").ok);
    EXPECT_FALSE(loadProjectFile(dir.path()).ok);
    // Bytes after the record are ignored.
    Bytes longer(good.begin(), good.end());
    longer.resize(5000, 0xEE);
    EXPECT_TRUE(loadProjectFile(dir.writeBytes("longer.tlp", longer)).ok);
}

}  // namespace
}  // namespace talp

namespace talp {
namespace {

long double doubled(long double v)
{
    ExtendedBytes b = encodeExtended(v);
    doubleExtendedInPlace(b.data());
    return decodeExtended(b);
}

TEST(RadiusDoubling, ExactOverTheWholeRange)
{
    EXPECT_EQ(doubled(250.0L), 500.0L);
    EXPECT_EQ(doubled(-0.1L), -0.2L);
    EXPECT_EQ(doubled(0.0L), 0.0L);
    EXPECT_TRUE(std::signbit(doubled(-0.0L)));
    const long double smallest = std::numeric_limits<long double>::denorm_min();
    EXPECT_EQ(doubled(smallest), 2 * smallest);
    const long double largestDenormal = std::numeric_limits<long double>::min() - smallest;
    EXPECT_EQ(doubled(largestDenormal), 2 * largestDenormal);  // becomes a normal number
    EXPECT_TRUE(std::isinf(doubled(std::numeric_limits<long double>::max())));
    EXPECT_TRUE(std::isnan(doubled(std::numeric_limits<long double>::quiet_NaN())));
    // A pseudo-denormal doubles like the normal number of the same value.
    ExtendedBytes pseudo{0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0};
    const long double value = decodeExtended(pseudo);
    doubleExtendedInPlace(pseudo.data());
    EXPECT_EQ(decodeExtended(pseudo), 2 * value);
}

}  // namespace
}  // namespace talp
