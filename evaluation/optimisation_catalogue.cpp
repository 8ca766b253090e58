#include "evaluation/optimisation_catalogue.h"

#include <algorithm>

#include "core/air_velocity.h"
#include "core/numeric.h"

namespace talp {

namespace {

constexpr std::array<long double, 10> kPipeCounts{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
constexpr std::array<long double, 11> kLengths{1, 2, 5, 10, 20, 30, 50, 75, 100, 150, 200};
constexpr std::array<long double, 14> kDiameters{25, 50, 75, 100, 150, 200, 250, 300, 400, 500, 750, 1000, 1500, 2000};
// Spacing and laying depth share one table.
constexpr std::array<long double, 8> kDistances{0.5L, 0.7L, 1, 2, 3, 5, 7.5L, 10};

}  // namespace

std::span<const long double> catalogue(CatalogueParam parameter)
{
    switch (parameter) {
    case CatalogueParam::PipeCount: return kPipeCounts;
    case CatalogueParam::Length: return kLengths;
    case CatalogueParam::Diameter: return kDiameters;
    case CatalogueParam::Spacing:
    case CatalogueParam::Depth: break;
    }
    return kDistances;
}

std::array<IndexRange, kCatalogueParams> OptimisationOptions::defaultRanges()
{
    std::array<IndexRange, kCatalogueParams> ranges{};
    for (int p = 0; p < kCatalogueParams; ++p)
        ranges[static_cast<std::size_t>(p)] = {0, static_cast<int>(catalogue(static_cast<CatalogueParam>(p)).size()) - 1};
    return ranges;
}

std::span<const long double> OptimisationOptions::valuesInRange(CatalogueParam p) const
{
    const IndexRange r = range(p);
    return catalogue(p).subspan(static_cast<std::size_t>(r.min), static_cast<std::size_t>(r.max - r.min + 1));
}

bool OptimisationOptions::inRange(CatalogueParam p, long double value) const
{
    const auto values = valuesInRange(p);
    return std::find(values.begin(), values.end(), value) != values.end();
}

IndexRange orderedRange(int first, int second) { return {std::min(first, second), std::max(first, second)}; }

Combination startingCombination(const Project& p)
{
    Combination c;
    c.pipeCount = p.getInt(Param::rohranzahl);
    c.length = p.get(Param::rohrlnge);
    c.diameter = p.get(Param::rohrdurchmesser);
    c.spacing = c.pipeCount >= 2 ? p.get(Param::AbstandzwRohren) : 1.0L;
    c.depth = p.get(Param::verlegungstiefe);
    c.fanBefore = p.isChecked(Param::VentilatorVor);
    return c;
}

bool inRange(const OptimisationOptions& o, const Combination& c)
{
    // A fan on the other side is another combination, one the search never draws.
    const bool fanInRange = o.fan == FanPosition::Either || c.fanBefore == (o.fan == FanPosition::Before);
    return fanInRange && o.inRange(CatalogueParam::PipeCount, c.pipeCount) && o.inRange(CatalogueParam::Length, c.length) &&
           o.inRange(CatalogueParam::Diameter, c.diameter) && o.inRange(CatalogueParam::Depth, c.depth) &&
           (c.pipeCount < 2 || o.inRange(CatalogueParam::Spacing, c.spacing));
}

long long totalCombinations(const OptimisationOptions& o, const Combination& start)
{
    const auto count = [&](CatalogueParam p) { return static_cast<long long>(o.valuesInRange(p).size()); };
    const auto pipeCounts = o.valuesInRange(CatalogueParam::PipeCount);
    const long long severalPipes = std::count_if(pipeCounts.begin(), pipeCounts.end(), [](long double n) { return n >= 2; });
    const long long onePipe = o.inRange(CatalogueParam::PipeCount, 1) ? 1 : 0;
    const long long perPipeCount = count(CatalogueParam::Depth) * count(CatalogueParam::Length) * count(CatalogueParam::Diameter);
    long long total = perPipeCount * onePipe + severalPipes * perPipeCount * count(CatalogueParam::Spacing);
    if (o.fan == FanPosition::Either) total *= 2;
    if (!inRange(o, start)) total += 1;
    return total;
}

long double roundedAirVelocityLimit(long double metresPerSecond) { return RundeStellen(2, metresPerSecond); }

bool aboveAirVelocityLimit(const OptimisationOptions& o, const Combination& c, long double airFlow)
{
    return o.exhaustive && o.maxAirVelocity && airVelocity(airFlow, c.pipeCount, c.diameter) > *o.maxAirVelocity;
}

bool rejectedByGeometry(const Combination& c, long double groundwaterDepth)
{
    return c.diameter * 0.5L >= c.depth * 1000.0L || groundwaterDepth < c.depth + c.diameter * 0.0005L;
}

long double minimumGroundwaterDepth()
{
    return catalogue(CatalogueParam::Depth).front() + catalogue(CatalogueParam::Diameter).front() * 0.0005L;
}

std::optional<std::string> groundwaterRefusal(const Project& p)
{
    if (p.get(Param::Grundwassertiefe) >= minimumGroundwaterDepth()) return std::nullopt;
    return "Grundwassertiefe zu gering! Benötigter Mindestwert: " + formatFixed(minimumGroundwaterDepth(), 2);
}

}  // namespace talp
