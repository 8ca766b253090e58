#include "cli/project_source.h"

#include "cli/overrides.h"

namespace talp::cli {

Project projectFromArguments(Arguments& args)
{
    Project project;
    applyOverrides(project, args.assignments);
    return project;
}

}  // namespace talp::cli
