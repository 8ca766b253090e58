#include "cli/project_source.h"

#include "cli/climate_options.h"
#include "cli/overrides.h"

#include <algorithm>
#include <cctype>
#include <iostream>

#include "climate/climate_model.h"
#include "files/coupling_acceptance.h"
#include "files/project_file.h"

namespace talp::cli {

namespace {

Project loadProjectArgument(const std::string& path)
{
    ClimateContext climate;
    climate.installation = cliInstallation();
    ProjectFileLoad load = loadProjectFile(path, {Language::German, &climate});
    if (!load.ok) throw CommandFailure{std::string(kProjectFileUnreadable.de) + "\n" + load.fault.technical()};
    if (load.findings.climateMessage) std::cerr << load.findings.climateMessage->text.de << "\n";
    if (const auto refusal = reacceptLoadedCouplings(load.project, load.findings.reacceptClimateFile,
                                                     load.findings.reacceptBuildingFile, &climate.installation,
                                                     std::filesystem::path(path).parent_path()))
        throw CommandFailure{refusal->text(Language::German)};
    return load.project;
}

}  // namespace

bool isProjectFileName(const std::string& argument)
{
    std::string lower = argument;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto endsWith = [&](const char* suffix) {
        const std::string s = suffix;
        return lower.size() > s.size() && lower.compare(lower.size() - s.size(), s.size(), s) == 0;
    };
    return endsWith(".tlp") || endsWith(".sav");
}

void addProjectArguments(CLI::App& command, ProjectArguments& project, ProjectStart start)
{
    // Each word goes to the first argument whose check it passes: a project file's name,
    // then name=value, then the command's own arguments.
    command.validate_positionals();
    const auto wordCheck = [](bool (*passes)(const std::string&), const char* fault) {
        return CLI::Validator([=](const std::string& word) { return passes(word) ? std::string() : fault; }, "");
    };
    if (start == ProjectStart::FileArgument) {
        command.add_option("PROJECT.tlp", project.file, "the project file (.tlp or .sav) to start from; else the defaults")
            ->type_name("")
            ->check(wordCheck(isProjectFileName, "not a project file"));
    }
    command.add_option("name=value", project.assignments, "an input by its control name, used exactly as given")
        ->type_name("")
        ->check(wordCheck([](const std::string& word) { return word.find('=') != std::string::npos; }, "not name=value"));
    command.footer("Inputs are named by their control names, e.g. rohranzahl=3 rohrlnge=40 VentilatorVor=0;\n"
                   "talp-cli params lists them. The climate: klima=sin|region|euro|sim, klimaregion=N (region 1..12),\n"
                   "station=INDEX (talp-cli stations lists the stations).");
}

Project projectOf(const ProjectArguments& arguments)
{
    Project project = arguments.file.empty() ? Project{} : loadProjectArgument(arguments.file);
    std::vector<std::string> assignments = arguments.assignments;
    const ClimateOptions climate = takeClimateOptions(assignments);
    applyOverrides(project, assignments);
    applyClimateOptions(project, climate, cliInstallation());
    return project;
}

}  // namespace talp::cli
