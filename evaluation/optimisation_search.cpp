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

#include "core/calculation_run.h"
#include "core/fast_simulation.h"
#include "core/numeric.h"
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

// Every combination the ranges hold, once each.
template <typename Visit>
void forEachCombinationInRange(const OptimisationOptions& o, Visit visit)
{
    std::vector<bool> fans;
    if (o.fan != FanPosition::After) fans.push_back(true);
    if (o.fan != FanPosition::Before) fans.push_back(false);
    const std::array<long double, 1> singleSpacing{1.0L};
    for (bool fan : fans)
        for (long double depth : o.valuesInRange(CatalogueParam::Depth))
            for (long double length : o.valuesInRange(CatalogueParam::Length))
                for (long double count : o.valuesInRange(CatalogueParam::PipeCount))
                    for (long double diameter : o.valuesInRange(CatalogueParam::Diameter)) {
                        const auto spacings = count >= 2 ? o.valuesInRange(CatalogueParam::Spacing)
                                                         : std::span<const long double>(singleSpacing);
                        for (long double spacing : spacings)
                            visit(Combination{static_cast<int>(count), length, diameter, spacing, depth, fan});
                    }
}

RunGeometry candidateGeometry(const Project& p, const Combination& c)
{
    RunGeometry g;
    g.pipeCount = c.pipeCount;
    g.day = kFullYear;
    g.fanBefore = c.fanBefore;
    g.pipeLength = c.length;
    g.pipeRadiusMm = c.diameter / 2.0L;
    g.spacing = c.spacing;
    g.depth = c.depth;
    g.buildingDistance = p.get(Param::AbsGebaeude);
    return g;
}

// The lines of the building file, read once and handed to the costing of every candidate.
class ReplayedFile : public HourlyReader {
public:
    explicit ReplayedFile(const std::vector<HourlyValues>& lines) : lines_(lines) {}
    bool readLine(HourlyValues& values) override
    {
        if (next_ >= lines_.size()) return false;
        values = lines_[next_++];
        return true;
    }

private:
    const std::vector<HourlyValues>& lines_;
    std::size_t next_ = 0;
};

