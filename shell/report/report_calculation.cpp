#include "shell/report/report_calculation.h"

namespace talp {

CalculationOutcome calculateForReport(Session& session)
{
    CalculationOutcome outcome;
    if (!session.project.RecalcNeeded) {
        outcome.success = !session.BerechnungFehler;
        outcome.BerechnungFehler = session.BerechnungFehler;
        return outcome;
    }
    CalculationRequest request;
    request.day = kFullYear;
    request.openHourlyFile = session.openHourlyFile;
    std::optional<Message> economicsError;
    request.economics = [&](const Project& project, const SimulationResults& results) {
        economicsError = KostenRechnung(project, costedGeometryOf(project), runTotalsOf(results),
                                        session.openHourlyFile, session.economics)
                             .error;
    };
    auto results = std::make_unique<SimulationResults>();
    outcome = runCalculation(session.project, *results, request);
    if (economicsError) outcome.messages.push_back(*economicsError);
    session.BerechnungFehler = outcome.BerechnungFehler;
    if (outcome.success) {
        session.results = std::move(results);
        session.project.RecalcNeeded = false;
    }
    return outcome;
}

ProjectReport sessionReport(const Session& session)
{
    const bool calculated = !session.BerechnungFehler && !session.project.RecalcNeeded;
    return projectReport(ReportSource{session.project, session.projectPath, session.language(),
                                      calculated ? session.results.get() : nullptr,
                                      calculated ? &session.economics : nullptr});
}

}  // namespace talp
