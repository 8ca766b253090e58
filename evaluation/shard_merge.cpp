#include "evaluation/shard_merge.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "core/numeric.h"
#include "evaluation/exhaustive_state.h"
#include "evaluation/optimisation_files.h"
#include "evaluation/optimisation_log.h"

namespace talp {

namespace fs = std::filesystem;

namespace {

// A line of a shard's log after the starting combination, with the record behind it.
struct Entry {
    long long position = 0;
    std::string line;
    std::optional<CombinationRecord> record;  // none for a skipped combination
    bool economic = false;
};

struct ShardFiles {
    fs::path folder;
    ExhaustiveState state;
    std::vector<CombinationRecord> evaluated, economic;
    std::vector<std::string> header;
    std::optional<std::string> startLine;
    std::vector<Entry> entries;
};

std::vector<std::string> words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> all;
    for (std::string w; in >> w;) all.push_back(w);
    return all;
}

// The catalogue value written as `text` with `decimals` decimals in the log.
std::optional<long double> catalogueValue(CatalogueParam p, const std::string& text, int decimals)
{
    for (long double v : catalogue(p))
        if (formatFixed(v, decimals) == text) return v;
    return std::nullopt;
}

// The geometry of a skipped combination's log line: number mark, count, length, diameter,
// pipe price, spacing, depth, fan position (0 before, 1 after).
std::optional<Combination> skippedGeometry(const std::string& line)
{
    const std::vector<std::string> w = words(line);
    if (w.size() < 8) return std::nullopt;
    const auto count = catalogueValue(CatalogueParam::PipeCount, w[1], 0);
    const auto length = catalogueValue(CatalogueParam::Length, w[2], 1);
    const auto diameter = catalogueValue(CatalogueParam::Diameter, w[3], 0);
    const auto spacing = catalogueValue(CatalogueParam::Spacing, w[5], 1);  // a single pipe's 1.0 is one of them
    const auto depth = catalogueValue(CatalogueParam::Depth, w[6], 1);
    if (!count || !length || !diameter || !spacing || !depth || (w[7] != "0" && w[7] != "1")) return std::nullopt;
    return Combination{static_cast<int>(*count), *length, *diameter, *spacing, *depth, w[7] == "0"};
}

bool isSkippedLine(const std::string& line) { return line.rfind(kSkippedMark, 0) == 0; }

// The line with its number field replaced by `number`.
std::string renumbered(const std::string& line, long long number)
{
    const std::size_t first = line.find_first_not_of(' ');
    const std::size_t end = first == std::string::npos ? line.size() : line.find(' ', first);
    return formatIntWidth(number, 6) + line.substr(end == std::string::npos ? line.size() : end);
}

std::optional<std::vector<std::string>> readLines(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string describe(const fs::path& folder) { return "'" + folder.string() + "'"; }

// Reads one shard and places each of its log lines in the order; the error says why the
// folder is no complete shard.
std::optional<std::string> readShard(const fs::path& folder, ShardFiles& shard)
{
    const OptimisationPaths paths = OptimisationPaths::in(folder);
    shard.folder = folder;
    const std::optional<ExhaustiveState> state = readState(paths.state);
    if (!state) return describe(folder) + " holds no exhaustive search (" + paths.state.string() + ")";
    shard.state = *state;
    if (!state->complete()) return describe(folder) + ": shard " + std::to_string(state->shard.index) + "/" +
                                   std::to_string(state->shard.count) + " is not finished; continue it first";
    const auto evaluated = readCombinationRecords(paths.evaluated);
    const auto economic = readCombinationRecords(paths.economic);
    const auto log = readLines(paths.log);
    if (!evaluated || !economic || !log) return describe(folder) + ": the record files or the log cannot be read";
    shard.evaluated = *evaluated;
    shard.economic = *economic;

    const std::size_t headerLines = optimisationLogHeader(Language::German, std::tm{}).size();
    if (log->size() < headerLines) return describe(folder) + ": the log has no header";
    shard.header.assign(log->begin(), log->begin() + static_cast<long>(headerLines));
    std::size_t line = headerLines, record = 0, economicRecord = 0;
    const auto damaged = [&](const std::string& what) {
        return describe(folder) + ": " + what + " (log line " + std::to_string(line + 1) + ")";
    };
    const auto isNextEconomic = [&](const CombinationRecord& r) {
        if (economicRecord >= shard.economic.size() || encodeRecord(shard.economic[economicRecord]) != encodeRecord(r))
            return false;
        ++economicRecord;
        return true;
    };
    if (state->startRecorded) {
        if (line >= log->size() || record >= shard.evaluated.size() || isSkippedLine((*log)[line]))
            return damaged("the starting combination is missing");
        shard.startLine = (*log)[line++];
        isNextEconomic(shard.evaluated[record++]);
    }

    const ExhaustiveOrder order(state->options);
    long long previous = -1;
    for (; line < log->size(); ++line) {
        Entry entry;
        entry.line = (*log)[line];
        std::optional<Combination> geometry;
        if (isSkippedLine(entry.line)) {
            geometry = skippedGeometry(entry.line);
            if (!geometry) return damaged("a skipped combination cannot be read");
        } else {
            if (record >= shard.evaluated.size()) return damaged("more log lines than records");
            entry.record = shard.evaluated[record++];
            entry.economic = isNextEconomic(*entry.record);
            geometry = entry.record->geometry;
        }
        const std::optional<long long> position = order.positionOf(*geometry);
        if (!position || !state->shard.contains(*position) || *position <= previous)
            return damaged("a combination out of the shard's order");
        entry.position = previous = *position;
        shard.entries.push_back(std::move(entry));
    }
    if (record != shard.evaluated.size()) return describe(folder) + ": more records than log lines";
    if (economicRecord != shard.economic.size())
        return describe(folder) + ": sys/OptFile.dat holds records that sys/OptKomb.dat does not";
    return std::nullopt;
}

// All shards 1..N of one search, each once, with the same starting combination.
std::optional<std::string> checkShardsBelongTogether(const std::vector<ShardFiles>& shards)
{
    const ExhaustiveState& first = shards.front().state;
    std::vector<bool> seen(static_cast<std::size_t>(first.shard.count), false);
    for (const ShardFiles& s : shards) {
        const ExhaustiveState& state = s.state;
        if (state.shard.count != first.shard.count || !state.sameWalk(first.options, state.shard))
            return describe(s.folder) + " is a shard of another search than " + describe(shards.front().folder);
        if (state.startRecorded != first.startRecorded ||
            (state.startRecorded && encodeRecord(s.evaluated.front()) != encodeRecord(shards.front().evaluated.front())))
            return describe(s.folder) + " started from another combination than " + describe(shards.front().folder);
        if (seen[static_cast<std::size_t>(state.shard.index - 1)])
            return "shard " + std::to_string(state.shard.index) + " is given twice";
        seen[static_cast<std::size_t>(state.shard.index - 1)] = true;
    }
    for (std::size_t k = 0; k < seen.size(); ++k)
        if (!seen[k]) return "shard " + std::to_string(k + 1) + "/" + std::to_string(seen.size()) + " is missing";
    return std::nullopt;
}

bool writeAll(const fs::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

void appendRecord(std::string& bytes, const CombinationRecord& record)
{
    const CombinationBytes encoded = encodeRecord(record);
    bytes.append(reinterpret_cast<const char*>(encoded.data()), encoded.size());
}

}  // namespace

MergeOutcome mergeShards(const std::vector<fs::path>& shardFolders, const fs::path& output)
{
    MergeOutcome outcome;
    if (shardFolders.empty()) {
        outcome.error = "no shard folders given";
        return outcome;
    }
    std::error_code ec;
    std::vector<ShardFiles> shards(shardFolders.size());
    for (std::size_t i = 0; i < shardFolders.size(); ++i) {
        if (fs::equivalent(shardFolders[i], output, ec)) {
            outcome.error = "the merged files cannot go into the shard folder " + describe(output);
            return outcome;
        }
        if ((outcome.error = readShard(shardFolders[i], shards[i]))) return outcome;
    }
    if ((outcome.error = checkShardsBelongTogether(shards))) return outcome;

    std::vector<Entry> entries;
    for (ShardFiles& s : shards)
        std::move(s.entries.begin(), s.entries.end(), std::back_inserter(entries));
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.position < b.position; });

