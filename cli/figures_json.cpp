#include "cli/figures_json.h"

#include "cli/commands.h"

namespace talp::cli {

nlohmann::ordered_json figuresJson(const VariantFigures& figures, bool airVelocity)
{
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    for (const FigureSpec& entry : figureTable()) {
        if (!entry.inRunSummary && !airVelocity) continue;
        const std::optional<long double> value = entry.value(figures);
        if (!value) json[std::string(entry.key)] = nullptr;
        else if (entry.jsonInteger) json[std::string(entry.key)] = static_cast<long long>(*value);
        else json[std::string(entry.key)] = num(*value);
    }
    return json;
}

}  // namespace talp::cli
