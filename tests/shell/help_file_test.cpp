// The help of both languages: a topic for every context number the program asks for, and
// texts that say what the program and its data do.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "shell/help_contexts.h"
#include "shell/help_file.h"
#include "shell/menu_items.h"
#include "shell/topics.h"

namespace talp {
namespace {

// Every context number a window, a control or a dialog of the program opens.
constexpr int kContexts[] = {
    100,  700,  701,  702,  703,  704,  705,  706,  707,  800,  801,  802,  803,  804,  805,  900,
    902,  903,  904,  905,  906,  907,  908,  909,  910,  911,  1000, 1002, 1003, 1004, 1005, 1006,
    1008, 1009, 1010, 1011, 1012, 1013, 1015, 1018, 1100, 1102, 1103, 1104, 1105, 1106, 1108, 1109,
    1110, 1112, 1113, 1114, 1200, 1204, 1205, 1300, 1301, 1302, 1304, 1307, 1308, 1400, 1402,
    kHelpWeatherImport, kHelpCondensation};

std::string helpText(Language language)
{
    // The tests run beside the installation data, as the program does.
    std::ifstream in(helpFilePath(Installation{".", "."}, language));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool hasTopic(const std::string& help, int context)
{
    return help.find("<a name=\"" + std::to_string(context) + "\"></a>") != std::string::npos;
}

// The help with its whitespace collapsed, as the help viewer shows it.
std::string collapsed(const std::string& help)
{
    std::string text;
    for (char c : help) {
        if (c != ' ' && c != '\n' && c != '\r') text += c;
        else if (!text.empty() && text.back() != ' ') text += ' ';
    }
    return text;
}

// One topic: from its anchor to the next heading.
std::string topicText(const std::string& help, int context)
{
    const std::string text = collapsed(help);
    const std::size_t start = text.find("<a name=\"" + std::to_string(context) + "\"></a>");
    if (start == std::string::npos) return {};
    return text.substr(start, text.find("<h2>", start) - start);
}

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

std::string withoutAmpersand(std::string_view caption)
{
    std::string text(caption);
    std::erase(text, '&');
    return text;
}

TEST(HelpFile, BothLanguagesHaveATopicForEveryContextNumber)
{
    for (Language language : {Language::German, Language::English}) {
        const std::string help = helpText(language);
        ASSERT_FALSE(help.empty()) << helpFilePath(Installation{".", "."}, language);
        for (int context : kContexts) EXPECT_TRUE(hasTopic(help, context)) << context;
        // The contents page links every topic.
        for (int context : kContexts) {
            if (context == kHelpContents) continue;
            EXPECT_NE(help.find("href=\"#" + std::to_string(context) + "\""), std::string::npos) << context;
        }
    }
}

TEST(HelpFile, EveryWindowAndControlOfTheProgramOpensAWrittenTopic)
{
    const std::string german = helpText(Language::German);
    const std::string english = helpText(Language::English);
    for (const TopicSpec& window : topicTable()) {
        EXPECT_TRUE(hasTopic(german, window.helpContext)) << window.formName;
        EXPECT_TRUE(hasTopic(english, window.helpContext)) << window.formName;
    }
    const std::pair<const char*, const char*> controls[] = {
        {"ewtmenue", "verlegungstiefe"}, {"ewtmenue", "VentilatorNach"}, {"erdemenue", "Grundwassertiefe"},
        {"klimamenue", "plz"},           {"hlkmenue", "EWT_offset"},     {"kostenmenue", "wartungskosten_dm"},
        {"tageswmenue", "wrmefluss"},    {"optdetailsdlg", "Hilfe"}};
    for (const auto& [form, control] : controls) {
        const std::optional<int> context = controlHelpContext(form, control);
        ASSERT_TRUE(context) << control;
        EXPECT_TRUE(hasTopic(german, *context) && hasTopic(english, *context)) << control;
    }
}

// The simulation counts the first pipe in full and every further one at the share
// 1 − (1 − spacing / influence length)², so that pipes closer together gain less.
TEST(HelpFile, EveryFurtherPipeCountsAtItsShareNotLessByIt)
{
    const std::string german = topicText(helpText(Language::German), 704);
    EXPECT_NE(german.find("jedes weitere Rohr nur mit dem Anteil (1 − (1 − Abstand / Einflusslänge)²) seiner Leistung"),
              std::string::npos);
    EXPECT_NE(german.find("bei der halben Einflusslänge zum Beispiel zählt jedes weitere Rohr zu drei Vierteln"),
              std::string::npos);
    EXPECT_EQ(german.find("weniger"), std::string::npos);
    const std::string english = topicText(helpText(Language::English), 704);
    EXPECT_NE(english.find("every further pipe only at the share (1 − (1 − distance / influence length)²) of its output"),
              std::string::npos);
    EXPECT_NE(english.find("at half the influence length, for example, each further pipe counts three quarters"),
              std::string::npos);
    EXPECT_EQ(english.find("less by"), std::string::npos);
}

// The report is printed from the menu the contents name, in the menu's own words.
TEST(HelpFile, TheContentsNameTheReportByItsMenuPath)
{
    for (Language language : {Language::German, Language::English}) {
        const std::string path = withoutAmpersand(menuCaption(MenuItem::Datei1).in(language)) + " – " +
                                 withoutAmpersand(menuCaption(MenuItem::Drucken1).in(language)) + " – " +
                                 withoutAmpersand(menuCaption(MenuItem::GesamtesProjekt1).in(language));
        const std::string quoted = language == Language::German ? "„" + path + "“" : "\"" + path + "\"";
        EXPECT_NE(topicText(helpText(language), kHelpContents).find(quoted), std::string::npos) << quoted;
    }
}

// The installation's region and station years are generated from published monthly means,
// not test reference years: the climate topics say so and name where the figures come from.
// (Test reference years of the weather service a planner imports are another matter.)
TEST(HelpFile, RegionAndStationYearsAreCalledGeneratedWithTheSourcesOfTheirMonthlyFigures)
{
    const std::string german = helpText(Language::German);
    EXPECT_EQ(topicText(german, 900).find("Testreferenzjahr"), std::string::npos);
    EXPECT_NE(topicText(german, 900).find("generierte typische Jahre"), std::string::npos);
    const std::string region = topicText(german, 902);
    EXPECT_NE(region.find("Rechnet mit einem generierten typischen Jahr"), std::string::npos);
    // Test reference years only as the source of the monthly figures.
    EXPECT_EQ(occurrences(region, "Testreferenzjahr"), 1u);
    EXPECT_EQ(occurrences(region, "Testreferenzjahren 2015 des Deutschen Wetterdienstes (DWD)"), 1u);
    EXPECT_NE(region.find("Datei ATTRIBUTION"), std::string::npos);
    EXPECT_EQ(region.find("realistisch enthalten"), std::string::npos);

    const std::string english = helpText(Language::English);
    EXPECT_EQ(topicText(english, 900).find("test reference year"), std::string::npos);
    EXPECT_NE(topicText(english, 900).find("are generated typical years"), std::string::npos);
    const std::string regionEn = topicText(english, 902);
    EXPECT_NE(regionEn.find("Calculates with a generated typical year"), std::string::npos);
    EXPECT_EQ(occurrences(regionEn, "test reference year"), 1u);
    EXPECT_EQ(occurrences(regionEn, "test reference years 2015 of the German Meteorological Service (DWD)"), 1u);
    EXPECT_NE(regionEn.find("file ATTRIBUTION"), std::string::npos);
    EXPECT_EQ(regionEn.find("contained realistically"), std::string::npos);
}

TEST(HelpFile, TheMissingFileMessageNamesThePathLookedFor)
{
    EXPECT_EQ(helpFileMissingMessage("/opt/talp/sys/talp_e.html"), "Hilfe-Datei nicht gefunden\n/opt/talp/sys/talp_e.html");
    EXPECT_EQ(helpFilePath(Installation{"/opt/talp", "/tmp"}, Language::German), "/opt/talp/sys/talp_d.html");
    EXPECT_EQ(helpFilePath(Installation{"/opt/talp", "/tmp"}, Language::English), "/opt/talp/sys/talp_e.html");
}

}  // namespace
}  // namespace talp