    const ShardFiles& first = *std::find_if(shards.begin(), shards.end(), [](const ShardFiles& s) { return s.state.shard.index == 1; });
    std::string evaluated, economic, log;
    for (const std::string& line : first.header) log += line + "\n";
    if (first.startLine) {
        const CombinationRecord& start = first.evaluated.front();
        appendRecord(evaluated, start);
        if (!first.economic.empty() && encodeRecord(first.economic.front()) == encodeRecord(start)) {
            appendRecord(economic, start);
            ++outcome.economic;
        }
        log += renumbered(*first.startLine, ++outcome.evaluated) + "\n";
    }
    for (const Entry& e : entries) {
        if (!e.record) {
            log += e.line + "\n";
            ++outcome.skipped;
            continue;
        }
        appendRecord(evaluated, *e.record);
        if (e.economic) {
            appendRecord(economic, *e.record);
            ++outcome.economic;
        }
        log += renumbered(e.line, ++outcome.evaluated) + "\n";
    }

    ExhaustiveState merged = first.state;
    merged.shard = Shard{};
    merged.cursor = ExhaustiveOrder(merged.options).size();
    merged.skipped = outcome.skipped;

    const OptimisationPaths paths = OptimisationPaths::in(output);
    fs::create_directories(paths.evaluated.parent_path(), ec);
    if (!writeAll(paths.evaluated, evaluated) || !writeAll(paths.economic, economic) || !writeAll(paths.log, log) ||
        !writeAll(paths.state, stateText(merged)))
        outcome.error = "the merged files cannot be written to " + describe(output);
    return outcome;
}

}  // namespace talp
