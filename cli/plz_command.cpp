#include <iostream>
#include <memory>

#include "cli/climate_options.h"
#include "cli/commands.h"
#include "climate/postal_code.h"
#include "climate/regions.h"

namespace talp::cli {

namespace {

void printRegion(const std::string& code, bool json)
{
    const std::optional<int> region = regionOfPostalCode(code, cliInstallation().readable(kPostalCodeFile));
    if (!region) throw CommandFailure{std::string(kInvalidPostalCode.de)};
    const std::string name(regionName(*region));
    if (json) {
        std::cout << nlohmann::ordered_json{{"plz", code}, {"klimaregion", *region}, {"name", name}}.dump(2) << "\n";
    } else {
        std::cout << code << ": Klimaregion " << *region << " (" << name << ")\n";
    }
}

}  // namespace

CommandAction plzCommand(CLI::App& command)
{
    struct Line {
        std::string code;
        bool json = false;
    };
    const auto line = std::make_shared<Line>();
    command.add_option("CODE", line->code, "the five-digit postal code")->type_name("")->required();
    command.add_flag("--json", line->json, "print the region as JSON");
    return [line] {
        printRegion(line->code, line->json);
        return 0;
    };
}

}  // namespace talp::cli
