#include "evaluation/optimisation_search.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "core/air_velocity.h"
#include "core/calculation_run.h"
#include "core/fast_simulation.h"
#include "core/numeric.h"
#include "evaluation/exhaustive_order.h"
#include "evaluation/optimisation_log.h"

namespace talp {

namespace {

// The search's random draws: xoshiro256** seeded through SplitMix64, so that a seed gives
// the same combinations on every platform.
class SearchRandom {
public:
    explicit SearchRandom(std::uint64_t seed)
    {
        for (std::uint64_t& word : state_) {
            seed += 0x9E3779B97F4A7C15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            word = z ^ (z >> 31);
        }
    }

    // A uniform index 0..count-1, without the bias of a plain remainder.
    std::size_t below(std::size_t count)
    {
        const std::uint64_t n = count;
        const std::uint64_t limit = (0 - n) % n;  // 2^64 mod n
        for (;;) {
            const std::uint64_t value = next();
            if (value >= limit) return static_cast<std::size_t>(value % n);
        }
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t next()
    {
        const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }
    std::uint64_t state_[4];
};

// Draws each parameter uniformly among its values in range, in the order fan position,
// depth, length, pipe count, diameter, spacing; a single pipe gets the spacing 1.0.
Combination drawCombination(const OptimisationOptions& o, SearchRandom& random)
{
    const auto pick = [&](CatalogueParam p) {
        const auto values = o.valuesInRange(p);
        return values[random.below(values.size())];
    };
    Combination c;
    c.fanBefore = o.fan == FanPosition::Either ? random.below(2) == 0 : o.fan == FanPosition::Before;
    c.depth = pick(CatalogueParam::Depth);
    c.length = pick(CatalogueParam::Length);
    c.pipeCount = static_cast<int>(pick(CatalogueParam::PipeCount));
    c.diameter = pick(CatalogueParam::Diameter);
    c.spacing = c.pipeCount >= 2 ? pick(CatalogueParam::Spacing) : 1.0L;
    return c;
}

// The combinations of the ranges the geometry rules let through. The rules look at the
// diameter and the depth alone, so each allowed pair stands for the same number of
// combinations of the other parameters.
long long evaluableInRange(const OptimisationOptions& o, long double groundwater)
{
    const auto depths = o.valuesInRange(CatalogueParam::Depth);
    const auto diameters = o.valuesInRange(CatalogueParam::Diameter);
    long long allowedPairs = 0;
    for (long double depth : depths)
        for (long double diameter : diameters) {
            Combination c;
            c.depth = depth;
            c.diameter = diameter;
            if (!rejectedByGeometry(c, groundwater)) ++allowedPairs;
        }
    const auto pairs = static_cast<long long>(depths.size() * diameters.size());
    return ExhaustiveOrder(o).size() / pairs * allowedPairs;
}

Combination geometryOf(const CombinationKey& key)
{
    CombinationBytes bytes{};
    std::copy(key.begin(), key.end(), bytes.begin());
    return decodeRecord(bytes).geometry;
}

// One combination on its way through a worker, or one to be logged as skipped.
struct Candidate {
    Combination combination;
    long long position = -1;  // in the exhaustive order
    bool skipped = false;     // above the velocity limit: logged, never simulated
    std::atomic<int> hoursDone{0};
    bool done = false;        // guarded by the search's mutex
    CostedCombination result;
};

using KnownTest = std::function<bool(const Combination&)>;

// The random search's candidates: drawn until one passes the rejections, the geometry rules
// and the duplicate test against every evaluated (and every pending) geometry.
class RandomDraws {
public:
    RandomDraws(const OptimisationOptions& options, std::uint64_t seed, long double groundwater, long long left)
        : options_(options), random_(seed), groundwater_(groundwater), left_(left)
    {
    }
    bool exhausted() const { return left_ == 0; }
    bool next(Candidate& job, const KnownTest& known)
    {
        if (left_ == 0) return false;
        do job.combination = drawCombination(options_, random_);
        while (rejectedByGeometry(job.combination, groundwater_) || known(job.combination));
        --left_;
        return true;
    }

private:
    const OptimisationOptions& options_;
    SearchRandom random_;
    long double groundwater_;
    long long left_;  // geometries in range neither evaluated nor rejected
};

// The exhaustive search's candidates: the positions of its part of the order from the
// cursor on, passing silently over the combinations the geometry rules reject and those
// already recorded.
class ExhaustiveWalk {
public:
    ExhaustiveWalk(const OptimisationOptions& options, const Shard& shard, long long cursor, long double groundwater,
                   long double airFlow)
        : options_(options), order_(options), shard_(shard), position_(cursor), groundwater_(groundwater), airFlow_(airFlow)
    {
    }
    bool exhausted() const { return position_ >= order_.size(); }
    bool next(Candidate& job, const KnownTest& known)
    {
        for (; position_ < order_.size(); position_ += shard_.count) {
            const Combination c = order_.at(position_);
            if (rejectedByGeometry(c, groundwater_) || known(c)) continue;
            job.combination = c;
            job.position = position_;
            job.skipped = aboveAirVelocityLimit(options_, c, airFlow_);
            position_ += shard_.count;
            return true;
        }
        return false;
    }

private:
    const OptimisationOptions& options_;
    ExhaustiveOrder order_;
    Shard shard_;
    long long position_;
    long double groundwater_;
    long double airFlow_;
};

}  // namespace

bool countEconomic(SearchCounters& counters, const CombinationRecord& record)
{
    // Ties keep the earlier combination.
    bool newBest = false;
    if (record.energy > counters.bestEnergy) {
        counters.bestEnergy = record.energy;
        counters.bestEnergyRecord = counters.economic;
        newBest = true;
    }
    if (record.internalRate > counters.bestRate) {
        counters.bestRate = record.internalRate;
        counters.bestRateRecord = counters.economic;
        newBest = true;
    }
    ++counters.economic;
    return newBest;
}

long double pipePriceFor(const Project& p, long double diameter)
{
    return p.get(Param::rohrpreis) * Potenz(diameter / p.get(Param::rohrdurchmesser), 2.0L);
}

std::size_t OptimisationSearch::KeyHash::operator()(const CombinationKey& key) const
{
    std::uint64_t hash = 14695981039346656037ULL;  // FNV-1a
    for (std::uint8_t byte : key) hash = (hash ^ byte) * 1099511628211ULL;
    return static_cast<std::size_t>(hash);
}

long long exhaustiveTotal(const OptimisationOptions& options, const Shard& shard, const Combination& start,
                          bool startRecorded)
{
    const ExhaustiveOrder order(options);
    const std::optional<long long> position = order.positionOf(start);
    const bool startInPart = position && shard.contains(*position);
    return shard.sizeIn(order.size()) + (startRecorded && !startInPart ? 1 : 0);
}

StartOutcome OptimisationSearch::startNew(const Project& project, const OptimisationSettings& settings)
{
    settings_ = settings;
    counters_ = SearchCounters{};
    known_.clear();
    hasState_ = false;
    if (auto refusal = groundwaterRefusal(project)) return {false, refusal, std::nullopt, false, {}};
    const std::string fileError(kOptimisationFileError.in(settings.language));
    if (!files_.create(paths(), optimisationLogHeader(settings.language, settings.calculatedAt)))
        return {false, fileError, std::nullopt, false, {}};
    hasState_ = true;

    const Combination start = startingCombination(project);
    counters_.total = exhaustive() ? exhaustiveTotal(settings.options, settings.shard, start, true)
                                   : totalCombinations(settings.options, start);
    // Only an evaluated start outside the ranges adds itself to the total: a failed start
    // leaves the count at 0, and the combinations in range are all there is to evaluate.
    const long long startOutsideRanges = inRange(settings.options, start) ? 0 : 1;

    // The pipe form's geometry, computed as the calculation run computes it.
    SimulationResults results;
    EconomicsResults economics;
    bool rateFound = false;
    CalculationRequest request;
    request.openHourlyFile = settings.openHourlyFile;
    request.economics = [&](const Project& p, const SimulationResults& r) {
        rateFound = KostenRechnung(p, costedGeometryOf(p), runTotalsOf(r), settings.openHourlyFile, economics).rateFound;
    };
    CalculationOutcome run = runCalculation(project, results, request);
    if (!run.success) {
        counters_.total = exhaustive() ? exhaustiveTotal(settings.options, settings.shard, start, false)
                                       : counters_.total - startOutsideRanges;
        if (exhaustive() && !beginWalk(false)) return {false, fileError, std::nullopt, false, {}};
        return {true, std::nullopt, std::nullopt, false, std::move(run.messages)};
    }

    const CombinationRecord record{start, results.HeatingEnergy + results.CoolingEnergy, economics.InternerZinssatz};
    const bool economic = isEconomic(rateFound, economics);
    if (!commit(project, record, economic, {}) || (exhaustive() && !beginWalk(true)))
        return {false, fileError, record, economic, {}};
    return {true, std::nullopt, record, economic, {}};
}

StartOutcome OptimisationSearch::continueSearch(const Project& project, const OptimisationSettings& settings)
{
    // The same search goes on with its counters and its total; the draws follow the ranges
    // as they are set now.
    const bool sameSearch = hasState_ && settings.directory == settings_.directory;
    settings_ = settings;
    if (!sameSearch && !readStateFromFiles(project))
        return {false, std::string(kOptimisationReadError.in(settings.language)), std::nullopt, false, {}};
    if (!files_.openForAppend(paths()) || (exhaustive() && !resumeWalk(project, sameSearch)))
        return {false, std::string(kOptimisationFileError.in(settings.language)), std::nullopt, false, {}};
    hasState_ = true;
    counters_.allDone = false;
    return {true, std::nullopt, std::nullopt, false, {}};
}

bool OptimisationSearch::readStateFromFiles(const Project& project)
{
    const auto evaluated = readCombinationRecords(paths().evaluated);
    const auto economic = readCombinationRecords(paths().economic);
    if (!evaluated || !economic) return false;
    counters_ = SearchCounters{};
    known_.clear();
    for (const CombinationRecord& r : *evaluated) known_.insert(keyOf(r.geometry));
    counters_.evaluated = static_cast<long long>(evaluated->size());
    for (const CombinationRecord& r : *economic) countEconomic(counters_, r);
    counters_.total = totalCombinations(settings_.options, startingCombination(project));
    return true;
}

bool OptimisationSearch::beginWalk(bool startRecorded)
{
    walk_ = ExhaustiveState{settings_.options, settings_.shard, startRecorded, settings_.shard.first(), 0};
    counters_.skipped = 0;
    return files_.writeState(stateText(walk_));
}

bool OptimisationSearch::resumeWalk(const Project& project, bool sameSearch)
{
    // Where this search stopped, when it walks the same order: from memory in the same
    // program run, else from the state beside the files.
    const bool walkedInMemory = sameSearch && walk_.options.exhaustive;
    const std::optional<ExhaustiveState> stored = walkedInMemory ? std::optional(walk_) : readState(paths().state);
    if (stored && stored->sameWalk(settings_.options, settings_.shard)) {
        walk_ = *stored;
        walk_.options = settings_.options;
        counters_.skipped = walk_.skipped;
    } else {
        // Another order (or none before): it is walked from its beginning; what is recorded
        // already is passed over, not evaluated again.
        const bool startRecorded = stored && stored->startRecorded;
        walk_ = ExhaustiveState{settings_.options, settings_.shard, startRecorded, settings_.shard.first(), 0};
        counters_.skipped = 0;
    }
    counters_.total = exhaustiveTotal(settings_.options, settings_.shard, startingCombination(project), walk_.startRecorded);
    return files_.writeState(stateText(walk_));
}

bool OptimisationSearch::commit(const Project& project, const CombinationRecord& record, bool economic,
                                const SearchCallbacks& callbacks)
{
    bool newBest = false;
    if (economic) {
        if (!files_.appendEconomic(record)) return false;
        newBest = countEconomic(counters_, record);
    }
    known_.insert(keyOf(record.geometry));
    ++counters_.evaluated;
    const std::string line = optimisationLogLine(counters_.evaluated, record, pipePriceFor(project, record.geometry.diameter));
    if (!files_.appendEvaluated(record, line)) return false;
    if (callbacks.committed) callbacks.committed(CommittedCombination{counters_, record, economic, newBest});
    return true;
}

bool OptimisationSearch::commitSkipped(const Project& project, const Combination& c, const SearchCallbacks& callbacks)
{
    const long double velocity = airVelocity(project.get(Param::luftstrom), c.pipeCount, c.diameter);
    const std::string line = optimisationSkippedLine(c, pipePriceFor(project, c.diameter), velocity, settings_.language);
    if (!files_.appendLogLine(line)) return false;
    walk_.skipped = ++counters_.skipped;
    if (callbacks.skipped) callbacks.skipped(counters_);
    return true;
}

long long OptimisationSearch::combinationsLeftInRange(const Project& project) const
{
    const long double groundwater = project.get(Param::Grundwassertiefe);
    const ExhaustiveOrder order(settings_.options);
    long long left = evaluableInRange(settings_.options, groundwater);
    for (const CombinationKey& key : known_) {
        const Combination c = geometryOf(key);
        if (order.positionOf(c) && !rejectedByGeometry(c, groundwater)) --left;
    }
    return left;
}

SearchEnd OptimisationSearch::run(const Project& project, const SearchCallbacks& callbacks)
{
    struct CloseFiles {
        OptimisationFiles& files;
        ~CloseFiles() { files.close(); }
    } closeFiles{files_};

    const std::optional<CombinationCosting> costing = CombinationCosting::prepare(project, settings_.openHourlyFile);
    if (!costing) return SearchEnd::ReadError;

    const int threads = settings_.threads > 0 ? settings_.threads
                                              : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    std::mutex mutex;
    std::condition_variable workReady, jobDone;
    std::deque<Candidate*> queue;
    std::deque<std::unique_ptr<Candidate>> inFlight;  // in draw order; outlives the workers
    bool stopping = false;
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            for (;;) {
                Candidate* job = nullptr;
                {
                    std::unique_lock lock(mutex);
                    workReady.wait(lock, [&] { return stopping || !queue.empty(); });
                    if (stopping) return;
                    job = queue.front();
                    queue.pop_front();
                }
                job->result = costing->cost(job->combination, &job->hoursDone);
                {
                    std::lock_guard lock(mutex);
                    job->done = true;
                }
                jobDone.notify_all();
            }
        });
    }
    struct StopWorkers {
        std::mutex& mutex;
        std::condition_variable& workReady;
        bool& stopping;
        std::vector<std::thread>& workers;
        ~StopWorkers()
        {
            {
                std::lock_guard lock(mutex);
                stopping = true;
            }
            workReady.notify_all();
            for (std::thread& w : workers) w.join();
        }
    } stopWorkers{mutex, workReady, stopping, workers};
    // Candidates drawn but not committed when the loop ends (a Stop, a file error) were never
    // written to sys/OptKomb.dat: they must stay drawable for "Fortsetzen".
    struct ForgetUncommitted {
        KeySet& known;
        std::deque<std::unique_ptr<Candidate>>& inFlight;
        ~ForgetUncommitted()
        {
            for (const auto& job : inFlight) known.erase(keyOf(job->combination));
        }
    } forgetUncommitted{known_, inFlight};

    const long double groundwater = project.get(Param::Grundwassertiefe);
    std::optional<RandomDraws> draws;
    std::optional<ExhaustiveWalk> walk;
    if (exhaustive()) walk.emplace(settings_.options, settings_.shard, walk_.cursor, groundwater, project.get(Param::luftstrom));
    else draws.emplace(settings_.options, settings_.seed, groundwater, combinationsLeftInRange(project));
    const KnownTest known = [this](const Combination& c) { return known_.count(keyOf(c)) > 0; };
    const auto nextCandidate = [&](Candidate& job) { return walk ? walk->next(job, known) : draws->next(job, known); };
    const auto exhausted = [&] { return walk ? walk->exhausted() : draws->exhausted(); };

    long long started = 0;  // new evaluations this run, committed or in flight
    const std::size_t window = static_cast<std::size_t>(threads) * 4;
    const auto cancelled = [&] { return callbacks.cancel && callbacks.cancel->load(); };
    const auto mayStart = [&] { return settings_.maxCombinations <= 0 || started < settings_.maxCombinations; };

    for (;;) {
        if (cancelled()) return SearchEnd::Cancelled;
        // The random search is done when the count reaches the total, even if combinations
        // evaluated outside today's ranges made it so.
        if (!walk && counters_.evaluated >= counters_.total) break;
        while (inFlight.size() < window && mayStart()) {
            auto job = std::make_unique<Candidate>();
            if (!nextCandidate(*job)) break;
            if (job->skipped) {
                // Nothing to simulate: it waits for its turn in the log, and stays unknown so
                // that a search without the limit evaluates it.
                job->done = true;
            } else {
                known_.insert(keyOf(job->combination));
                ++started;
                std::lock_guard lock(mutex);
                queue.push_back(job.get());
            }
            workReady.notify_one();
            inFlight.push_back(std::move(job));
        }
        if (inFlight.empty()) {
            if (exhausted()) break;
            return SearchEnd::LimitReached;
        }

        Candidate& head = *inFlight.front();
        {
            std::unique_lock lock(mutex);
            while (!head.done) {
                jobDone.wait_for(lock, std::chrono::milliseconds(50));
                if (head.done) break;
                lock.unlock();
                if (callbacks.simulationProgress)
                    callbacks.simulationProgress(head.hoursDone.load(std::memory_order_relaxed) / kHoursPerDay);
                const bool stop = cancelled();
                lock.lock();
                if (stop) return SearchEnd::Cancelled;  // in-flight candidates are not committed
            }
        }
        // Off the in-flight list first: committed (or failed) combinations stay known.
        const std::unique_ptr<Candidate> done = std::move(inFlight.front());
        inFlight.pop_front();
        if (done->skipped) {
            if (!commitSkipped(project, done->combination, callbacks)) return SearchEnd::FileError;
        } else if (done->result.ok) {
            if (callbacks.simulationProgress) callbacks.simulationProgress(kDaysPerYear);
            if (!commit(project, done->result.record, done->result.economic, callbacks)) return SearchEnd::FileError;
        } else {
            --started;  // a failed simulation is skipped and stays known, so it is not drawn again
        }
        if (walk) {
            walk_.cursor = done->position + settings_.shard.count;
            if (!files_.writeState(stateText(walk_))) return SearchEnd::FileError;
        }
    }
    // Every combination in range is evaluated, rejected or skipped.
    if (walk) {
        walk_.cursor = ExhaustiveOrder(settings_.options).size();
        if (!files_.writeState(stateText(walk_))) return SearchEnd::FileError;
    }
    counters_.allDone = true;
    return SearchEnd::AllDone;
}

}  // namespace talp
