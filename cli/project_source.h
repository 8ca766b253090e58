#pragma once
// The project a command works on: a project file named as the first argument ("*.tlp",
// "*.sav") or the defaults, overridden by name=value parameters.

#include "cli/arguments.h"
#include "core/project.h"

namespace talp::cli {

enum class ProjectStart {
    FileArgument,  // a first argument naming a project file is read and consumed
    Defaults,      // the defaults (for a command whose file argument is its output)
};

// The project of a command's arguments with its overrides applied. A project file is
// loaded as the program opens one: its coupled files are accepted again (their messages
// fail the command). Throws CommandFailure when the file cannot be loaded.
Project projectFromArguments(Arguments& args, ProjectStart start = ProjectStart::FileArgument);

// The argument names a project file by its extension.
bool isProjectFileName(const std::string& argument);

}  // namespace talp::cli