// One drawn combination on its way through a worker.
struct Candidate {
    Combination combination;
    std::atomic<int> hoursDone{0};
    bool done = false;       // guarded by the search's mutex
    bool simulated = false;  // the simulation and the costing succeeded
    CombinationRecord record;
    bool economic = false;
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

bool isEconomic(bool rateFound, const EconomicsResults& e)
{
    return rateFound && e.InternerZinssatz > 0.0L && e.Amortisationszeit < kPaybackHorizon;
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

StartOutcome OptimisationSearch::startNew(const Project& project, const OptimisationSettings& settings)
{
    settings_ = settings;
    counters_ = SearchCounters{};
    known_.clear();
    hasState_ = false;
    if (auto refusal = groundwaterRefusal(project)) return {false, refusal, std::nullopt, false, {}};
    if (!files_.create(paths(), optimisationLogHeader(settings.language, settings.calculatedAt)))
        return {false, std::string(kOptimisationFileError.in(settings.language)), std::nullopt, false, {}};
    hasState_ = true;

    const Combination start = startingCombination(project);
    counters_.total = totalCombinations(settings.options, start);
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
        counters_.total -= startOutsideRanges;
        return {true, std::nullopt, std::nullopt, false, std::move(run.messages)};
    }

    const CombinationRecord record{start, results.HeatingEnergy + results.CoolingEnergy, economics.InternerZinssatz};
    const bool economic = isEconomic(rateFound, economics);
    if (!commit(project, record, economic, {}))
        return {false, std::string(kOptimisationFileError.in(settings.language)), record, economic, {}};
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
    if (!files_.openForAppend(paths()))
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

long long OptimisationSearch::combinationsLeftInRange(const Project& project) const
{
    const long double groundwater = project.get(Param::Grundwassertiefe);
    long long left = 0;
    forEachCombinationInRange(settings_.options, [&](const Combination& c) {
        if (!rejectedByGeometry(c, groundwater) && !known_.count(keyOf(c))) ++left;
    });
    return left;
}

SearchEnd OptimisationSearch::run(const Project& project, const SearchCallbacks& callbacks)
{
    struct CloseFiles {
        OptimisationFiles& files;
        ~CloseFiles() { files.close(); }
    } closeFiles{files_};

    const std::optional<FastHourlyInputs> inputs = prepareFastInputs(project, settings_.openHourlyFile);
    if (!inputs) return SearchEnd::ReadError;
    std::vector<HourlyValues> buildingLines;
    if (ventilationFileInUse(project)) {
        std::unique_ptr<HourlyReader> reader =
            settings_.openHourlyFile ? settings_.openHourlyFile(project.buildingCoupling) : nullptr;
        if (!reader) return SearchEnd::ReadError;
        HourlyValues line{};
        while (buildingLines.size() < static_cast<std::size_t>(kHoursPerYear) && reader->readLine(line))
            buildingLines.push_back(line);
    }
    const HourlyFileOpener replay = [&buildingLines](const CouplingRecord&) {
        return std::make_unique<ReplayedFile>(buildingLines);
    };

    // Simulating and costing one candidate: the part the workers do.
    const auto evaluate = [&](Candidate& job) {
        const Combination& c = job.combination;
        FastRunResults run;
        if (!fastAnnualRun(project, *inputs, candidateGeometry(project, c), run, false, &job.hoursDone).ok) return;
        EconomicsResults economics;
        const RunTotals totals{run.HeatingEnergy, run.CoolingEnergy, run.OperatingHours};
        const EconomicsOutcome costed =
            KostenRechnung(project, {c.pipeCount, c.diameter / 2.0L, c.length, c.depth}, totals, replay, economics);
        if (costed.error) return;
        job.record = CombinationRecord{c, run.HeatingEnergy + run.CoolingEnergy, economics.InternerZinssatz};
        job.economic = isEconomic(costed.rateFound, economics);
        job.simulated = true;
    };

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
                evaluate(*job);
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

    SearchRandom random(settings_.seed);
    const long double groundwater = project.get(Param::Grundwassertiefe);
    // The geometries in range that are neither evaluated nor rejected by the depth and
    // groundwater rules: when none is left, the search is done even if rejected or failed
    // combinations keep the count below the total.
    long long left = combinationsLeftInRange(project);
    long long started = 0;  // new evaluations this run, committed or in flight
    const std::size_t window = static_cast<std::size_t>(threads) * 4;

    const auto cancelled = [&] { return callbacks.cancel && callbacks.cancel->load(); };
    const auto mayDraw = [&] {
        return left > 0 && (settings_.maxCombinations <= 0 || started < settings_.maxCombinations);
    };

    for (;;) {
        if (cancelled()) return SearchEnd::Cancelled;
        if (counters_.evaluated >= counters_.total) break;
        while (inFlight.size() < window && mayDraw()) {
            // Draw until a combination passes the rejections: the geometry rules and the
            // duplicate test against every evaluated (and every pending) geometry.
            Combination c;
            CombinationKey key;
            do {
                c = drawCombination(settings_.options, random);
                key = keyOf(c);
            } while (rejectedByGeometry(c, groundwater) || known_.count(key));
            known_.insert(key);
            --left;
            ++started;
            auto job = std::make_unique<Candidate>();
            job->combination = c;
            {
                std::lock_guard lock(mutex);
                queue.push_back(job.get());
            }
            workReady.notify_one();
            inFlight.push_back(std::move(job));
        }
        if (inFlight.empty()) {
            if (left == 0) break;
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
        if (done->simulated) {
            if (callbacks.simulationProgress) callbacks.simulationProgress(kDaysPerYear);
            if (!commit(project, done->record, done->economic, callbacks)) return SearchEnd::FileError;
        } else {
            --started;  // a failed simulation is skipped and stays known, so it is not drawn again
        }
    }
    // Every combination in range is evaluated or rejected.
    counters_.allDone = true;
    return SearchEnd::AllDone;
}

}  // namespace talp
