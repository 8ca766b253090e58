#include <iostream>

#include "cli/commands.h"
#include "cli/project_source.h"
#include "files/project_file.h"

namespace talp::cli {

// Writes a project file of the defaults with the given parameters: the way the presets
// of the installation are made.
int newCommand(Arguments& args)
{
    Project project = projectFromArguments(args, ProjectStart::Defaults);
    if (args.positional.size() != 1) throw UsageError{"new needs exactly one file to write"};
    const std::string path = args.positional[0];
    if (const auto failure = saveProjectFile(path, project)) throw CommandFailure{*failure};
    std::cout << nlohmann::ordered_json{{"file", path}, {"version", std::string(kCurrentVersionTag)}}.dump(2) << "\n";
    return 0;
}

}  // namespace talp::cli
