#pragma once
// Parameters given on the command line as name=value, by control name.

#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "core/project.h"

namespace talp::cli {

// Sets every name=value on the project exactly as given (no consistency rule runs, so the
// run uses those numbers). Throws UsageError for an unknown name, a value that is not a
// number, or one outside the parameter's bounds.
void applyOverrides(Project& project, const std::vector<std::string>& assignments);

}  // namespace talp::cli
