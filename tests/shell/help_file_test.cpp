// The help of both languages: a topic for every context number the program asks for.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "shell/help_contexts.h"
#include "shell/help_file.h"
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

TEST(HelpFile, TheMissingFileMessageNamesThePathLookedFor)
{
    EXPECT_EQ(helpFileMissingMessage("/opt/talp/sys/talp_e.html"), "Hilfe-Datei nicht gefunden\n/opt/talp/sys/talp_e.html");
    EXPECT_EQ(helpFilePath(Installation{"/opt/talp", "/tmp"}, Language::German), "/opt/talp/sys/talp_d.html");
    EXPECT_EQ(helpFilePath(Installation{"/opt/talp", "/tmp"}, Language::English), "/opt/talp/sys/talp_e.html");
}

}  // namespace
}  // namespace talp
