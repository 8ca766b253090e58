// talp-cli optimise-merge: the shard folders of one exhaustive search, each written by
// `optimise --exhaustive --shard K/N` on a machine of its own, merged into one folder with
// the record files and the log a one-machine run writes.

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "evaluation/optimisation_files.h"
#include "evaluation/shard_merge.h"

namespace talp::cli {

namespace {

struct MergeLine {
    std::string output;
    std::vector<std::string> shards;
};

void merge(const MergeLine& line)
{
    const std::vector<std::filesystem::path> shards(line.shards.begin(), line.shards.end());
    const MergeOutcome merged = mergeShards(shards, line.output);
    if (merged.error) throw CommandFailure{*merged.error};
    const OptimisationPaths paths = OptimisationPaths::in(line.output);
    const nlohmann::ordered_json summary = {{"evaluated", merged.evaluated},
                                            {"economic", merged.economic},
                                            {"skipped", merged.skipped},
                                            {"files",
                                             {{"OptFile", paths.economic.string()},
                                              {"OptKomb", paths.evaluated.string()},
                                              {"log", paths.log.string()},
                                              {"state", paths.state.string()}}}};
    std::cout << summary.dump(2) << "\n";
}

}  // namespace

CommandAction optimiseMergeCommand(CLI::App& command)
{
    const auto line = std::make_shared<MergeLine>();
    command.add_option("--dir", line->output, "the folder of the merged files")->type_name("OUT")->required();
    command.add_option("DIR", line->shards, "the folders of the shards 1..N of one search, each finished")
        ->type_name("")
        ->required();
    return [line] {
        merge(*line);
        return 0;
    };
}

}  // namespace talp::cli
