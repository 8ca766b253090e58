#pragma once
// Merging the shards of one exhaustive search, each run on its own machine into its own
// folder, into the files a one-machine run writes: the starting combination first, then
// every record and log line in the order of the search, the log numbered anew. Records and
// economic records are copied byte for byte; nothing is simulated again.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace talp {

struct MergeOutcome {
    std::optional<std::string> error;  // why the folders cannot be merged; nothing written then
    long long evaluated = 0;
    long long economic = 0;
    long long skipped = 0;
};

// The folders must hold the complete shards 1..N of one search (the same ranges, velocity
// limit and starting combination), each once; `output` must be none of them.
MergeOutcome mergeShards(const std::vector<std::filesystem::path>& shardFolders, const std::filesystem::path& output);

}  // namespace talp
