#include <iostream>
#include <memory>
#include <optional>

#include "cli/commands.h"
#include "cli/project_source.h"
#include "core/numeric.h"
#include "evaluation/economics.h"

namespace talp::cli {

namespace {
nlohmann::ordered_json annualSummary(const SimulationResults& r)
{
    return {{"OperatingHours", num(r.OperatingHours)},       {"HeatingEnergy", num(r.HeatingEnergy)},
            {"CoolingEnergy", num(r.CoolingEnergy)},         {"MaxOutletTemp", num(r.MaxOutletTemp)},
            {"MinOutletTemp", num(r.MinOutletTemp)},         {"MaxOutdoorTemp", num(r.MaxOutdoorTemp)},
            {"MinOutdoorTemp", num(r.MinOutdoorTemp)},       {"HeatingEfficiency", num(r.HeatingEfficiency)},
            {"CoolingEfficiency", num(r.CoolingEfficiency)}};
}

// The economics of the year; an indicator the inputs leave without a value is null.
nlohmann::ordered_json economicsSummary(const EconomicsResults& e)
{
    const auto valueOrNull = [](bool has, long double v) { return has ? nlohmann::ordered_json(num(v)) : nullptr; };
    return {{"Investition", num(e.Investition)},
            {"Betriebskosten", num(e.Betriebskosten)},
            {"Energieeinsparung", num(e.Energieeinsparung)},
            {"InternerZinssatz", num(e.InternerZinssatz)},
            {"Amortisationszeit", num(e.Amortisationszeit)},
            {"Annuitaet", valueOrNull(e.annuityHasValue, e.Annuitaet)},
            {"Energiepreis", valueOrNull(e.energyPriceHasValue, e.Energiepreis)}};
}

// The full year on the project, with its economics.
void runYear(const Project& project, bool json)
{
    SimulationResults results;
    EconomicsResults economics;
    std::optional<Message> economicsError;
    const HourlyFileOpener openHourlyFile = calculationRequest(kFullYear).openHourlyFile;
    calculate(project, results, kFullYear, [&](const Project& p, const SimulationResults& r) {
        economicsError = KostenRechnung(p, costedGeometryOf(p), runTotalsOf(r), openHourlyFile, economics).error;
    });
    if (economicsError) throw CommandFailure{std::string(economicsError->text.de)};

    nlohmann::ordered_json summary = annualSummary(results);
    summary.update(economicsSummary(economics));
    if (json) {
        std::cout << summary.dump(2) << "\n";
        return;
    }
    std::cout << "TALP annual summary\n";
    for (const auto& [key, value] : summary.items())
        std::cout << "  " << key << std::string(20 - key.size(), ' ')
                  << (value.is_null() ? std::string("-") : formatFixed(value.get<double>(), 3)) << "\n";
}

}  // namespace


CommandAction runCommand(CLI::App& command)
{
    struct Line {
        ProjectArguments project;
        bool json = false;
    };
    const auto line = std::make_shared<Line>();
    addProjectArguments(command, line->project);
    command.add_flag("--json", line->json, "print the summary as JSON (else as a table)");
    return [line] {
        runYear(projectOf(line->project), line->json);
        return 0;
    };
}

}  // namespace talp::cli
