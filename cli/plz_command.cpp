#include <iostream>

#include "cli/climate_options.h"
#include "cli/commands.h"
#include "climate/postal_code.h"
#include "climate/regions.h"

namespace talp::cli {

int plzCommand(Arguments& args)
{
    if (args.positional.size() != 1) throw UsageError{"plz needs one postal code"};
    const std::string& code = args.positional.front();
    const std::optional<int> region = regionOfPostalCode(code, cliInstallation().readable(kPostalCodeFile));
    if (!region) throw CommandFailure{std::string(kInvalidPostalCode.de)};
    const std::string name(regionName(*region));
    if (args.flag("json")) {
        std::cout << nlohmann::ordered_json{{"plz", code}, {"klimaregion", *region}, {"name", name}}.dump(2) << "\n";
    } else {
        std::cout << code << ": Klimaregion " << *region << " (" << name << ")\n";
    }
    return 0;
}

}  // namespace talp::cli
