#include "cli/figures_json.h"

#include "cli/commands.h"

namespace talp::cli {

nlohmann::ordered_json figuresJson(const VariantFigures& figures, bool airVelocity)
{
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    for (const FigureSpec& spec : figureTable()) {
        if (!spec.inRunSummary && !airVelocity) continue;
        const std::optional<long double> value = spec.value(figures);
        if (!value) json[std::string(spec.key)] = nullptr;
        else if (spec.jsonInteger) json[std::string(spec.key)] = static_cast<long long>(*value);
        else json[std::string(spec.key)] = num(*value);
    }
    return json;
}

}  // namespace talp::cli
