// talp-cli help [COMMAND]: the overview of the commands, or the usage of one, as --help
// prints them.

#include <iostream>
#include <memory>

#include "cli/commands.h"

namespace talp::cli {

CommandAction helpCommand(CLI::App& command)
{
    const auto name = std::make_shared<std::string>();
    command.add_option("COMMAND", *name, "the command whose usage is shown")->type_name("");
    const CLI::App& program = *command.get_parent();
    return [name, &program] {
        // The formatter directly: the program's own help would show the usage of `help`.
        const CLI::App* shown = &program;
        std::string usage = program.get_name();
        if (!name->empty()) {
            const std::vector<const CLI::App*> found =
                program.get_subcommands([&](const CLI::App* c) { return c->get_name() == *name; });
            if (found.empty()) throw UsageError{"unknown command '" + *name + "'"};
            shown = found.front();
            usage += " " + *name;
        }
        std::cout << program.get_formatter()->make_help(shown, usage, CLI::AppFormatMode::Normal);
        return 0;
    };
}

}  // namespace talp::cli
