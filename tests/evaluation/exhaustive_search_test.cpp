// The exhaustive search: its fixed order, the walk over it with Stop and "Fortsetzen", the
// velocity limit, and shards merged into the files of a one-machine run.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <unistd.h>

#include "core/air_velocity.h"
#include "evaluation/exhaustive_order.h"
#include "evaluation/exhaustive_state.h"
#include "evaluation/optimisation_log.h"
#include "evaluation/optimisation_search.h"
#include "evaluation/shard_merge.h"
#include "tests/evaluation/search_ranges.h"

namespace talp {
namespace {

namespace fs = std::filesystem;

// The exhaustive search over index ranges.
OptimisationOptions withRanges(IndexRange pipes, IndexRange lengths, IndexRange diameters, IndexRange spacings,
                               IndexRange depths, FanPosition fan = FanPosition::Either)
{
    OptimisationOptions o = testing::withRanges(pipes, lengths, diameters, spacings, depths, fan);
    o.exhaustive = true;
    return o;
}

// The combinations of the ranges as nested loops list them: the order's definition.
std::vector<Combination> listed(const OptimisationOptions& o)
{
    std::vector<Combination> all;
    std::vector<bool> fans;
    if (o.fan != FanPosition::After) fans.push_back(true);
    if (o.fan != FanPosition::Before) fans.push_back(false);
    for (bool fan : fans)
        for (long double depth : o.valuesInRange(CatalogueParam::Depth))
            for (long double length : o.valuesInRange(CatalogueParam::Length))
                for (long double count : o.valuesInRange(CatalogueParam::PipeCount))
                    for (long double diameter : o.valuesInRange(CatalogueParam::Diameter)) {
                        if (count < 2) {
                            all.push_back({1, length, diameter, 1.0L, depth, fan});
                            continue;
                        }
                        for (long double spacing : o.valuesInRange(CatalogueParam::Spacing))
                            all.push_back({static_cast<int>(count), length, diameter, spacing, depth, fan});
                    }
    return all;
}

TEST(ExhaustiveOrder, PositionsAreTheNestedLoopsOfTheRanges)
{
    std::mt19937 random(11);
    const auto rangeOf = [&](CatalogueParam p) {
        const int size = static_cast<int>(catalogue(p).size());
        return orderedRange(static_cast<int>(random() % size), static_cast<int>(random() % size));
    };
    std::vector<OptimisationOptions> cases{OptimisationOptions{}, withRanges({0, 0}, {2, 3}, {1, 4}, {0, 7}, {1, 2}),
                                           withRanges({3, 5}, {0, 0}, {0, 0}, {2, 2}, {7, 7}, FanPosition::After)};
    for (int i = 0; i < 20; ++i)
        cases.push_back(withRanges(rangeOf(CatalogueParam::PipeCount), rangeOf(CatalogueParam::Length),
                                   rangeOf(CatalogueParam::Diameter), rangeOf(CatalogueParam::Spacing),
                                   rangeOf(CatalogueParam::Depth), static_cast<FanPosition>(random() % 3)));
    for (const OptimisationOptions& o : cases) {
        const ExhaustiveOrder order(o);
        const std::vector<Combination> expected = listed(o);
        ASSERT_EQ(order.size(), static_cast<long long>(expected.size()));
        EXPECT_EQ(order.size() + 1, totalCombinations(o, Combination{}));  // an empty start is outside
        for (long long p = 0; p < order.size(); ++p) {
            ASSERT_EQ(order.at(p), expected[static_cast<std::size_t>(p)]) << p;
            ASSERT_EQ(order.positionOf(expected[static_cast<std::size_t>(p)]), p);
        }
    }
    const ExhaustiveOrder order(withRanges({0, 1}, {0, 1}, {3, 5}, {0, 1}, {0, 1}, FanPosition::Before));
    EXPECT_FALSE(order.positionOf({2, 1, 100, 0.5L, 0.5L, false}));  // the fan on the other side
    EXPECT_FALSE(order.positionOf({2, 1, 100, 0.6L, 0.5L, true}));   // no catalogue spacing
    EXPECT_FALSE(order.positionOf({1, 1, 100, 0.5L, 0.5L, true}));   // a single pipe's spacing is 1.0
    EXPECT_TRUE(order.positionOf({1, 1, 100, 1.0L, 0.5L, true}));
}

TEST(ExhaustiveOrder, ShardsDealThePositionsOutInTurn)
{
    for (long long size : {0LL, 1LL, 7LL, 100LL, 179872LL})
        for (int count : {1, 2, 3, 7, 64}) {
            long long sum = 0;
            for (int k = 1; k <= count; ++k) {
                const Shard shard{k, count};
                long long mine = 0;
                for (long long p = 0; p < std::min(size, 500LL); ++p) mine += shard.contains(p) ? 1 : 0;
                if (size <= 500) {
                    EXPECT_EQ(shard.sizeIn(size), mine);
                }
                sum += shard.sizeIn(size);
            }
            EXPECT_EQ(sum, size);
        }
}

TEST(ExhaustiveState, ReadsBackWhatItWrites)
{
    ExhaustiveState state;
    state.options = withRanges({0, 3}, {1, 2}, {4, 9}, {0, 7}, {2, 2}, FanPosition::After);
    state.options.maxAirVelocity = roundedAirVelocityLimit(2.346L);
    state.shard = {3, 8};
    state.startRecorded = true;
    state.cursor = 1234;
    state.skipped = 56;
    const std::string text = stateText(state);
    const auto back = parseState(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(stateText(*back), text);
    EXPECT_TRUE(back->sameWalk(state.options, state.shard));
    EXPECT_EQ(*back->options.maxAirVelocity, roundedAirVelocityLimit(2.35L));
    EXPECT_EQ(back->cursor, 1234);
    // A longer cursor keeps the file's length: it is rewritten in place.
    state.cursor = 987654321;
    EXPECT_EQ(stateText(state).size(), text.size());

    EXPECT_FALSE(back->sameWalk(state.options, Shard{2, 8}));
    OptimisationOptions other = state.options;
    other.maxAirVelocity.reset();
    EXPECT_FALSE(back->sameWalk(other, state.shard));
    EXPECT_FALSE(parseState(""));
    EXPECT_FALSE(parseState(text.substr(0, text.size() / 2)));
    std::string outOfCatalogue = text;
    outOfCatalogue.replace(outOfCatalogue.find("0..3"), 4, "0..99");
    EXPECT_FALSE(parseState(outOfCatalogue));
}

// Exhaustive searches of small ranges in folders of their own.
class ExhaustiveSearch : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("talp-exhaustive-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        // Dear energy, so that some combinations pay and the economic file has records.
        project.setExact(Param::heizpreis, 30);
        project.setExact(Param::khlpreis, 30);
        // The 3 m deep pipes of 200 mm and more reach into the groundwater; the pipe form's
        // 2 m deep ones do not.
        project.setExact(Param::Grundwassertiefe, 3.09L);
    }
    void TearDown() override { fs::remove_all(dir); }

    OptimisationSettings settings(const std::string& folder, int threads = 2) const
    {
        OptimisationSettings s;
        // 1 to 3 pipes, 5 or 10 m, 150 to 250 mm, 1 or 2 m apart, 1 to 3 m deep: 2 fan positions ×
        // 3 depths × 2 lengths × 3 diameters × (1 + 2 × 2) = 180 combinations, 40 of them
        // rejected for the groundwater.
        s.options = withRanges({0, 2}, {2, 3}, {4, 6}, {2, 3}, {2, 4});
        s.directory = dir / folder;
        s.threads = threads;
        s.calculatedAt.tm_year = 126;  // the same log header in every folder
        s.calculatedAt.tm_mday = 1;
        return s;
    }

    static std::string contents(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void expectSameFiles(const fs::path& a, const fs::path& b)
    {
        for (const char* file : {"sys/OptFile.dat", "sys/OptKomb.dat", "Optimum.log", "sys/OptStand.txt"})
            EXPECT_EQ(contents(a / file), contents(b / file)) << file;
    }

    SearchEnd runWhole(const std::string& folder, OptimisationSettings s)
    {
        OptimisationSearch search;
        s.directory = dir / folder;
        EXPECT_TRUE(search.startNew(project, s).ok);
        return search.run(project, {});
    }

    fs::path dir;
    Project project;
};

TEST_F(ExhaustiveSearch, EvaluatesEveryCombinationOnceInTheOrder)
{
    const OptimisationSettings s = settings("one", 1);
    OptimisationSearch search;
    ASSERT_TRUE(search.startNew(project, s).ok);
    EXPECT_EQ(search.run(project, {}), SearchEnd::AllDone);
    EXPECT_EQ(runWhole("two", settings("two", 2)), SearchEnd::AllDone);
    expectSameFiles(dir / "one", dir / "two");

    // The start (outside the ranges: 2 pipes of 50 m) first, then the order without the
    // combinations the geometry rules reject.
    const ExhaustiveOrder order(s.options);
    std::vector<Combination> expected{startingCombination(project)};
    for (long long p = 0; p < order.size(); ++p)
        if (!rejectedByGeometry(order.at(p), project.get(Param::Grundwassertiefe))) expected.push_back(order.at(p));
    const auto records = readCombinationRecords(search.paths().evaluated);
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ((*records)[i].geometry, expected[i]) << i;
    EXPECT_LT(expected.size(), static_cast<std::size_t>(order.size()) + 1);  // some were rejected
    EXPECT_EQ(search.counters().evaluated, static_cast<long long>(expected.size()));
    EXPECT_EQ(search.counters().total, order.size() + 1);
    EXPECT_TRUE(search.counters().allDone);
    const auto state = readState(search.paths().state);
    ASSERT_TRUE(state);
    EXPECT_TRUE(state->complete());
    EXPECT_TRUE(state->startRecorded);
}

TEST_F(ExhaustiveSearch, AStartInTheRangesIsNotEvaluatedTwice)
{
    OptimisationSettings s = settings("in");
    s.options.range(CatalogueParam::Diameter) = {3, 9};  // 100 to 500 mm: the form's 500 mm pipes
    s.options.range(CatalogueParam::Length) = {6, 6};    // 50 m
    s.options.range(CatalogueParam::Spacing) = {3, 3};   // 2 m
    s.options.range(CatalogueParam::Depth) = {3, 3};     // 2 m
    project.setExact(Param::AbstandzwRohren, 2);
    OptimisationSearch search;
    ASSERT_TRUE(search.startNew(project, s).ok);
    EXPECT_EQ(search.run(project, {}), SearchEnd::AllDone);
    const auto records = readCombinationRecords(search.paths().evaluated);
    std::set<CombinationKey> distinct;
    for (const CombinationRecord& r : *records) distinct.insert(keyOf(r.geometry));
    EXPECT_EQ(distinct.size(), records->size());
    EXPECT_EQ(static_cast<long long>(records->size()), ExhaustiveOrder(s.options).size());
    EXPECT_EQ(search.counters().total, ExhaustiveOrder(s.options).size());
}

TEST_F(ExhaustiveSearch, StopAndContinueWriteTheFilesOfAnUninterruptedRun)
{
    EXPECT_EQ(runWhole("whole", settings("whole")), SearchEnd::AllDone);

    // Stopped again and again, in this program run and in later ones.
    std::atomic<bool> cancel{false};
    long long stopAt = 5;
    SearchCallbacks callbacks;
    callbacks.cancel = &cancel;
    callbacks.committed = [&](const CommittedCombination& c) {
        if (c.counters.evaluated >= stopAt) cancel = true;
    };
    const OptimisationSettings s = settings("stopped");
    {
        OptimisationSearch search;
        ASSERT_TRUE(search.startNew(project, s).ok);
        EXPECT_EQ(search.run(project, callbacks), SearchEnd::Cancelled);
        for (int stop = 0; stop < 3; ++stop) {
            cancel = false;
            stopAt = search.counters().evaluated + 7;
            ASSERT_TRUE(search.continueSearch(project, s).ok);
            EXPECT_EQ(search.run(project, callbacks), SearchEnd::Cancelled);
        }
    }
    OptimisationSearch later;
    OptimisationSettings limited = s;
    limited.maxCombinations = 9;
    ASSERT_TRUE(later.continueSearch(project, limited).ok);
    EXPECT_EQ(later.run(project, {}), SearchEnd::LimitReached);
    OptimisationSearch last;
    ASSERT_TRUE(last.continueSearch(project, s).ok);
    EXPECT_EQ(last.run(project, {}), SearchEnd::AllDone);
    EXPECT_TRUE(last.counters().allDone);
    expectSameFiles(dir / "whole", dir / "stopped");

    // Continuing a finished search finds nothing left.
    ASSERT_TRUE(last.continueSearch(project, s).ok);
    const long long evaluated = last.counters().evaluated;
    EXPECT_EQ(last.run(project, {}), SearchEnd::AllDone);
    EXPECT_EQ(last.counters().evaluated, evaluated);
}

TEST_F(ExhaustiveSearch, CombinationsAboveTheVelocityLimitAreLoggedAsSkippedOnly)
{
    OptimisationSettings s = settings("limited");
    s.options.maxAirVelocity = roundedAirVelocityLimit(8);
    OptimisationSearch search;
    std::vector<long long> skippedCounts;
    SearchCallbacks callbacks;
    callbacks.skipped = [&](const SearchCounters& c) { skippedCounts.push_back(c.skipped); };
    ASSERT_TRUE(search.startNew(project, s).ok);
    EXPECT_EQ(search.run(project, callbacks), SearchEnd::AllDone);

    const long double airFlow = project.get(Param::luftstrom);
    const long double groundwater = project.get(Param::Grundwassertiefe);
    const ExhaustiveOrder order(s.options);
    long long above = 0, evaluable = 0;
    for (long long p = 0; p < order.size(); ++p) {
        const Combination c = order.at(p);
        if (rejectedByGeometry(c, groundwater)) continue;
        ++evaluable;
        if (airVelocity(airFlow, c.pipeCount, c.diameter) > 8) ++above;
    }
    ASSERT_GT(above, 0);
    EXPECT_EQ(search.counters().skipped, above);
    EXPECT_EQ(static_cast<long long>(skippedCounts.size()), above);
    EXPECT_EQ(search.counters().evaluated, 1 + evaluable - above);
    const auto records = readCombinationRecords(search.paths().evaluated);
    for (std::size_t i = 1; i < records->size(); ++i) {
        const Combination& c = (*records)[i].geometry;
        EXPECT_LE(airVelocity(airFlow, c.pipeCount, c.diameter), 8.0L);
    }
    // Skipped lines carry the mark instead of a number; the numbers count evaluations only.
    std::ifstream log(search.paths().log);
    long long skippedLines = 0, lastNumber = 0;
    std::string line;
    for (int header = 0; header < 17; ++header) std::getline(log, line);
    while (std::getline(log, line)) {
        if (line.rfind(kSkippedMark, 0) == 0) {
            ++skippedLines;
            EXPECT_NE(line.find("übersprungen, Luftgeschwindigkeit "), std::string::npos) << line;
        } else {
            EXPECT_EQ(std::stoll(line.substr(0, 6)), ++lastNumber);
        }
    }
    EXPECT_EQ(skippedLines, above);
    EXPECT_EQ(lastNumber, search.counters().evaluated);
    EXPECT_EQ(readState(search.paths().state)->skipped, above);

    // Continuing a stopped search with the limit keeps the count; the random search has none.
    OptimisationSearch later;
    ASSERT_TRUE(later.continueSearch(project, s).ok);
    EXPECT_EQ(later.counters().skipped, above);
    OptimisationOptions random = s.options;
    random.exhaustive = false;
    EXPECT_FALSE(aboveAirVelocityLimit(random, Combination{10, 1, 25, 1, 1, true}, 10000));
}

TEST_F(ExhaustiveSearch, MergedShardsEqualAOneMachineRun)
{
    OptimisationSettings s = settings("whole");
    s.options.maxAirVelocity = roundedAirVelocityLimit(8);  // skipped lines are merged too
    EXPECT_EQ(runWhole("whole", s), SearchEnd::AllDone);

    std::vector<fs::path> shards;
    for (int k = 1; k <= 3; ++k) {
        OptimisationSettings part = s;
        part.shard = {k, 3};
        const std::string folder = "shard" + std::to_string(k);
        if (k != 2) {
            EXPECT_EQ(runWhole(folder, part), SearchEnd::AllDone);
        } else {
            // One shard is stopped on the way and continued by another program run.
            part.directory = dir / folder;
            part.maxCombinations = 10;
            OptimisationSearch first;
            ASSERT_TRUE(first.startNew(project, part).ok);
            EXPECT_EQ(first.run(project, {}), SearchEnd::LimitReached);
            const std::vector<fs::path> early{dir / "shard1", dir / "shard2"};
            EXPECT_TRUE(mergeShards(early, dir / "early").error);  // unfinished, and shard 3 is missing
            part.maxCombinations = 0;
            OptimisationSearch second;
            ASSERT_TRUE(second.continueSearch(project, part).ok);
            EXPECT_EQ(second.run(project, {}), SearchEnd::AllDone);
        }
        shards.push_back(dir / folder);
    }
    // Every combination in exactly one shard.
    std::multiset<CombinationKey> inShards;
    for (const fs::path& shard : shards) {
        const auto records = readCombinationRecords(OptimisationPaths::in(shard).evaluated);
        ASSERT_TRUE(records);
        for (const CombinationRecord& r : *records) inShards.insert(keyOf(r.geometry));
    }
    const CombinationKey start = keyOf(startingCombination(project));
    EXPECT_EQ(inShards.count(start), 3u);  // each shard costs the start as its first record
    inShards.erase(start);
    EXPECT_EQ(std::set<CombinationKey>(inShards.begin(), inShards.end()).size(), inShards.size());

    const std::vector<fs::path> inTurn{shards[2], shards[0], shards[1]};  // given in any order
    const MergeOutcome merged = mergeShards(inTurn, dir / "merged");
    ASSERT_FALSE(merged.error) << *merged.error;
    expectSameFiles(dir / "whole", dir / "merged");
    EXPECT_GT(merged.skipped, 0);

    // The merged folder is a finished search: continuing it evaluates nothing.
    OptimisationSearch more;
    OptimisationSettings mergedSettings = s;
    mergedSettings.directory = dir / "merged";
    ASSERT_TRUE(more.continueSearch(project, mergedSettings).ok);
    EXPECT_EQ(more.run(project, {}), SearchEnd::AllDone);
    expectSameFiles(dir / "whole", dir / "merged");
}

TEST_F(ExhaustiveSearch, MergeRefusesWhatIsNoCompleteSetOfShards)
{
    OptimisationSettings s = settings("a");
    s.options.range(CatalogueParam::Depth) = {3, 3};
    s.shard = {1, 2};
    EXPECT_EQ(runWhole("a", s), SearchEnd::AllDone);
    s.shard = {2, 2};
    EXPECT_EQ(runWhole("b", s), SearchEnd::AllDone);
    s.options.range(CatalogueParam::Depth) = {2, 2};
    EXPECT_EQ(runWhole("other", s), SearchEnd::AllDone);

    const auto refused = [&](const std::vector<fs::path>& folders, const fs::path& out) {
        const std::string log = contents(out / "Optimum.log");
        const MergeOutcome m = mergeShards(folders, out);
        EXPECT_EQ(contents(out / "Optimum.log"), log) << "nothing is written";
        return m.error.has_value();
    };
    EXPECT_TRUE(refused({dir / "a"}, dir / "out"));                          // shard 2 is missing
    EXPECT_TRUE(refused({dir / "a", dir / "a"}, dir / "out"));               // twice
    EXPECT_TRUE(refused({dir / "a", dir / "other"}, dir / "out"));           // another search
    EXPECT_TRUE(refused({dir / "a", dir / "b", dir / "missing"}, dir / "out"));
    EXPECT_TRUE(refused({dir / "a", dir / "b"}, dir / "a"));                 // into a shard
    EXPECT_FALSE(mergeShards({dir / "b", dir / "a"}, dir / "out").error);

    // A damaged shard is refused, not merged into a wrong set of files.
    { std::ofstream(dir / "b" / "sys" / "OptKomb.dat", std::ios::app) << std::string(68, '\0'); }
    EXPECT_TRUE(refused({dir / "a", dir / "b"}, dir / "out2"));
}

TEST(RandomSearch, AStartWithTheFanOnTheOtherSideCountsAsOutsideTheRanges)
{
    // The random search never draws it: counted inside, the search would end one short.
    const auto dir = fs::temp_directory_path() / ("talp-fan-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    Project project;  // one pipe of 5 m, 100 mm, 0.7 m deep: in the ranges but for the fan
    project.set(Param::rohranzahl, 1);
    project.setExact(Param::rohrlnge, 5);
    project.setExact(Param::rohrdurchmesser, 100);
    project.setExact(Param::verlegungstiefe, 0.7L);
    project.set(Param::VentilatorVor, 0);
    OptimisationSettings s;
    s.options = withRanges({0, 0}, {2, 3}, {3, 4}, {0, 0}, {1, 1}, FanPosition::Before);
    s.options.exhaustive = false;
    s.directory = dir;
    s.seed = 3;
    OptimisationSearch search;
    ASSERT_TRUE(search.startNew(project, s).ok);
    EXPECT_EQ(search.counters().total, 5);
    EXPECT_EQ(search.run(project, {}), SearchEnd::AllDone);
    EXPECT_EQ(search.counters().evaluated, 5);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace talp
