#pragma once
// What an exhaustive search keeps beside its record files, in "sys/OptStand.txt": the
// ranges, the velocity limit and the shard that fix its order, whether the first record is
// the starting combination, the next position to look at and the count of combinations
// skipped for their air velocity. With it a search continues exactly where it stopped (in
// this program run or a later one), and the shards of one search can be merged. A text
// file of fixed length, rewritten in place after every combination.

#include <filesystem>
#include <optional>
#include <string>

#include "evaluation/exhaustive_order.h"

namespace talp {

struct ExhaustiveState {
    OptimisationOptions options;  // the ranges, the fan position and the velocity limit
    Shard shard;
    bool startRecorded = false;   // record 0 of sys/OptKomb.dat is the starting combination
    long long cursor = 0;         // the next position of the order to look at
    long long skipped = 0;        // combinations above the velocity limit, logged, not evaluated

    // The order is finished: every position of the shard has been looked at.
    bool complete() const { return cursor >= ExhaustiveOrder(options).size(); }
    // Two states walk the same positions in the same order.
    bool sameWalk(const OptimisationOptions& otherOptions, const Shard& otherShard) const;
};

std::string stateText(const ExhaustiveState& state);
// Nothing when the text is not a state of this layout.
std::optional<ExhaustiveState> parseState(const std::string& text);

std::optional<ExhaustiveState> readState(const std::filesystem::path& file);

}  // namespace talp
