#include "cli/climate_summary.h"

#include "cli/commands.h"
#include "core/numeric.h"

namespace talp::cli {

nlohmann::ordered_json climateSineSummary(const ClimateFileSine& sine, const Project& project)
{
    nlohmann::ordered_json months = nlohmann::ordered_json::array();
    for (long double m : sine.monthlyMeans) months.push_back(num(m));
    return {
        {"monthlyMeans", months},
        {"annualMean", num(sine.annualMean)},
        {"amplitude", num(sine.amplitude)},
        {"peakDay", sine.peakDay ? nlohmann::ordered_json(*sine.peakDay) : nlohmann::ordered_json(nullptr)},
        {"max_monatsmittel", num(project.get(Param::max_monatsmittel))},
        {"jahresmittel", num(project.get(Param::jahresmittel))},
        {"min_monatsmittel", num(project.get(Param::min_monatsmittel))},
        {"monat_sinusspitze", std::string(monthName(project.getInt(Param::monat_sinusspitze), false))},
        {"tag_sinusspitze", project.getInt(Param::tag_sinusspitze)},
    };
}

}  // namespace talp::cli
