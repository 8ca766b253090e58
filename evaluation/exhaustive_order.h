#pragma once
// The fixed order of the exhaustive search: every combination of the ranges once, the fan
// position outermost (before, then after), then laying depth, length, pipe count, diameter
// and spacing, each ascending; a single pipe has only the spacing 1.0. A position in the
// order is worked out arithmetically, so a search can start anywhere, continue where it
// stopped and be split into shards without listing the combinations.

#include <optional>

#include "evaluation/optimisation_catalogue.h"

namespace talp {

class ExhaustiveOrder {
public:
    explicit ExhaustiveOrder(const OptimisationOptions& options);

    // The number of combinations of the ranges: the total without the starting combination.
    long long size() const { return size_; }
    // The combination at `position`, 0 <= position < size().
    Combination at(long long position) const;
    // Where a combination stands in the order; nothing when it is not one of the ranges'.
    std::optional<long long> positionOf(const Combination& combination) const;

private:
    OptimisationOptions options_;
    long long fans_ = 0, depths_ = 0, lengths_ = 0, diameters_ = 0, spacings_ = 0;
    long long singlePipe_ = 0;    // 1 when the pipe count 1 is in range
    long long severalPipes_ = 0;  // pipe counts of 2 or more in range
    long long block_ = 0;         // combinations of one fan position, depth and length
    long long size_ = 0;
};

// The K-th of N disjoint parts of the order: the positions K-1, K-1+N, K-1+2N, ... Dealt
// out in turn, every part gets its share of each depth and diameter, so that parts whose
// combinations the groundwater rules mostly reject do not finish long before the others.
struct Shard {
    int index = 1;  // K, 1..count
    int count = 1;  // N

    bool whole() const { return count == 1; }
    bool contains(long long position) const { return position % count == index - 1; }
    long long first() const { return index - 1; }
    // The positions of the part in an order of `orderSize` combinations.
    long long sizeIn(long long orderSize) const;
    bool operator==(const Shard&) const = default;
};

}  // namespace talp
