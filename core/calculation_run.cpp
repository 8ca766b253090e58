#include "core/calculation_run.h"

namespace talp {

CalculationOutcome runCalculation(const Project& project, SimulationResults& results, const CalculationRequest& request)
{
    SimulationHooks hooks;
    hooks.openHourlyFile = request.openHourlyFile;
    hooks.progress = request.progress;
    hooks.cancel = request.cancel;
    hooks.threads = request.threads;

    const SimulationOutcome simulation = BerechneEWT(project, geometryOf(project, request.day), results, hooks);
    CalculationOutcome outcome;
    outcome.cancelled = simulation.cancelled;
    if (!simulation.ok) {
        // A cancelled run is no fault of the inputs: it reports nothing.
        if (!simulation.cancelled) {
            if (simulation.message) outcome.messages.push_back(*simulation.message);
            outcome.messages.push_back(Message{{"TALP", "TALP"}, kCalculationFailed, MessageKind::Error});
        }
        return outcome;
    }
    outcome.success = true;
    outcome.BerechnungFehler = false;
    if (request.day < 1 && request.economics) request.economics(project, results);
    return outcome;
}

}  // namespace talp
