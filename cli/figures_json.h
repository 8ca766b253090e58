#pragma once
// The figures of a year as `talp-cli run --json` prints them, by the keys of the figure
// table: run and sweep name and count them alike.

#include <nlohmann/json.hpp>

#include "evaluation/variant_figures.h"

namespace talp::cli {

// The annual summary, the economics and the condensation estimate in the order of
// `run --json`; a figure the inputs leave without a value is null. With `airVelocity`, the
// velocity in the pipes follows the economics.
nlohmann::ordered_json figuresJson(const VariantFigures& figures, bool airVelocity);

}  // namespace talp::cli
