// The annual hours and the daily profile as CSV: parsed back with the separator rules of
// each language, every number reads as a number and holds the result it stands for.

#include <gtest/gtest.h>

#include "../files/csv_reading.h"
#include "evaluation/evaluation_csv.h"

namespace talp {
namespace {

using testing::csvNumberIn;
using testing::readCsv;

long double numberOf(const std::string& field, Language language)
{
    long double value = 0;
    EXPECT_TRUE(csvNumberIn(field, language, value)) << "'" << field << "' is no number";
    return value;
}

TEST(EvaluationCsv, AnnualHoursReadBackAsTheResults)
{
    SimulationResults r;
    r.HourlyAirFlow(183, 13) = 250.5L;
    r.HourlyOutdoorTemp(183, 13) = 10.125L;
    r.HourlyOutletTemp(183, 13) = 13.0625L;
    r.HourlyHeatGain(183, 13) = 0.25L;
    r.HourlyFanPower(183, 13) = 12.5L;
    r.HourlyOutdoorTemp(1, 1) = -7.75L;
    std::vector<long double> condensate(kHoursPerYear, 0.0L);
    condensate[182 * 24 + 12] = 0.0125L;

    for (const Language language : {Language::German, Language::English}) {
        for (const bool known : {true, false}) {
            const auto rows = readCsv(csvText(annualCsvTable(r, known ? std::optional(condensate) : std::nullopt, language),
                                              language),
                                      language);
            ASSERT_EQ(rows.size(), 1u + kHoursPerYear);
            const std::size_t columns = known ? 10u : 9u;
            for (const auto& row : rows) ASSERT_EQ(row.size(), columns);
            EXPECT_EQ(rows[0][0], language == Language::German ? "Monat" : "Month");
            if (known) {
                EXPECT_EQ(rows[0][9], language == Language::German ? "Kondensat in kg/h" : "Condensate in kg/h");
            }
            // 2 July, 13:00 is line 182 * 24 + 13.
            const auto& july = rows[182 * 24 + 13];
            const std::vector<long double> expected{7, 2, 13, 1, 250.5L, 10.125L, 13.0625L, 0.25L, 12.5L, 0.0125L};
            for (std::size_t c = 0; c < columns; ++c) EXPECT_EQ(numberOf(july[c], language), expected[c]) << c;
            EXPECT_EQ(numberOf(rows[1][5], language), -7.75L);
            EXPECT_EQ(numberOf(rows[1][3], language), 0);  // off
            EXPECT_EQ(numberOf(rows[kHoursPerYear][1], language), 31);
            for (std::size_t line = 1; line < rows.size(); line += 97)
                for (const std::string& field : rows[line]) numberOf(field, language);
        }
    }
}

TEST(EvaluationCsv, DailyProfileHasOneLinePerSegment)
{
    SimulationResults r;
    for (int s = 1; s <= kSegments; ++s) {
        r.DayAirTemp(15, s) = 20 - s * 0.25L;
        r.DayHeatFluxDensity(15, s) = -12.5L;
    }
    for (const Language language : {Language::German, Language::English}) {
        const auto rows = readCsv(csvText(dailyCsvTable(r, {2, 6, 15}, 40, language), language), language);
        ASSERT_EQ(rows.size(), 1u + kSegments);
        EXPECT_EQ(rows[0][1], language == Language::German ? "EWT-Rohrlänge in m" : "EHX pipe length in m");
        EXPECT_EQ(numberOf(rows[50][0], language), 50);
        EXPECT_EQ(numberOf(rows[50][1], language), 20);
        EXPECT_EQ(numberOf(rows[50][2], language), 7.5L);
        EXPECT_EQ(numberOf(rows[100][5], language), -12.5L);
    }
}

}  // namespace
}  // namespace talp
