#pragma once
// The sine parameters the climate window takes from a climate file, as talp-cli prints
// them: the monthly means and their derivation, and the inputs as the form shows them.

#include <nlohmann/json.hpp>

#include "core/project.h"
#include "files/climate_file_sine.h"

namespace talp::cli {

// `project` has accepted the climate file (its sine inputs are set from `sine`).
nlohmann::ordered_json climateSineSummary(const ClimateFileSine& sine, const Project& project);

}  // namespace talp::cli
