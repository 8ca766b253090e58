#pragma once
// The project a command works on: a project file named on its command line ("*.tlp",
// "*.sav") or the defaults, overridden by name=value parameters.

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "core/project.h"

namespace talp::cli {

struct ProjectArguments {
    std::string file;                      // empty: the defaults
    std::vector<std::string> assignments;  // name=value by control name
};

enum class ProjectStart {
    FileArgument,  // [PROJECT.tlp] [name=value ...]
    Defaults,      // [name=value ...] only (for a command whose file argument is its output)
};

// Declares a command's project words. They are told apart from its other arguments by
// their form, so these are declared before any other argument of the command.
void addProjectArguments(CLI::App& command, ProjectArguments& project, ProjectStart start = ProjectStart::FileArgument);

// The project of a command's arguments with its overrides applied. A project file is
// loaded as the program opens one: its coupled files are accepted again (their messages
// fail the command). Throws CommandFailure when the file cannot be loaded, UsageError for a
// parameter it cannot use.
Project projectOf(const ProjectArguments& arguments);

// The argument names a project file by its extension.
bool isProjectFileName(const std::string& argument);

}  // namespace talp::cli
