#pragma once
// Simulating and costing one combination of the optimisation as its workers do: the fast
// annual run on the project's hourly inputs, prepared once, and the economics with the
// lines of the building file, read once. Costing is const and may run on many threads.

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include "core/calculation_run.h"
#include "core/fast_simulation.h"
#include "core/project.h"
#include "evaluation/combination_record.h"
#include "evaluation/economics.h"

namespace talp {

struct CostedCombination {
    bool ok = false;  // the simulation and the costing succeeded
    CombinationRecord record;
    bool economic = false;
    EconomicsResults economics;
};

class CombinationCosting {
public:
    // Nothing when the project's climate or building file cannot be read.
    static std::optional<CombinationCosting> prepare(const Project& project, const HourlyFileOpener& openHourlyFile);

    // `hoursDone` follows the simulation's progress, for a window to show.
    CostedCombination cost(const Combination& combination, std::atomic<int>* hoursDone = nullptr) const;

private:
    CombinationCosting(const Project& project, FastHourlyInputs inputs, std::vector<HourlyValues> buildingLines);

    const Project* project_;
    FastHourlyInputs inputs_;
    std::shared_ptr<const std::vector<HourlyValues>> buildingLines_;
};

// A combination is economic when the costing found an internal rate of return above 0 and
// a payback time below 100 years.
bool isEconomic(bool rateFound, const EconomicsResults& economics);

// The geometry a combination is simulated with: the pipe form's building distance and no
// segment tables.
RunGeometry candidateGeometry(const Project& project, const Combination& combination);
CostedGeometry costedGeometry(const Combination& combination);

}  // namespace talp
