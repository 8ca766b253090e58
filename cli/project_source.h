#pragma once
// The project a command works on: the defaults, overridden by name=value parameters.

#include "cli/arguments.h"
#include "core/project.h"

namespace talp::cli {

// The project of a command's arguments with its overrides applied. Consumes the
// positional arguments it uses (none yet: the project file argument comes with the file
// support).
Project projectFromArguments(Arguments& args);

}  // namespace talp::cli
