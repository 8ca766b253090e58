#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <unistd.h>

#include "evaluation/combination_view.h"
#include "evaluation/optimisation_log.h"
#include "evaluation/optimisation_search.h"
#include "tests/evaluation/search_ranges.h"

namespace talp {
namespace {

namespace fs = std::filesystem;

using testing::withRanges;

Combination combination(int pipes, long double length, long double diameter, long double spacing, long double depth,
                        bool fanBefore = true)
{
    return Combination{pipes, length, diameter, spacing, depth, fanBefore};
}

TEST(OptimisationCatalogue, TotalCountOfTheRanges)
{
    const Combination inRange = combination(2, 50, 500, 2, 2);
    EXPECT_EQ(totalCombinations(OptimisationOptions{}, inRange), 179872);
    OptimisationOptions before;
    before.fan = FanPosition::Before;
    EXPECT_EQ(totalCombinations(before, inRange), 89936);

    // One pipe only: depths × lengths × diameters, the spacing does not count.
    const auto single = withRanges({0, 0}, {0, 10}, {0, 13}, {0, 7}, {0, 7});
    EXPECT_EQ(totalCombinations(single, combination(1, 50, 500, 1, 2)), 8 * 11 * 14 * 2);
    EXPECT_EQ(totalCombinations(single, combination(1, 50, 500, 2.5L, 2)), 8 * 11 * 14 * 2);  // spacing unused

    // Two to four pipes, 3 lengths, 2 diameters, 4 spacings, 5 depths, after only.
    const auto several = withRanges({1, 3}, {2, 4}, {5, 6}, {2, 5}, {1, 5}, FanPosition::After);
    EXPECT_EQ(totalCombinations(several, combination(3, 10, 250, 2, 1, false)), 3 * 5 * 3 * 2 * 4);
    // The pipe form's geometry outside the ranges adds itself.
    EXPECT_EQ(totalCombinations(several, combination(3, 10, 250, 2.5L, 1, false)), 3 * 5 * 3 * 2 * 4 + 1);
    EXPECT_EQ(totalCombinations(several, combination(1, 10, 250, 2, 1, false)), 3 * 5 * 3 * 2 * 4 + 1);
    EXPECT_EQ(totalCombinations(several, combination(3, 10, 250, 2, 2.5L, false)), 3 * 5 * 3 * 2 * 4 + 1);
    // So does a fan before the exchanger, which a search of fans after it never draws.
    EXPECT_EQ(totalCombinations(several, combination(3, 10, 250, 2, 1, true)), 3 * 5 * 3 * 2 * 4 + 1);
}

TEST(OptimisationCatalogue, RangesAreOrderedAndRejectionsFollowTheGeometry)
{
    EXPECT_EQ(orderedRange(5, 2), (IndexRange{2, 5}));
    EXPECT_EQ(orderedRange(2, 5), (IndexRange{2, 5}));

    EXPECT_TRUE(rejectedByGeometry(combination(1, 10, 1000, 1, 0.5L), 20));   // radius reaches the depth
    EXPECT_FALSE(rejectedByGeometry(combination(1, 10, 750, 1, 0.5L), 20));
    EXPECT_TRUE(rejectedByGeometry(combination(1, 10, 500, 1, 2), 2.2L));     // bottom in the groundwater
    EXPECT_FALSE(rejectedByGeometry(combination(1, 10, 500, 1, 2), 2.25L));   // bottom at the water
}

TEST(OptimisationCatalogue, AShallowGroundwaterRefusesToStart)
{
    Project p;
    p.setExact(Param::Grundwassertiefe, 0.5L);
    EXPECT_EQ(groundwaterRefusal(p), "Grundwassertiefe zu gering! Benötigter Mindestwert: 0.51");
    p.setExact(Param::Grundwassertiefe, 0.6L);
    EXPECT_FALSE(groundwaterRefusal(p));
}

TEST(CombinationRecord, SixtyEightBytesLittleEndian)
{
    const CombinationRecord record{Combination{3, 75, 400, 2, 1.5L, false}, 12345.5L, -99};
    const CombinationBytes bytes = encodeRecord(record);
    EXPECT_EQ(bytes.size(), 68u);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[1] | bytes[2] | bytes[3], 0);
    // 75 = 1.171875 × 2^6: mantissa 0x9600..., exponent 16383 + 6.
    EXPECT_EQ(bytes[4 + 7], 0x96);
    EXPECT_EQ(bytes[4 + 8], 0x05);
    EXPECT_EQ(bytes[4 + 9], 0x40);
    EXPECT_EQ(bytes[44], 0);  // fan after
    EXPECT_EQ(bytes[45], 0);
    EXPECT_EQ(bytes[56 + 9], 0xC0);  // -99: the sign bit
    EXPECT_EQ(bytes[66] | bytes[67], 0);
    EXPECT_EQ(decodeRecord(bytes), record);
    EXPECT_EQ(encodeRecord({Combination{3, 75, 400, 2, 1.5L, true}, 0, 0})[44], 1);
}

TEST(OptimisationLog, LinesWithTheirFieldWidths)
{
    const CombinationRecord record{Combination{2, 50, 500, 2.5L, 2, true}, 12345.67L, 8.125L};
    EXPECT_EQ(optimisationLogLine(1, record, 5), "     1  2  50.0  500   5.00  2.5  2.0 0     12345.7   8.1 ");
    const CombinationRecord none{Combination{10, 200, 2000, 10, 10, false}, 0, -99};
    EXPECT_EQ(optimisationLogLine(179872, none, 80), "179872 10 200.0 2000  80.00 10.0 10.0 1         0.0  ---.- ");

    std::tm at{};
    at.tm_year = 126;
    at.tm_mon = 11;
    at.tm_mday = 8;
    at.tm_hour = 5;
    at.tm_min = 3;
    at.tm_sec = 9;
    const auto header = optimisationLogHeader(Language::German, at);
    ASSERT_EQ(header.size(), 17u);
    EXPECT_EQ(header[0], "TALP - Optimumberechnung -");
    EXPECT_EQ(header[2], "Berechnet am 08.12.2026 @ 05:03:09.");
    EXPECT_EQ(header[5], "Nr. der Variante");
    EXPECT_EQ(header[7], "Rohrlänge                   m");
    EXPECT_EQ(header[15], "Format = (I6, 1X, I2, 1X, F3.1, 1X, I4, 1X, F3.2, 1X, F2.1, 1X, F2.1, 1X, I1, 1X, F9.1, 1X, F3.1)");
    EXPECT_EQ(header[16], "");
    EXPECT_EQ(optimisationLogHeader(Language::English, at)[14], "Internal interest rate      %");
}

TEST(OptimisationBookkeeping, TiesKeepTheEarlierCombination)
{
    SearchCounters counters;
    const auto economic = [&](long double energy, long double rate) {
        return countEconomic(counters, {Combination{}, energy, rate});
    };
    EXPECT_TRUE(economic(5, 2));
    EXPECT_TRUE(economic(9, 1));
    EXPECT_TRUE(economic(9, 4));  // same energy, a better rate
    EXPECT_FALSE(economic(3, 4));
    EXPECT_EQ(counters.economic, 4);
    EXPECT_EQ(counters.bestEnergyRecord, 1);
    EXPECT_EQ(counters.bestEnergy, 9);
    EXPECT_EQ(counters.bestRateRecord, 2);
    EXPECT_EQ(counters.bestRate, 4);
}

TEST(OptimisationBookkeeping, TheCombinationView)
{
    const Project p;  // 5 €/m at 500 mm
    const CombinationRecord record{Combination{3, 75, 1000, 2, 1.5L, false}, 12345.6L, 7.25L};
    const CombinationView de = combinationView(p, record, Language::German);
    EXPECT_EQ(de.pipeCount, "Rohranzahl: 3");
    EXPECT_EQ(de.diameter, "Rohrdurchmesser: 1000 mm");
    EXPECT_EQ(de.length, "Rohrlänge: 75.0 m");
    EXPECT_EQ(de.depth, "Verlegungstiefe: 1.5 m");
    EXPECT_EQ(de.spacing, "Abstand zwischen den Rohren: 2.0 m");
    EXPECT_EQ(de.fanPosition, "Ventilator nach EWT");
    EXPECT_EQ(de.energy, "Energiebeitrag: 12346 kWh/a");
    EXPECT_EQ(de.internalRate, "Interner Zinssatz: 7.2 %");
    EXPECT_EQ(de.pipePrice, "Rohrpreis: 20.00 € / m");
    const CombinationRecord single{Combination{1, 75, 1000, 1, 1.5L, true}, 1, 1};
    EXPECT_EQ(combinationView(p, single, Language::English).spacing, "");
    EXPECT_EQ(combinationView(p, single, Language::English).fanPosition, "Fan before EHX");
}

TEST(OptimisationBookkeeping, AdoptingACombinationScalesThePipePriceWithTheOldDiameter)
{
    Project p;  // 5 €/m at 500 mm
    adoptCombination(p, {Combination{4, 100, 750, 3, 1.5L, false}, 1, 1});
    EXPECT_EQ(p.getInt(Param::rohranzahl), 4);
    EXPECT_EQ(p.get(Param::rohrlnge), 100);
    EXPECT_DOUBLE_EQ(static_cast<double>(p.get(Param::rohrpreis)), 11.3);  // 11.25 rounded to a tenth
    EXPECT_EQ(p.get(Param::rohrdurchmesser), 750);
    EXPECT_EQ(p.get(Param::AbstandzwRohren), 3);
    EXPECT_EQ(p.get(Param::verlegungstiefe), 1.5L);
    EXPECT_FALSE(p.isChecked(Param::VentilatorVor));
}

// A small search in a directory of its own.
class SmallSearch : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Of this process too: the sanitizer build may run the same test at the same time.
        dir = fs::temp_directory_path() / ("talp-opt-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    OptimisationSettings settings(const fs::path& where, int threads) const
    {
        OptimisationSettings s;
        // 1 or 2 pipes, 1 or 2 m, 100 to 200 mm, spacing 0.5 or 0.7 m, depth 0.5 or 0.7 m.
        s.options = withRanges({0, 1}, {0, 1}, {3, 5}, {0, 1}, {0, 1});
        s.directory = where;
        s.seed = 42;
        s.threads = threads;
        return s;
    }

    static std::string contents(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir;
    Project project;
};

TEST_F(SmallSearch, ASeedGivesTheSameFilesWhateverTheThreadCount)
{
    OptimisationSearch one, two;
    ASSERT_TRUE(one.startNew(project, settings(dir / "one", 1)).ok);
    EXPECT_EQ(one.run(project, {}), SearchEnd::AllDone);
    ASSERT_TRUE(two.startNew(project, settings(dir / "two", 2)).ok);
    EXPECT_EQ(two.run(project, {}), SearchEnd::AllDone);

    for (const char* file : {"sys/OptFile.dat", "sys/OptKomb.dat", "Optimum.log"})
        EXPECT_EQ(contents(dir / "one" / file), contents(dir / "two" / file)) << file;

    // The start outside the ranges, plus every combination of them: 2 × (12 + 24).
    EXPECT_EQ(one.counters().total, 73);
    EXPECT_EQ(one.counters().evaluated, 73);
    EXPECT_TRUE(one.counters().allDone);
    const auto evaluated = readCombinationRecords(one.paths().evaluated);
    ASSERT_TRUE(evaluated);
    ASSERT_EQ(evaluated->size(), 73u);
    std::set<CombinationKey> distinct;
    for (const CombinationRecord& r : *evaluated) distinct.insert(keyOf(r.geometry));
    EXPECT_EQ(distinct.size(), 73u);
    EXPECT_EQ((*evaluated)[0].geometry, startingCombination(project));
    for (const CombinationRecord& r : *evaluated)
        if (r.geometry.pipeCount == 1) {
            EXPECT_EQ(r.geometry.spacing, 1.0L);
        }
}

TEST_F(SmallSearch, CommitsInDrawOrderWithCountersAndEconomicRecords)
{
    OptimisationSearch search;
    OptimisationSettings s = settings(dir, 2);
    s.options = withRanges({1, 2}, {5, 6}, {9, 9}, {3, 3}, {3, 3});  // 2 or 3 pipes of 30 or 50 m, 500 mm, 2 m apart and deep
    project.setExact(Param::heizpreis, 40);  // dear energy makes some of them pay
    project.setExact(Param::khlpreis, 40);
    ASSERT_TRUE(search.startNew(project, s).ok);
    long long lastCount = search.counters().evaluated;
    long long economic = search.counters().economic;
    std::vector<CombinationRecord> shown;
    SearchCallbacks callbacks;
    callbacks.committed = [&](const CommittedCombination& c) {
        EXPECT_EQ(c.counters.evaluated, ++lastCount);
        if (c.economic) {
            EXPECT_GT(c.record.internalRate, 0);
            shown.push_back(c.record);
            ++economic;
        }
        EXPECT_EQ(c.counters.economic, economic);
    };
    EXPECT_EQ(search.run(project, callbacks), SearchEnd::AllDone);
    const auto economicFile = readCombinationRecords(search.paths().economic);
    ASSERT_TRUE(economicFile);
    ASSERT_GE(economicFile->size(), shown.size());
    EXPECT_TRUE(std::equal(shown.begin(), shown.end(), economicFile->end() - static_cast<long>(shown.size())));
    ASSERT_TRUE(search.counters().hasEconomic());
    const auto best = readCombinationRecord(search.paths().economic, search.counters().bestEnergyRecord);
    ASSERT_TRUE(best);
    EXPECT_EQ(best->energy, search.counters().bestEnergy);
}

TEST_F(SmallSearch, RejectedCombinationsDoNotKeepTheSearchGoingForEver)
{
    OptimisationSearch search;
    OptimisationSettings s = settings(dir, 2);
    // At 0.5 m depth the 1000 mm pipe reaches the surface: half the combinations are rejected.
    s.options = withRanges({0, 0}, {0, 1}, {10, 11}, {0, 0}, {0, 0}, FanPosition::Before);
    ASSERT_TRUE(search.startNew(project, s).ok);
    EXPECT_EQ(search.run(project, {}), SearchEnd::AllDone);
    EXPECT_TRUE(search.counters().allDone);
    EXPECT_EQ(search.counters().total, 5);
    EXPECT_EQ(search.counters().evaluated, 3);  // the start and the two 750 mm pipes
}

TEST_F(SmallSearch, CancelKeepsEveryCommittedRecordAndContinueAppends)
{
    std::atomic<bool> cancel{false};
    SearchCallbacks callbacks;
    callbacks.cancel = &cancel;
    callbacks.committed = [&](const CommittedCombination& c) {
        if (c.counters.evaluated == 4) cancel = true;
    };
    {
        OptimisationSearch search;
        ASSERT_TRUE(search.startNew(project, settings(dir, 2)).ok);
        EXPECT_EQ(search.run(project, callbacks), SearchEnd::Cancelled);
        EXPECT_EQ(search.counters().evaluated, 4);
    }
    EXPECT_EQ(readCombinationRecords(OptimisationPaths::in(dir).evaluated)->size(), 4u);

    // A new program run continues from the files.
    OptimisationSearch later;
    OptimisationSettings s = settings(dir, 2);
    s.seed = 7;
    s.maxCombinations = 10;
    ASSERT_TRUE(later.continueSearch(project, s).ok);
    EXPECT_EQ(later.counters().evaluated, 4);
    EXPECT_EQ(later.run(project, {}), SearchEnd::LimitReached);
    EXPECT_EQ(later.counters().evaluated, 14);
    // And the same object once more, to the end.
    s.maxCombinations = 0;
    ASSERT_TRUE(later.continueSearch(project, s).ok);
    EXPECT_EQ(later.run(project, {}), SearchEnd::AllDone);

    const auto evaluated = readCombinationRecords(later.paths().evaluated);
    ASSERT_EQ(evaluated->size(), 73u);
    std::set<CombinationKey> distinct;
    for (const CombinationRecord& r : *evaluated) distinct.insert(keyOf(r.geometry));
    EXPECT_EQ(distinct.size(), 73u);
    // The log numbers its lines on: 17 header lines and one line per evaluation.
    std::ifstream log(later.paths().log);
    int lines = 0;
    std::string line, last;
    while (std::getline(log, line)) {
        ++lines;
        last = line;
    }
    EXPECT_EQ(lines, 17 + 73);
    EXPECT_EQ(last.substr(0, 6), "    73");
}

TEST_F(SmallSearch, ContinuingAfterAStopEvaluatesEveryCombinationNotYetRecorded)
{
    // The candidates in flight when the user stops are thrown away uncommitted; "Fortsetzen"
    // in the same program run must still evaluate them, not count them as done.
    std::atomic<bool> cancel{false};
    SearchCallbacks callbacks;
    callbacks.cancel = &cancel;
    callbacks.committed = [&](const CommittedCombination& c) {
        if (c.counters.evaluated == 4) cancel = true;
    };
    OptimisationSearch search;
    ASSERT_TRUE(search.startNew(project, settings(dir, 2)).ok);
    EXPECT_EQ(search.run(project, callbacks), SearchEnd::Cancelled);
    for (int stops = 0; stops < 3; ++stops) {  // stopped again and again, as an impatient planner does
        cancel = false;
        ASSERT_TRUE(search.continueSearch(project, settings(dir, 2)).ok);
        const long long before = search.counters().evaluated;
        callbacks.committed = [&](const CommittedCombination& c) {
            if (c.counters.evaluated == before + 5) cancel = true;
        };
        EXPECT_EQ(search.run(project, callbacks), SearchEnd::Cancelled);
    }
    ASSERT_TRUE(search.continueSearch(project, settings(dir, 2)).ok);
    EXPECT_EQ(search.run(project, {}), SearchEnd::AllDone);

    const auto evaluated = readCombinationRecords(search.paths().evaluated);
    ASSERT_TRUE(evaluated);
    std::set<CombinationKey> distinct;
    for (const CombinationRecord& r : *evaluated) distinct.insert(keyOf(r.geometry));
    EXPECT_EQ(evaluated->size(), 73u);
    EXPECT_EQ(distinct.size(), 73u);
    EXPECT_EQ(search.counters().evaluated, 73);
}

TEST_F(SmallSearch, StartRefusalsAndUnwritableFiles)
{
    OptimisationSearch search;
    Project shallow;
    shallow.setExact(Param::Grundwassertiefe, 0.5L);
    const StartOutcome refused = search.startNew(shallow, settings(dir, 1));
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message, "Grundwassertiefe zu gering! Benötigter Mindestwert: 0.51");
    EXPECT_FALSE(fs::exists(dir / "Optimum.log"));

    fs::create_directories(dir);
    std::ofstream(dir / "sys") << "a file where the folder belongs";
    const StartOutcome unwritable = search.startNew(project, settings(dir, 1));
    EXPECT_FALSE(unwritable.ok);
    EXPECT_EQ(unwritable.message, "Fehler beim Erstellen der Datei.");
}

TEST_F(SmallSearch, AFailedStartingRunLeavesTheCountersAtZero)
{
    Project deep;  // the pipe form's 2 m pipe lies in the groundwater; the catalogue's 0.5 m ones do not
    deep.setExact(Param::Grundwassertiefe, 1.5L);
    OptimisationSearch search;
    const StartOutcome start = search.startNew(deep, settings(dir, 1));
    ASSERT_TRUE(start.ok);
    EXPECT_FALSE(start.start);
    EXPECT_EQ(search.counters().evaluated, 0);
    EXPECT_EQ(search.counters().total, 72);  // the failed start does not count
    EXPECT_EQ(search.run(deep, {}), SearchEnd::AllDone);
    EXPECT_EQ(search.counters().evaluated, 72);
}

}  // namespace
}  // namespace talp
