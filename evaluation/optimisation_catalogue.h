#pragma once
// The geometry optimisation's space: fixed catalogue values for pipe count, length,
// diameter, spacing and laying depth, the user's ranges as index ranges into them, and
// how many combinations a search has to evaluate.

#include <array>
#include <optional>
#include <span>
#include <string>

#include "core/project.h"

namespace talp {

enum class CatalogueParam { PipeCount = 0, Length, Diameter, Spacing, Depth };
inline constexpr int kCatalogueParams = 5;

// The catalogue values of a parameter, in ascending order.
std::span<const long double> catalogue(CatalogueParam parameter);

enum class FanPosition { Either = 0, Before = 1, After = 2 };

struct IndexRange {
    int min = 0;
    int max = 0;
    bool operator==(const IndexRange&) const = default;
};

// The option settings of the search; held for the program run, not stored in the project.
struct OptimisationOptions {
    std::array<IndexRange, kCatalogueParams> ranges = defaultRanges();
    FanPosition fan = FanPosition::Either;
    // Every combination once, in a fixed order, instead of random draws.
    bool exhaustive = false;
    // The exhaustive search leaves combinations with faster air out (m/s, to 0.01 m/s).
    std::optional<long double> maxAirVelocity;

    IndexRange& range(CatalogueParam p) { return ranges[static_cast<std::size_t>(p)]; }
    const IndexRange& range(CatalogueParam p) const { return ranges[static_cast<std::size_t>(p)]; }
    // The values of a parameter within its range.
    std::span<const long double> valuesInRange(CatalogueParam p) const;
    bool inRange(CatalogueParam p, long double value) const;

    static std::array<IndexRange, kCatalogueParams> defaultRanges();
    bool operator==(const OptimisationOptions&) const = default;
};

// A choice of a minimum above the maximum (or the other way round) swaps the two.
IndexRange orderedRange(int first, int second);

// One pipe geometry of the search.
struct Combination {
    int pipeCount = 1;
    long double length = 0;    // m
    long double diameter = 0;  // mm
    long double spacing = 1;   // m; 1.0 for a single pipe
    long double depth = 0;     // m
    bool fanBefore = true;
    bool operator==(const Combination&) const = default;
};

// The pipe form's geometry as the search's starting combination.
Combination startingCombination(const Project& project);
// Its pipe count, length, diameter and depth (and spacing, for 2 or more pipes) are
// catalogue values within the ranges, and its fan position is one the ranges allow.
bool inRange(const OptimisationOptions& options, const Combination& combination);

// D × L × d × (1 if one pipe is in range) + P2 × D × L × d × S, doubled for either fan
// position, plus 1 when the starting combination is not in range.
long long totalCombinations(const OptimisationOptions& options, const Combination& start);

// The air velocity limit is given to a hundredth of a metre per second, so that a search
// continued with the limit it was started with recognises it.
long double roundedAirVelocityLimit(long double metresPerSecond);
// Above the velocity limit of an exhaustive search at the project's air flow: such a
// combination is logged as skipped, never simulated and left out of the Pareto front. The
// random search has no limit.
bool aboveAirVelocityLimit(const OptimisationOptions& options, const Combination& combination, long double airFlow);

// The combinations the search never simulates: the radius reaches the depth, or the pipe
// bottom lies in the groundwater.
bool rejectedByGeometry(const Combination& combination, long double groundwaterDepth);

// The smallest groundwater depth a search can work with: the smallest catalogue depth plus
// the smallest catalogue radius.
long double minimumGroundwaterDepth();
// The refusal "Grundwassertiefe zu gering! ..." when the groundwater is too shallow (a
// message the program has in German only).
std::optional<std::string> groundwaterRefusal(const Project& project);

}  // namespace talp
