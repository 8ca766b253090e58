#include "cli/export_source.h"

namespace talp::cli {

void addExportArguments(CLI::App& command, ExportArguments& arguments, const char* output)
{
    addProjectArguments(command, arguments.project);
    command.add_option(output, arguments.output, "the file to write")->type_name("")->required();
    command.add_option("--lang", arguments.language, "the language of the file's texts: de (the default) or en")
        ->type_name("de|en")
        ->check(CLI::IsMember({"de", "en"}).description(""));
}

Language exportLanguage(const ExportArguments& arguments)
{
    return arguments.language == "en" ? Language::English : Language::German;
}

}  // namespace talp::cli
