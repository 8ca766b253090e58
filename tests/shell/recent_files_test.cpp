#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "shell/recent_files.h"
#include "shell/window_title.h"

namespace talp {
namespace {

RecentFiles listOf(std::initializer_list<const char*> paths)
{
    RecentFiles files;
    int i = 1;
    for (const char* p : paths) files.setEntry(i++, p);
    return files;
}

TEST(RecentFiles, SavingEntryThreeAgainMovesItToTheTopAndKeepsFourAndFive)
{
    RecentFiles files = listOf({"/p/a.tlp", "/p/b.tlp", "/p/c.tlp", "/p/d.tlp", "/p/e.tlp"});
    files.add("/p/c.tlp");
    EXPECT_EQ(files, listOf({"/p/c.tlp", "/p/a.tlp", "/p/b.tlp", "/p/d.tlp", "/p/e.tlp"}));
}

TEST(RecentFiles, ASixthProjectDropsTheOldest)
{
    RecentFiles files = listOf({"/p/a.tlp", "/p/b.tlp", "/p/c.tlp", "/p/d.tlp", "/p/e.tlp"});
    files.add("/p/f.tlp");
    EXPECT_EQ(files, listOf({"/p/f.tlp", "/p/a.tlp", "/p/b.tlp", "/p/c.tlp", "/p/d.tlp"}));
}

TEST(RecentFiles, TheFirstEntrySavedAgainStaysAloneAtTheTop)
{
    RecentFiles files = listOf({"/p/a.tlp", "/p/b.tlp"});
    files.add("/p/a.tlp");
    EXPECT_EQ(files, listOf({"/p/a.tlp", "/p/b.tlp"}));
    files.add("/p/z.tlp");
    EXPECT_EQ(files, listOf({"/p/z.tlp", "/p/a.tlp", "/p/b.tlp"}));
}

TEST(RecentFiles, MenuCaptionsShowTheDigitAndTheFileNameOnlyAndEmptySlotsAreDisabled)
{
    const RecentFiles files = listOf({"/home/plan/Projekt Haus.tlp", ""});
    EXPECT_EQ(files.menuCaption(1), "&1 Projekt Haus.tlp");
    EXPECT_TRUE(files.enabled(1));
    EXPECT_EQ(files.menuCaption(2), "&2 ");
    EXPECT_FALSE(files.enabled(2));
}

TEST(RecentFiles, TheListFileHasFiveLinesAndReadsBack)
{
    const auto file = std::filesystem::temp_directory_path() / "talp_rlist_test";
    const RecentFiles files = listOf({"/p/ä.tlp", "", "/p/c.tlp"});
    ASSERT_TRUE(files.write(file));
    std::ifstream in(file);
    int lines = 0;
    for (std::string line; std::getline(in, line);) ++lines;
    EXPECT_EQ(lines, 5);
    RecentFiles read;
    read.read(file);
    EXPECT_EQ(read, files);
    std::filesystem::remove(file);

    read.read(file);  // missing now: every slot empty
    EXPECT_EQ(read, RecentFiles{});
}

TEST(RecentFiles, AListWithWindowsLineEndsAndExtraLinesReadsFiveEntries)
{
    const auto file = std::filesystem::temp_directory_path() / "talp_rlist_crlf";
    std::ofstream(file) << "/a.tlp\r\n/b.tlp\r\n\r\n\r\n/e.tlp\r\n/f.tlp\r\n";
    RecentFiles read;
    read.read(file);
    EXPECT_EQ(read, listOf({"/a.tlp", "/b.tlp", "", "", "/e.tlp"}));
    std::filesystem::remove(file);
}

TEST(WindowTitle, NamedProjectShowsItsFileNameAndAnUnnamedOneTheTitleOfTheLanguage)
{
    EXPECT_EQ(windowTitle("/home/plan/Schule.tlp", Language::German), "TALP - Schule.tlp");
    EXPECT_EQ(windowTitle("", Language::German), "TALP - [Unbenannt]");
    EXPECT_EQ(windowTitle("", Language::English), "TALP - [unnamed]");
}

}  // namespace
}  // namespace talp
