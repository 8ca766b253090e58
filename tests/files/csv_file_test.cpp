#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "csv_reading.h"
#include "files/csv_file.h"
#include "temp_dir.h"

namespace talp {
namespace {

using testing::readCsv;

CsvTable sample()
{
    return {{"Name", "Länge in m", "Preis in €"},
            {{csvText("a;b, \"c\""), csvNumber(40.25L), csvNumber(1234.5L, 2)},
             {csvText("zwei\r\nZeilen"), csvNumber(-0.000125L), csvEmpty()}}};
}

TEST(CsvFile, SeparatorsAndDecimalMarkFollowTheLanguageAndTextsSurviveQuoting)
{
    for (const Language language : {Language::German, Language::English}) {
        const std::string text = csvText(sample(), language);
        const auto rows = readCsv(text, language);
        ASSERT_EQ(rows.size(), 3u) << text;
        EXPECT_EQ(rows[0], (std::vector<std::string>{"Name", "Länge in m", "Preis in €"}));
        EXPECT_EQ(rows[1][0], "a;b, \"c\"");
        EXPECT_EQ(rows[2][0], "zwei\r\nZeilen");
        EXPECT_EQ(rows[2][2], "");
        const char* mark = language == Language::German ? "," : ".";
        EXPECT_EQ(rows[1][1], std::string("40") + mark + "25");
        EXPECT_EQ(rows[1][2], std::string("1234") + mark + "50");
        long double value = 0;
        ASSERT_TRUE(testing::csvNumberIn(rows[2][1], language, value)) << rows[2][1];
        EXPECT_EQ(value, -0.000125L);
        // Every line ends with CR LF, the last one too.
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    }
}

TEST(CsvFile, IsWrittenWholeOrNotAtAll)
{
    testing::TempDir dir;
    const auto file = dir / "tabelle.csv";
    ASSERT_FALSE(writeCsvFile(file, sample(), Language::English));
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), csvText(sample(), Language::English));
    const auto fault = writeCsvFile(dir / "fehlt" / "tabelle.csv", sample(), Language::English);
    ASSERT_TRUE(fault);
    EXPECT_FALSE(std::filesystem::exists(dir / "fehlt"));
}

}  // namespace
}  // namespace talp
