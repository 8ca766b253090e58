#pragma once
// What variants are compared by: the annual figures of the annual window, the economics,
// the air velocity in the pipes and the condensation estimate, each under the key that
// `talp-cli run --json` gives it; and for the comparison's charts the monthly energies and
// the outlet temperature of every hour. One table of figures serves the comparison window,
// the parameter study, `talp-cli run` and `talp-cli sweep`, so that they name and count
// the figures alike.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/project.h"
#include "core/simulation.h"
#include "core/texts.h"
#include "evaluation/condensation.h"
#include "evaluation/economics.h"

namespace talp {

struct VariantFigures {
    // The annual summary, as SimulationResults names it.
    long double OperatingHours = 0, HeatingEnergy = 0, CoolingEnergy = 0, MaxOutletTemp = -100, MinOutletTemp = 100,
                MaxOutdoorTemp = -100, MinOutdoorTemp = 100, HeatingEfficiency = 0, CoolingEfficiency = 0;
    EconomicsResults economics;
    long double airVelocity = 0;                       // m/s
    std::optional<CondensationEstimate> condensation;  // none when the humidity file does not read

    // The monthly sums of the hourly heat gain, kWh: the hours that heat the air, and the
    // hours that cool it (as a positive amount).
    std::array<long double, 12> monthlyHeating{}, monthlyCooling{};
    // The outlet temperature of every hour of the year (index 0..8759) while the exchanger
    // runs; NaN while it is off.
    std::vector<double> outletTemp;
};

// The figures of a finished year and its economics.
VariantFigures variantFigures(const Project& project, const SimulationResults& results,
                              const EconomicsResults& economics, const std::optional<CondensationEstimate>& condensation);

// Which value of a row of the comparison is the best one.
enum class Better { None, Higher, Lower };

struct FigureSpec {
    std::string_view key;   // as `talp-cli run --json` names it
    Text caption;           // the annual window's label without its colon
    std::string_view unit;
    int decimals;           // as the annual window shows it
    Better better;
    bool jsonInteger;       // `talp-cli run --json` prints it as a whole number (a count)
    bool inRunSummary;      // part of `talp-cli run --json` (the air velocity is not)
    // The figure; none where the inputs leave it without a value (no annuity without a
    // lifetime, no condensation estimate without a readable humidity file).
    std::optional<long double> (*value)(const VariantFigures&);
    // The figure as the annual window shows it: none also for the outlet extremes of a year
    // without operation, and for the payback beyond 100 years, when the internal rate, the
    // annuity and the energy price are not shown either.
    std::optional<long double> (*shown)(const VariantFigures&);
    std::string_view absent;  // what stands in place of a figure not shown
};

// In the order of `talp-cli run --json`, the air velocity after the economics.
std::span<const FigureSpec> figureTable();
const FigureSpec& figure(std::string_view key);

// "Wärmeaufnahme in kWh".
std::string figureHeading(const FigureSpec& entry, Language language);
// The figure as a comparison shows it: its decimals, or what stands in its place.
std::string shownFigure(const FigureSpec& entry, const VariantFigures& figures);

}  // namespace talp
