// talp-cli optimise: the geometry optimisation without a window. Progress on a terminal,
// a JSON summary at the end; Ctrl+C stops between two combinations and keeps every record.
// The exhaustive search can be split into shards for several machines, and the Pareto
// front of the records written as a CSV file.

#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <memory>
#include <sstream>
#include <unistd.h>

#include "cli/climate_options.h"
#include "cli/commands.h"
#include "cli/project_source.h"
#include "core/numeric.h"
#include "evaluation/front_csv.h"
#include "evaluation/optimisation_search.h"
#include "evaluation/trade_off.h"

namespace talp::cli {

namespace {

using nlohmann::ordered_json;

std::atomic<bool> interrupted{false};
extern "C" void onInterrupt(int) { interrupted = true; }

struct RangeName {
    const char* name;
    CatalogueParam parameter;
};
constexpr RangeName kRangeNames[] = {{"rohranzahl", CatalogueParam::PipeCount},
                                     {"rohrlnge", CatalogueParam::Length},
                                     {"rohrdurchmesser", CatalogueParam::Diameter},
                                     {"AbstandzwRohren", CatalogueParam::Spacing},
                                     {"verlegungstiefe", CatalogueParam::Depth}};

int catalogueIndex(CatalogueParam parameter, const std::string& text, const std::string& name)
{
    long double value = 0;
    const auto values = catalogue(parameter);
    if (parseNumber(text, value))
        for (std::size_t i = 0; i < values.size(); ++i)
            if (values[i] == value) return static_cast<int>(i);
    std::string list;
    for (long double v : values) list += (list.empty() ? "" : " ") + formatGeneral(v);
    throw UsageError{"--ranges: " + name + " must be one of " + list + ", not '" + text + "'"};
}

// "rohranzahl=1..4,rohrdurchmesser=100..500,fan=before": catalogue values by control name,
// and the fan position either, before or after.
OptimisationOptions parseRanges(const std::string& entry)
{
    OptimisationOptions options;
    std::stringstream items(entry);
    for (std::string item; std::getline(items, item, ',');) {
        const std::size_t equals = item.find('=');
        if (equals == std::string::npos) throw UsageError{"--ranges: '" + item + "' is no name=min..max"};
        const std::string name = item.substr(0, equals), value = item.substr(equals + 1);
        if (name == "fan") {
            if (value == "either") options.fan = FanPosition::Either;
            else if (value == "before") options.fan = FanPosition::Before;
            else if (value == "after") options.fan = FanPosition::After;
            else throw UsageError{"--ranges: fan must be either, before or after"};
            continue;
        }
        const RangeName* range = nullptr;
        for (const RangeName& r : kRangeNames)
            if (name == r.name) range = &r;
        if (!range) throw UsageError{"--ranges: unknown parameter '" + name + "'"};
        const std::size_t dots = value.find("..");
        const std::string low = dots == std::string::npos ? value : value.substr(0, dots);
        const std::string high = dots == std::string::npos ? value : value.substr(dots + 2);
        options.range(range->parameter) =
            orderedRange(catalogueIndex(range->parameter, low, name), catalogueIndex(range->parameter, high, name));
    }
    return options;
}

ordered_json recordJson(const OptimisationSearch& search, long long index)
{
    if (index < 0) return nullptr;
    const auto record = readCombinationRecord(search.paths().economic, index);
    if (!record) throw CommandFailure{std::string(kOptimisationReadError.de)};
    const Combination& c = record->geometry;
    return {{"record", index},
            {"rohranzahl", c.pipeCount},
            {"rohrlnge", num(c.length)},
            {"rohrdurchmesser", num(c.diameter)},
            {"AbstandzwRohren", num(c.spacing)},
            {"verlegungstiefe", num(c.depth)},
            {"VentilatorVor", c.fanBefore ? 1 : 0},
            {"Energiebeitrag", num(record->energy)},
            {"InternerZinssatz", num(record->internalRate)}};
}

const char* endName(SearchEnd end)
{
    switch (end) {
    case SearchEnd::AllDone: return "all-done";
    case SearchEnd::Cancelled: return "cancelled";
    case SearchEnd::LimitReached: return "limit";
    case SearchEnd::FileError: return "file-error";
    case SearchEnd::ReadError: return "read-error";
    }
    return "";
}

// A bar on the terminal, redrawn at most ten times a second.
class ProgressBar {
public:
    explicit ProgressBar(bool shown) : shown_(shown) {}
    void show(const SearchCounters& c, bool force = false)
    {
        if (!shown_) return;
        const auto now = std::chrono::steady_clock::now();
        if (!force && now - last_ < std::chrono::milliseconds(100)) return;
        last_ = now;
        const double share = c.total > 0 ? static_cast<double>(c.evaluated) / static_cast<double>(c.total) : 0.0;
        const int filled = static_cast<int>(share * 30.0 + 0.5);
        std::fprintf(stderr, "\r[%s%s] %lld/%lld evaluated, %lld economic", std::string(static_cast<std::size_t>(filled), '#').c_str(),
                     std::string(static_cast<std::size_t>(30 - filled), '.').c_str(), c.evaluated, c.total, c.economic);
        std::fflush(stderr);
    }
    void finish()
    {
        if (shown_) std::fputc('\n', stderr);
    }

private:
    bool shown_;
    std::chrono::steady_clock::time_point last_{};
};

// "K/N", the K-th of N shards.
Shard parseShard(const std::string& text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) throw UsageError{"--shard: '" + text + "' is no K/N"};
    Shard shard;
    shard.count = wholeNumber(text.substr(slash + 1), 1, 1000000, "--shard: N");
    shard.index = wholeNumber(text.substr(0, slash), 1, shard.count, "--shard: K");
    return shard;
}

long double parseVelocity(const std::string& text)
{
    long double velocity = 0;
    if (!parseNumber(text, velocity) || !(velocity > 0) || velocity > 1000)
        throw UsageError{"--max-velocity: '" + text + "' is no air velocity in m/s above 0"};
    return roundedAirVelocityLimit(velocity);
}

// The Pareto front of the record files, costed again and written as CSV.
ordered_json writePareto(const Project& project, const OptimisationSearch& search, const std::string& file,
                         FrontView view, Language language)
{
    const auto records = readCombinationRecords(search.paths().economic);
    const auto costing = CombinationCosting::prepare(project, search.settings().openHourlyFile);
    if (!records || !costing) throw CommandFailure{std::string(kOptimisationReadError.de)};
    const TradeOff tradeOff = tradeOffOf(project, search.settings().options, *records, *costing);
    if (!writeFrontCsv(file, tradeOff, view, language)) throw CommandFailure{std::string(kOptimisationFileError.de)};
    return {{"file", file}, {"points", tradeOff.front(view).size()}};
}

// The optimisation as its command line asks for it.
struct OptimiseLine {
    ProjectArguments project;
    std::string ranges;
    std::string directory;  // empty: the installation's writable folder
    int seed = 0;
    const CLI::Option* seedGiven = nullptr;  // without a seed the clock gives one
    int threads = 0;                         // 0: one per core
    int maxCombinations = 0;                 // 0: no limit
    bool continued = false;
    bool exhaustive = false;
    std::string shard;        // "K/N"
    std::string maxVelocity;  // m/s
    std::string pareto;       // the front's CSV file
    std::string paretoBy = "rate";
    std::string language = "de";
};

void optimise(const OptimiseLine& line)
{
    const Project project = projectOf(line.project);

    if (!line.exhaustive && !(line.shard.empty() && line.maxVelocity.empty()))
        throw UsageError{(line.shard.empty() ? "--max-velocity" : "--shard") + std::string(" needs --exhaustive")};
    OptimisationSettings settings;
    if (!line.ranges.empty()) settings.options = parseRanges(line.ranges);
    settings.options.exhaustive = line.exhaustive;
    if (!line.maxVelocity.empty()) settings.options.maxAirVelocity = parseVelocity(line.maxVelocity);
    if (!line.shard.empty()) settings.shard = parseShard(line.shard);
    settings.language = line.language == "en" ? Language::English : Language::German;
    settings.directory = line.directory.empty() ? cliInstallation().writableDir : std::filesystem::path(line.directory);
    const std::time_t now = std::time(nullptr);
    settings.seed = static_cast<std::uint64_t>(*line.seedGiven ? line.seed : now);
    settings.threads = line.threads;
    settings.maxCombinations = line.maxCombinations;
    settings.openHourlyFile = calculationRequest(kFullYear).openHourlyFile;
    localtime_r(&now, &settings.calculatedAt);

    OptimisationSearch search;
    const StartOutcome start =
        line.continued ? search.continueSearch(project, settings) : search.startNew(project, settings);
    if (!start.ok) throw CommandFailure{start.message.value_or(std::string(kOptimisationFileError.de))};

    ProgressBar bar(::isatty(STDERR_FILENO) != 0);
    SearchCallbacks callbacks;
    callbacks.cancel = &interrupted;
    callbacks.committed = [&](const CommittedCombination& c) { bar.show(c.counters); };
    interrupted = false;
    // Ctrl+C and a batch system's SIGTERM are the Stop button: what is committed stays, and
    // --continue goes on from the files.
    const auto previousInt = std::signal(SIGINT, onInterrupt);
    const auto previousTerm = std::signal(SIGTERM, onInterrupt);
    const SearchEnd end = search.run(project, callbacks);
    std::signal(SIGINT, previousInt);
    std::signal(SIGTERM, previousTerm);
    bar.show(search.counters(), true);
    bar.finish();

    const SearchCounters& c = search.counters();
    if (end == SearchEnd::FileError) throw CommandFailure{std::string(kOptimisationFileError.de)};
    if (end == SearchEnd::ReadError) throw CommandFailure{std::string(kOptimisationReadError.de)};
    if (end == SearchEnd::AllDone) std::cerr << kAllCombinationsDone.de << "\n";
    if (!c.hasEconomic()) std::cerr << kNoEconomicCombination.de << "\n";

    ordered_json summary = {{"end", endName(end)},
                            {"mode", line.exhaustive ? "exhaustive" : "random"},
                            {"evaluated", c.evaluated},
                            {"economic", c.economic},
                            {"skipped", c.skipped},
                            {"total", c.total},
                            {"allDone", c.allDone}};
    if (line.exhaustive) summary["shard"] = std::to_string(settings.shard.index) + "/" + std::to_string(settings.shard.count);
    else summary["seed"] = settings.seed;
    summary["bestEnergy"] = recordJson(search, c.bestEnergyRecord);
    summary["bestRate"] = recordJson(search, c.bestRateRecord);
    summary["files"] = {{"OptFile", search.paths().economic.string()},
                        {"OptKomb", search.paths().evaluated.string()},
                        {"log", search.paths().log.string()}};
    if (!line.pareto.empty())
        summary["pareto"] = writePareto(project, search, line.pareto,
                                        line.paretoBy == "investment" ? FrontView::InvestmentAndEnergy : FrontView::RateAndEnergy,
                                        settings.language);
    std::cout << summary.dump(2) << "\n";
}

}  // namespace

