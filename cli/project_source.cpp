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
    if (!load.ok) throw CommandFailure{std::string(kProjectFileUnreadable.de) + "\n" + load.fault};
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

Project projectFromArguments(Arguments& args, ProjectStart start)
{
    Project project;
    if (start == ProjectStart::FileArgument && !args.positional.empty() && isProjectFileName(args.positional.front())) {
        project = loadProjectArgument(args.positional.front());
        args.positional.erase(args.positional.begin());
    }
    const ClimateOptions climate = takeClimateOptions(args.assignments);
    applyOverrides(project, args.assignments);
    applyClimateOptions(project, climate, cliInstallation());
    return project;
}

}  // namespace talp::cli
