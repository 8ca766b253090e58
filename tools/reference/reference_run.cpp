#include "tools/reference/reference_run.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "climate/climate_model.h"
#include "core/calculation_run.h"
#include "evaluation/economics.h"
#include "files/coupling_acceptance.h"
#include "files/hourly_file.h"
#include "files/project_file.h"

namespace talp::reference {

namespace fs = std::filesystem;

Installation referenceInstallation(const fs::path& dataDir) { return Installation{dataDir, dataDir}; }

OpenedReference openReference(const fs::path& projectFile, const Installation& installation)
{
    OpenedReference out;
    ClimateContext climate;
    climate.installation = installation;
    ProjectFileLoad load = loadProjectFile(projectFile, {Language::German, &climate});
    if (!load.ok) {
        out.fault = "cannot open " + projectFile.string() + ": " + load.fault.technical();
        return out;
    }
    if (load.findings.climateMessage) {
        out.fault = std::string(load.findings.climateMessage->text.de);
        return out;
    }
    if (const auto refusal = reacceptLoadedCouplings(load.project, load.findings.reacceptClimateFile,
                                                     load.findings.reacceptBuildingFile, &installation,
                                                     projectFile.parent_path())) {
        out.fault = refusal->text(Language::German);
        return out;
    }
    out.ok = true;
    out.project = std::move(load.project);
    return out;
}

ReferenceResults calculateReference(const Project& project, const Installation& installation)
{
    ReferenceResults out;

    SimulationResults r;
    EconomicsResults e;
    bool rateFound = false;
    CalculationRequest request;
    request.openHourlyFile = hourlyFileOpener(&installation);
    request.economics = [&](const Project& p, const SimulationResults& run) {
        rateFound = KostenRechnung(p, costedGeometryOf(p), runTotalsOf(run), request.openHourlyFile, e).rateFound;
    };
    const CalculationOutcome outcome = runCalculation(project, r, request);
    if (!outcome.success) {
        for (const Message& m : outcome.messages) out.fault += std::string(m.text.de) + " ";
        return out;
    }

    out.ok = true;
    out.figures = {
        {"OperatingHours", r.OperatingHours},
        {"HeatingEnergy", r.HeatingEnergy},
        {"CoolingEnergy", r.CoolingEnergy},
        {"MaxOutletTemp", r.MaxOutletTemp},
        {"MinOutletTemp", r.MinOutletTemp},
        {"MaxOutdoorTemp", r.MaxOutdoorTemp},
        {"MinOutdoorTemp", r.MinOutdoorTemp},
        {"HeatingEfficiency", r.HeatingEfficiency},
        {"CoolingEfficiency", r.CoolingEfficiency},
        {"RateFound", rateFound ? 1.0L : 0.0L},
        {"Investition", e.Investition},
        {"Betriebskosten", e.Betriebskosten},
        {"Kostenquote", e.Kostenquote},
        {"Energieeinsparung", e.Energieeinsparung},
        {"Energiemenge", e.Energiemenge},
        {"InternerZinssatz", e.InternerZinssatz},
        {"Amortisationszeit", e.Amortisationszeit},
        {"KostenAnnuitaet", e.KostenAnnuitaet},
        {"ErtragsAnnuitaet", e.ErtragsAnnuitaet},
        {"Annuitaet", e.Annuitaet},
        {"AnnuityHasValue", e.annuityHasValue ? 1.0L : 0.0L},
        {"Energiepreis", e.Energiepreis},
        {"EnergyPriceHasValue", e.energyPriceHasValue ? 1.0L : 0.0L},
    };
    out.hourlyOutletTemp.reserve(kHoursPerYear);
    for (int d = 1; d <= kDaysPerYear; ++d)
        for (int h = 1; h <= kHoursPerDay; ++h) out.hourlyOutletTemp.push_back(r.HourlyOutletTemp(d, h));
    return out;
}

std::string realText(long double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", value);
    return text;
}

long double realFromText(const std::string& text) { return std::strtold(text.c_str(), nullptr); }

}  // namespace talp::reference