CommandAction optimiseCommand(CLI::App& command)
{
    const auto line = std::make_shared<OptimiseLine>();
    addProjectArguments(command, line->project);
    line->seedGiven = command.add_option("--seed", line->seed, "the seed of the random draws, 0..2147483647 (default: the clock)")
                          ->type_name("N")
                          ->transform(WholeNumber(0, 2147483647));
    command.add_option("--max-combinations", line->maxCombinations, "stop after K more combinations (default: no limit)")
        ->type_name("K")
        ->transform(WholeNumber(1, 2147483647));
    command.add_option("--threads", line->threads, "calculate on T threads, 1..256 (default: one per core)")
        ->type_name("T")
        ->transform(WholeNumber(1, 256));
    command
        .add_option("--dir", line->directory,
                    "the folder of the result files (default: TALP's own, ~/.local/share/talp when installed)")
        ->type_name("DIR");
    command
        .add_option("--ranges", line->ranges,
                    "the catalogue values searched, by control name: rohranzahl, rohrlnge, rohrdurchmesser, "
                    "AbstandzwRohren, verlegungstiefe as name=min..max, fan=either|before|after; e.g. "
                    "rohranzahl=1..4,rohrdurchmesser=100..500,fan=before (default: the whole catalogue)")
        ->type_name("LIST");
    command.add_flag("--continue", line->continued, "go on with the search in the folder instead of starting anew");
    command.add_flag("--exhaustive", line->exhaustive,
                     "every combination of the ranges once, in a fixed order, instead of random draws; --continue goes "
                     "on where it stopped when given the same --ranges, --max-velocity and --shard");
    command.add_option("--shard", line->shard,
                       "with --exhaustive: walk the K-th of N disjoint parts of the order (optimise-merge joins them)")
        ->type_name("K/N");
    command.add_option("--max-velocity", line->maxVelocity,
                       "with --exhaustive: leave combinations with air faster than V m/s out (logged as skipped)")
        ->type_name("V");
    command.add_option("--pareto", line->pareto,
                       "write the Pareto front of the records as CSV (';' and decimal comma in German, ',' and '.' in English)")
        ->type_name("FRONT.csv");
    command.add_option("--pareto-by", line->paretoBy,
                       "the front of rate (internal rate of return against energy, the default) or of investment")
        ->type_name("KIND")
        ->check(CLI::IsMember({"rate", "investment"}).description(""));
    command.add_option("--lang", line->language, "the language of the log and the front's file: de (the default) or en")
        ->type_name("de|en")
        ->check(CLI::IsMember({"de", "en"}).description(""));
    return [line] {
        optimise(*line);
        return 0;
    };
}

}  // namespace talp::cli
