// The Pareto fronts of a search's records and their CSV file.

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "core/air_velocity.h"
#include "core/numeric.h"
#include "evaluation/economics.h"
#include "evaluation/front_csv.h"
#include "evaluation/trade_off.h"
#include "../files/csv_reading.h"

namespace talp {
namespace {

using Objectives = std::vector<std::pair<long double, long double>>;

// The front by its definition: no other point at least as good on both and better on one;
// of equal points the first.
std::vector<std::size_t> bruteForceFront(const Objectives& points)
{
    std::vector<std::size_t> front;
    for (std::size_t i = 0; i < points.size(); ++i) {
        bool beaten = false;
        for (std::size_t j = 0; j < points.size() && !beaten; ++j) {
            const bool asGood = points[j].first >= points[i].first && points[j].second >= points[i].second;
            const bool better = points[j].first > points[i].first || points[j].second > points[i].second;
            beaten = (asGood && better) || (j < i && points[j] == points[i]);
        }
        if (!beaten) front.push_back(i);
    }
    return front;
}

TEST(ParetoFront, IsExactlyTheNonDominatedSetOfRandomRecords)
{
    std::mt19937 random(5);
    for (int trial = 0; trial < 300; ++trial) {
        // Coarse values, so that ties on one objective and equal points come up often.
        const int size = static_cast<int>(random() % 60);
        const int levels = 2 + static_cast<int>(random() % 12);
        Objectives points;
        for (int i = 0; i < size; ++i)
            points.emplace_back(static_cast<long double>(random() % levels) * 0.5L, static_cast<long double>(random() % levels) * 100);
        std::vector<std::size_t> front = nonDominated(points);
        std::sort(front.begin(), front.end());
        ASSERT_EQ(front, bruteForceFront(points)) << "trial " << trial;
    }
}

TradeOffPoint point(int pipes, long double diameter, long double energy, long double rate)
{
    return {{Combination{pipes, 50, diameter, 2, 2, true}, energy, rate}, 0, 0, 0, false};
}

TEST(ParetoFront, ViewsOrderTheirFrontsAlongTheChartsXAxis)
{
    std::vector<TradeOffPoint> points{point(1, 100, 900, 9), point(2, 100, 1000, 8), point(3, 100, 1200, 4),
                                      point(4, 100, 1100, 3), point(5, 100, 800, 10)};
    const std::vector<long double> investment{500, 700, 650, 900, 600};
    for (std::size_t i = 0; i < points.size(); ++i) points[i].investment = investment[i];
    // Rate: 4 %/1200 kWh, 8 %/1000, 9 %/900, 10 %/800; the 3 %/1100 one is beaten.
    EXPECT_EQ(paretoFront(points, FrontView::RateAndEnergy), (std::vector<std::size_t>{2, 1, 0, 4}));
    // Investment: 500 €/900 kWh, 650 €/1200; 600 €/800, 700 €/1000 and 900 €/1100 are beaten.
    EXPECT_EQ(paretoFront(points, FrontView::InvestmentAndEnergy), (std::vector<std::size_t>{0, 2}));

    // A combination above the velocity limit stays off both fronts, and others take its place.
    points[2].aboveVelocityLimit = true;
    EXPECT_EQ(paretoFront(points, FrontView::RateAndEnergy), (std::vector<std::size_t>{3, 1, 0, 4}));
    EXPECT_EQ(paretoFront(points, FrontView::InvestmentAndEnergy), (std::vector<std::size_t>{0, 1, 3}));
    EXPECT_TRUE(paretoFront({}, FrontView::RateAndEnergy).empty());
}

TEST(ParetoFront, PointsArePricedAndTheFrontsCostedAgain)
{
    Project project;
    project.setExact(Param::heizpreis, 30);
    project.setExact(Param::khlpreis, 30);
    const auto costing = CombinationCosting::prepare(project, {});
    ASSERT_TRUE(costing);
    std::vector<CombinationRecord> records;
    for (long double length : {20.0L, 50.0L, 100.0L})
        for (long double diameter : {150.0L, 300.0L}) {
            const CostedCombination c = costing->cost({2, length, diameter, 2, 2, true});
            ASSERT_TRUE(c.ok);
            records.push_back(c.record);
        }
    OptimisationOptions options;
    options.exhaustive = true;
    options.maxAirVelocity = roundedAirVelocityLimit(3);  // leaves the 150 mm pipes out
    const TradeOff t = tradeOffOf(project, options, records, *costing);
    ASSERT_EQ(t.points.size(), records.size());
    for (std::size_t i = 0; i < t.points.size(); ++i) {
        const TradeOffPoint& p = t.points[i];
        EXPECT_EQ(p.recordNumber, static_cast<long long>(i));
        const CostedCombination again = costing->cost(p.record.geometry);
        EXPECT_EQ(p.investment, again.economics.Investition);
        EXPECT_EQ(p.airVelocity, airVelocity(1000, 2, p.record.geometry.diameter));
        EXPECT_EQ(p.aboveVelocityLimit, p.record.geometry.diameter == 150);
        const auto on = [i](const std::vector<std::size_t>& front) {
            return std::find(front.begin(), front.end(), i) != front.end();
        };
        EXPECT_EQ(t.payback[i].has_value(), on(t.rateFront) || on(t.investmentFront));
        if (t.payback[i]) {
            EXPECT_EQ(*t.payback[i], again.economics.Amortisationszeit);
        }
    }
    EXPECT_FALSE(t.rateFront.empty());
}

long double numberIn(const std::string& field, Language language)
{
    long double value = 0;
    EXPECT_TRUE(testing::csvNumberIn(field, language, value)) << field;
    return value;
}

TEST(FrontCsv, ParsesBackWithTheSeparatorOfItsLanguage)
{
    TradeOff t;
    t.points = {{{Combination{1, 75, 300, 1, 1.5L, true}, 12345.67L, 7.126L}, 0, 1234.5L, 1.2L, false},
                {{Combination{3, 200, 750, 7.5L, 0.7L, false}, 20000.04L, 3.5L}, 1, 98765.43L, 0.3L, false}};
    t.rateFront = {1, 0};
    t.payback = {8.26L, std::nullopt};
    for (const Language language : {Language::German, Language::English}) {
        const std::string csv = frontCsv(t, FrontView::RateAndEnergy, language);
        ASSERT_EQ(csv.substr(0, 3), std::string(kUtf8ByteOrderMark));
        const auto rows = testing::readCsv(csv, language);
        ASSERT_EQ(rows.size(), 3u);
        for (const auto& row : rows) ASSERT_EQ(row.size(), 10u);
        EXPECT_EQ(rows[0][1], language == Language::German ? "Rohrlänge in m" : "Pipe length in m");
        EXPECT_EQ(rows[0][9], language == Language::German ? "Investition in €" : "Investment in €");

        // The front's order: the 3.5 % point first.
        EXPECT_EQ(rows[1][0], "3");
        EXPECT_EQ(numberIn(rows[1][1], language), 200);
        EXPECT_EQ(numberIn(rows[1][3], language), 7.5L);
        EXPECT_EQ(numberIn(rows[1][4], language), 0.7L);
        EXPECT_EQ(rows[1][5], language == Language::German ? "nach EWT" : "after EHX");
        EXPECT_EQ(rows[1][8], "");  // no payback time costed
        EXPECT_NEAR(static_cast<double>(numberIn(rows[1][9], language)), 98765.43, 1e-9);

        EXPECT_EQ(rows[2][3], "");  // a single pipe has no spacing
        EXPECT_NEAR(static_cast<double>(numberIn(rows[2][6], language)), 12345.7, 1e-9);
        EXPECT_NEAR(static_cast<double>(numberIn(rows[2][7], language)), 7.13, 1e-9);
        EXPECT_NEAR(static_cast<double>(numberIn(rows[2][8], language)), 8.3, 1e-9);
        // Numbers carry no separator of the other language that a spreadsheet would misread.
        for (std::size_t r = 1; r < rows.size(); ++r)
            for (const std::string& field : rows[r])
                EXPECT_EQ(field.find(language == Language::German ? '.' : ','), std::string::npos) << field;
    }
    EXPECT_EQ(testing::readCsv(frontCsv(TradeOff{}, FrontView::InvestmentAndEnergy, Language::English), Language::English).size(), 1u);
}

}  // namespace
}  // namespace talp
