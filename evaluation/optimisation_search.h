#pragma once
// The geometry optimisation: draws pipe geometries at random among the catalogue values
// within the ranges, or walks every one of them in a fixed order (the exhaustive search),
// simulates and costs each one, keeps every evaluated combination in the files and the
// best by energy and by internal rate of return.
//
// Candidates are simulated by worker threads; the results are committed to the files and
// the bookkeeping in the order they were drawn or walked, so a seed (or the order) gives the
// same files whatever the number of threads. A window runs `run` on a worker thread of its
// own and shows the callbacks' counters; cancelling takes effect between two commits, and
// candidates still under way are forgotten, so that continuing evaluates them.

#include <atomic>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <unordered_set>

#include "core/hourly_input.h"
#include "core/project.h"
#include "core/texts.h"
#include "evaluation/combination_costing.h"
#include "evaluation/combination_record.h"
#include "evaluation/economics.h"
#include "evaluation/exhaustive_state.h"
#include "evaluation/optimisation_catalogue.h"
#include "evaluation/optimisation_files.h"

namespace talp {

// The search state of the program run.
struct SearchCounters {
    long long evaluated = 0;          // LabelAnzahl
    long long economic = 0;           // LabelSinnvoll
    long double bestEnergy = 1e-6L;   // below any real result
    long long bestEnergyRecord = -1;  // record number in sys/OptFile.dat, from 0
    long double bestRate = 1e-5L;
    long long bestRateRecord = -1;
    long long total = 0;
    long long skipped = 0;            // above the exhaustive search's velocity limit
    bool allDone = false;

    bool hasEconomic() const { return economic > 0; }
};

struct OptimisationSettings {
    OptimisationOptions options;
    std::filesystem::path directory;  // holds sys/OptFile.dat, sys/OptKomb.dat, Optimum.log
    Language language = Language::German;
    std::uint64_t seed = 0;           // the search's random draws
    int threads = 0;                  // 0: one per core
    long long maxCombinations = 0;    // stop after this many new evaluations; 0: no limit
    Shard shard;                      // the part of the exhaustive order this search walks
    HourlyFileOpener openHourlyFile;  // the climate and building files, when the project uses them
    std::tm calculatedAt{};           // the log's date line
};

// What a window shows after each committed combination.
struct CommittedCombination {
    const SearchCounters& counters;
    const CombinationRecord& record;
    bool economic;      // plotted and appended to sys/OptFile.dat
    bool newBest;       // the chart's axes follow the best values
};

struct SearchCallbacks {
    std::function<void(const CommittedCombination&)> committed;
    // A combination of the exhaustive search logged as skipped for its air velocity.
    std::function<void(const SearchCounters&)> skipped;
    // The simulation of the next combination to commit: days done of 365.
    std::function<void(int day)> simulationProgress;
    const std::atomic<bool>* cancel = nullptr;
};

enum class SearchEnd {
    AllDone,       // every combination in range evaluated or rejected
    Cancelled,
    LimitReached,  // maxCombinations new evaluations
    FileError,     // a file could not be written: "Fehler beim Erstellen der Datei."
    ReadError,     // the project's climate or building file could not be read
};

inline constexpr Text kAllCombinationsDone{"Alle Kombinationen wurden berechnet !", "All combinations calculated !"};
inline constexpr Text kOptimisationFileError{"Fehler beim Erstellen der Datei.", "Error writing file!"};
inline constexpr Text kOptimisationReadError{"Fehler beim Lesen der Datei.", "Error reading file!"};
inline constexpr Text kNoEconomicCombination{"Es wurde keine wirtschaftliche Kombination gefunden.",
                                             "No economic combination found."};

struct StartOutcome {
    bool ok = false;
    std::optional<std::string> message;  // the refusal or the file error, for a message box
    std::optional<CombinationRecord> start;  // the starting combination, when its run succeeded
    bool startEconomic = false;
    // When the starting run failed: its messages, as the calculation run shows them (the
    // parameter error, then that this exchanger cannot be calculated). The search goes on.
    std::vector<Message> startMessages;
};

// Counts an economic combination, the next record of sys/OptFile.dat, and keeps the best by
// energy and by internal rate; true when it became one of them.
bool countEconomic(SearchCounters& counters, const CombinationRecord& record);

class OptimisationSearch {
public:
    // "Neu starten": refuses a groundwater too shallow for any catalogue geometry, creates the
    // files anew, costs the pipe form's geometry as the starting combination (with the
    // extended-precision simulation) and sets the total.
    StartOutcome startNew(const Project& project, const OptimisationSettings& settings);
    // "Fortsetzen": re-opens the files after their last records. The counters and best values
    // are those of the previous search of this object; a fresh object (a new program run)
    // reads them back from the files. An exhaustive search goes on at the position where it
    // stopped when its ranges, velocity limit and shard are those it was walking; otherwise
    // it walks the order from its beginning. Either way no combination already recorded is
    // evaluated again.
    StartOutcome continueSearch(const Project& project, const OptimisationSettings& settings);

    // The search loop, until all combinations are done, the limit is reached, the user
    // cancels or a file cannot be written. The files are closed afterwards.
    SearchEnd run(const Project& project, const SearchCallbacks& callbacks);

    const SearchCounters& counters() const { return counters_; }
    const OptimisationSettings& settings() const { return settings_; }
    OptimisationPaths paths() const { return OptimisationPaths::in(settings_.directory); }

private:
    struct KeyHash {
        std::size_t operator()(const CombinationKey& key) const;
    };
    using KeySet = std::unordered_set<CombinationKey, KeyHash>;

    // Files and bookkeeping of one evaluated combination; false when a file cannot be written.
    bool commit(const Project& project, const CombinationRecord& record, bool economic, const SearchCallbacks& callbacks);
    // The log line and the count of a combination skipped for its air velocity.
    bool commitSkipped(const Project& project, const Combination& combination, const SearchCallbacks& callbacks);
    bool readStateFromFiles(const Project& project);
    // The exhaustive search's walk: begun anew, or resumed from memory or from its file.
    bool beginWalk(bool startRecorded);
    bool resumeWalk(const Project& project, bool sameSearch);
    long long combinationsLeftInRange(const Project& project) const;
    bool exhaustive() const { return settings_.options.exhaustive; }

    OptimisationSettings settings_;
    SearchCounters counters_;
    OptimisationFiles files_;
    KeySet known_;   // the geometries of sys/OptKomb.dat, and those whose simulation failed
    ExhaustiveState walk_;  // the exhaustive search's place in its order
    bool hasState_ = false;
};

// The total of an exhaustive search: the positions of its part of the order, and the
// starting combination when it was evaluated and is none of them.
long long exhaustiveTotal(const OptimisationOptions& options, const Shard& shard, const Combination& start,
                          bool startRecorded);

// The pipe price per metre for a combination's diameter: the price scales with the square
// of the diameter against the one on the pipe form.
long double pipePriceFor(const Project& project, long double diameter);


}  // namespace talp
