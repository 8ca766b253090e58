#include <iostream>

#include "cli/commands.h"
#include "core/parameters.h"

namespace talp::cli {

namespace {

void printParameters()
{
    static constexpr const char* kKinds[] = {"real", "integer", "choice", "option"};
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const ParamSpec& s : parameterTable()) {
        list.push_back({{"name", std::string(s.name)},
                        {"kind", kKinds[static_cast<int>(s.kind)]},
                        {"default", num(s.defaultValue)},
                        {"min", num(s.minValue)},
                        {"max", num(s.maxValue)},
                        {"step", num(s.step)},
                        {"caption", std::string(s.caption.de)},
                        {"unit", std::string(s.unit)}});
    }
    std::cout << list.dump(2) << "\n";
}

}  // namespace

CommandAction paramsCommand(CLI::App&)
{
    return [] {
        printParameters();
        return 0;
    };
}

}  // namespace talp::cli
