#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/project_source.h"
#include "files/project_file.h"

namespace talp::cli {

// Writes a project file of the defaults with the given parameters: the way the presets
// of the installation are made.
CommandAction newCommand(CLI::App& command)
{
    struct Line {
        ProjectArguments project;
        std::string path;
    };
    const auto line = std::make_shared<Line>();
    addProjectArguments(command, line->project, ProjectStart::Defaults);
    command.add_option("OUT.tlp", line->path, "the project file to write")->type_name("")->required();
    return [line] {
        Project project = projectOf(line->project);
        if (const auto failure = saveProjectFile(line->path, project)) throw CommandFailure{failure->technical()};
        std::cout << nlohmann::ordered_json{{"file", line->path}, {"version", std::string(kCurrentVersionTag)}}.dump(2)
                  << "\n";
        return 0;
    };
}

}  // namespace talp::cli
