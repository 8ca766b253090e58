#include "cli/export_source.h"

#include "cli/project_source.h"

namespace talp::cli {

ExportSource exportSource(Arguments& args, const char* outputName)
{
    const std::vector<std::string> given = args.positional;
    ExportSource source{projectFromArguments(args), {}, {}};
    // The project source consumes the project file's argument from the front.
    if (args.positional.size() < given.size()) source.projectFile = given.front();
    if (args.positional.size() != 1) throw UsageError{std::string("give exactly one output file ") + outputName};
    source.output = args.positional.front();
    return source;
}

Language exportLanguage(const Arguments& args)
{
    const std::string language = args.option("lang").value_or("de");
    if (language == "de") return Language::German;
    if (language == "en") return Language::English;
    throw UsageError{"--lang must be de or en, not '" + language + "'"};
}

}  // namespace talp::cli
