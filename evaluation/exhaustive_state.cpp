#include "evaluation/exhaustive_state.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "core/numeric.h"

namespace talp {

namespace {

constexpr const char* kHeading = "TALP - vollstaendige Suche";

// Fixed width, so that rewriting the file in place never leaves a longer old text behind.
std::string counter(long long value)
{
    std::string digits = std::to_string(value);
    return std::string(digits.size() < 12 ? 12 - digits.size() : 0, '0') + digits;
}

}  // namespace

bool ExhaustiveState::sameWalk(const OptimisationOptions& o, const Shard& s) const
{
    return options.ranges == o.ranges && options.fan == o.fan && options.maxAirVelocity == o.maxAirVelocity && shard == s;
}

std::string stateText(const ExhaustiveState& state)
{
    std::string text = std::string(kHeading) + "\nranges";
    for (const IndexRange& r : state.options.ranges)
        text += " " + std::to_string(r.min) + ".." + std::to_string(r.max);
    text += "\nfan " + std::to_string(static_cast<int>(state.options.fan));
    text += "\nmax-velocity " + (state.options.maxAirVelocity ? formatFixed(*state.options.maxAirVelocity, 2) : "-");
    text += "\nshard " + std::to_string(state.shard.index) + "/" + std::to_string(state.shard.count);
    text += "\nstart " + std::string(state.startRecorded ? "1" : "0");
    text += "\ncursor " + counter(state.cursor);
    text += "\nskipped " + counter(state.skipped) + "\n";
    return text;
}

std::optional<ExhaustiveState> parseState(const std::string& text)
{
    std::istringstream in(text);
    std::string line, word;
    if (!std::getline(in, line) || line != kHeading) return std::nullopt;
    ExhaustiveState state;
    state.options.exhaustive = true;
    const auto expect = [&](const char* name) { return static_cast<bool>(in >> word) && word == name; };

    if (!expect("ranges")) return std::nullopt;
    for (int p = 0; p < kCatalogueParams; ++p) {
        IndexRange& r = state.options.ranges[static_cast<std::size_t>(p)];
        char dot1 = 0, dot2 = 0;
        if (!(in >> r.min >> dot1 >> dot2 >> r.max) || dot1 != '.' || dot2 != '.') return std::nullopt;
        const int values = static_cast<int>(catalogue(static_cast<CatalogueParam>(p)).size());
        if (r.min < 0 || r.min > r.max || r.max >= values) return std::nullopt;
    }
    int fan = -1;
    if (!expect("fan") || !(in >> fan) || fan < 0 || fan > 2) return std::nullopt;
    state.options.fan = static_cast<FanPosition>(fan);
    if (!expect("max-velocity") || !(in >> word)) return std::nullopt;
    if (word != "-") {
        long double limit = 0;
        if (!parseNumber(word, limit) || !(limit > 0)) return std::nullopt;
        state.options.maxAirVelocity = roundedAirVelocityLimit(limit);
    }
    char slash = 0;
    if (!expect("shard") || !(in >> state.shard.index >> slash >> state.shard.count) || slash != '/' ||
        state.shard.count < 1 || state.shard.index < 1 || state.shard.index > state.shard.count)
        return std::nullopt;
    int start = -1;
    if (!expect("start") || !(in >> start) || (start != 0 && start != 1)) return std::nullopt;
    state.startRecorded = start == 1;
    if (!expect("cursor") || !(in >> state.cursor) || state.cursor < 0) return std::nullopt;
    if (!expect("skipped") || !(in >> state.skipped) || state.skipped < 0) return std::nullopt;
    return state;
}

std::optional<ExhaustiveState> readState(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    return parseState({std::istreambuf_iterator<char>(in), {}});
}

}  // namespace talp
