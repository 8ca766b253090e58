#pragma once
// The calculation run every user request goes through: the simulation of a day or of the
// year, then, after a successful full year, the economics. The caller shows the messages.

#include <atomic>
#include <functional>
#include <vector>

#include "core/simulation.h"

namespace talp {

inline constexpr int kFullYear = -1;

// Runs after a successful full-year simulation with the run's project and results.
using EconomicsHook = std::function<void(const Project&, const SimulationResults&)>;

struct CalculationRequest {
    int day = kFullYear;  // RechenTag: -1 for a full year, 1..365 for one day
    HourlyFileOpener openHourlyFile;
    EconomicsHook economics;
    std::function<void(int day, int hour)> progress;
    const std::atomic<bool>* cancel = nullptr;
    int threads = 0;  // threads of a full year; 0: one per core
};

struct CalculationOutcome {
    bool success = false;
    bool BerechnungFehler = true;  // the run failed (also when it was cancelled)
    bool cancelled = false;
    std::vector<Message> messages;  // in the order the user sees them
};

inline constexpr Text kCalculationFailed{
    "Dieser EWT kann nicht berechnet werden. Bitte überprüfen Sie die Eingaben.",
    "This EHX cannot be calculated. Please check the input data."};

CalculationOutcome runCalculation(const Project& project, SimulationResults& results, const CalculationRequest& request);

}  // namespace talp
