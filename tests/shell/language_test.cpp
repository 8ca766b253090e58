#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "shell/help_contexts.h"
#include "shell/lang_haupt.h"
#include "shell/language_setting.h"
#include "shell/menu_items.h"
#include "shell/topics.h"

namespace talp {
namespace {

namespace fs = std::filesystem;

class LanguageSettings : public ::testing::Test {
protected:
    void TearDown() override { fs::remove(ini); }
    std::string firstLine() const
    {
        std::ifstream in(ini);
        std::string line;
        std::getline(in, line);
        return line;
    }
    fs::path ini = fs::temp_directory_path() / "talp_ini_test";
};

TEST_F(LanguageSettings, WithoutSettingsFileTheLanguageStaysUnsettledAndTheFirstChoiceTakesEffect)
{
    LanguageState state;
    EXPECT_FALSE(settleLanguageFromSettings(state, ini));
    EXPECT_FALSE(chooseLanguage(state, Language::English, ini));
    EXPECT_TRUE(state.settled);
    EXPECT_EQ(state.language, Language::English);
    EXPECT_EQ(firstLine(), "EN");
}

TEST_F(LanguageSettings, ALaterChoiceAsksForARestartKeepsTheRunsLanguageAndIsStoredForTheNextStart)
{
    std::ofstream(ini) << "EN\n";
    LanguageState state;
    ASSERT_TRUE(settleLanguageFromSettings(state, ini));
    ASSERT_EQ(state.language, Language::English);
    EXPECT_TRUE(chooseLanguage(state, Language::German, ini));
    EXPECT_EQ(state.language, Language::English);
    EXPECT_EQ(firstLine(), "DE");

    LanguageState nextStart;
    settleLanguageFromSettings(nextStart, ini);
    EXPECT_EQ(nextStart.language, Language::German);
}

TEST_F(LanguageSettings, AnythingButENMeansGermanAndASettledLanguageIsNotReadAgain)
{
    std::ofstream(ini) << "english\n";
    LanguageState state;
    ASSERT_TRUE(settleLanguageFromSettings(state, ini));
    EXPECT_EQ(state.language, Language::German);

    std::ofstream(ini) << "EN\r\n";
    EXPECT_EQ(readLanguageSetting(ini), Language::English);
    settleLanguageFromSettings(state, ini);
    EXPECT_EQ(state.language, Language::German);
}

TEST(LangHaupt, FixedRowsAndTheMenuCaptionsSitAtTheirIndices)
{
    EXPECT_EQ(TLang_Haupt(haupt::kUnnamedTitle, Language::English), "TALP - [unnamed]");
    EXPECT_EQ(TLang_Haupt(haupt::kCommandLineFileMissing, Language::German),
              "Datei nicht gefunden oder defekt. TALP-Voreinstellungen werden geöffnet.");
    EXPECT_EQ(TLang_Haupt(88, Language::English), "calculating...");
    EXPECT_EQ(TLang_Haupt(112, Language::German), "&Datei");
    EXPECT_EQ(TLang_Haupt(147, Language::German), "Inf&o");
    EXPECT_EQ(menuCaption(MenuItem::ffnen1).de, "Ö&ffnen");
    EXPECT_EQ(menuCaption(MenuItem::Speichernunter1).en, "Save as ...");
    EXPECT_EQ(menuCaption(MenuItem::Kaskade1).en, "Cascade");
    EXPECT_EQ(menuCaption(MenuItem::Wirtschaftlichkeit2).de, "Koste&n");
}

TEST(MenuTable, EveryItemHasACaptionInBothLanguagesAndHangsUnderASubmenu)
{
    std::set<std::string_view> names;
    for (const MenuItemSpec& item : menuTable()) {
        EXPECT_FALSE(menuCaption(item.id).de.empty()) << item.name;
        EXPECT_FALSE(menuCaption(item.id).en.empty()) << item.name;
        EXPECT_TRUE(names.insert(item.name).second) << item.name;
        if (item.parent) {
            EXPECT_TRUE(menuItem(*item.parent).submenu) << item.name;
        }
    }
    EXPECT_EQ(menuItem(MenuItem::GesamtesProjekt1).shortcut, "Ctrl+P");
}

TEST(Topics, ViewAndWindowItemsShareTheirCaptionsAndFormsHaveTheirHelpBlocks)
{
    for (const TopicSpec& t : topicTable()) {
        EXPECT_EQ(menuCaption(t.viewItem).de, menuCaption(t.windowItem).de);
        EXPECT_EQ(menuCaption(t.viewItem).en, menuCaption(t.windowItem).en);
        EXPECT_EQ(t.helpContext % 100, 0);
    }
    EXPECT_EQ(controlHelpContext("ewtmenue", "VentilatorNach"), 707);
    EXPECT_EQ(controlHelpContext("kostenmenue", "wartungskosten_dm"), 1105);
    EXPECT_EQ(controlHelpContext("erdemenue", "rohranzahl"), std::nullopt);
}

}  // namespace
}  // namespace talp
