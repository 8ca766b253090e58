#pragma once
// The climate of a command-line run: klima=sin|region|euro|sim chooses the model,
// klimaregion=N the region 1..12, station=INDEX the station of the station list
// (0-based, as `talp-cli stations` lists them).

#include <optional>
#include <string>
#include <vector>

#include "core/installation.h"
#include "core/project.h"

namespace talp::cli {

struct ClimateOptions {
    std::optional<std::string> model;
    std::optional<int> region;
    std::optional<int> station;
    bool any() const { return model || region || station; }
};

// Takes the climate options out of the name=value parameters (the rest are plain
// parameter overrides). Throws UsageError for a value it cannot use.
ClimateOptions takeClimateOptions(std::vector<std::string>& assignments);

// Applies the chosen model as the climate window does: a region or a station supplies its
// data file and the sine parameters, over any sine parameter given on the command line.
// Throws UsageError for a contradictory choice, CommandFailure for a missing installation
// file.
void applyClimateOptions(Project& project, const ClimateOptions& options, const Installation& installation);

// The installation of the running talp-cli.
const Installation& cliInstallation();

}  // namespace talp::cli
