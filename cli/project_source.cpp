#include "cli/project_source.h"

#include "cli/climate_options.h"
#include "cli/overrides.h"

namespace talp::cli {

Project projectFromArguments(Arguments& args)
{
    Project project;
    const ClimateOptions climate = takeClimateOptions(args.assignments);
    applyOverrides(project, args.assignments);
    applyClimateOptions(project, climate, cliInstallation());
    return project;
}

}  // namespace talp::cli
