#include "evaluation/combination_view.h"

#include <cmath>

#include "core/numeric.h"
#include "evaluation/optimisation_search.h"

namespace talp {

CombinationView combinationView(const Project& project, const CombinationRecord& record, Language language)
{
    const Combination& c = record.geometry;
    const auto line = [language](Text label, long double value, int decimals, std::string_view unit) {
        return std::string(label.in(language)) + formatFixed(value, decimals) + std::string(unit);
    };
    CombinationView v;
    v.pipeCount = std::string(Text{"Rohranzahl: ", "Number of pipes: "}.in(language)) + std::to_string(c.pipeCount);
    v.diameter = line({"Rohrdurchmesser: ", "Pipe diameter: "}, c.diameter, 0, " mm");
    v.length = line({"Rohrlänge: ", "Pipe length: "}, c.length, 1, " m");
    v.depth = line({"Verlegungstiefe: ", "Depth of pipes: "}, c.depth, 1, " m");
    if (c.pipeCount > 1) v.spacing = line({"Abstand zwischen den Rohren: ", "Distance between pipes: "}, c.spacing, 1, " m");
    v.fanPosition = std::string(c.fanBefore ? Text{"Ventilator vor EWT", "Fan before EHX"}.in(language)
                                            : Text{"Ventilator nach EWT", "Fan after EHX"}.in(language));
    v.energy = line({"Energiebeitrag: ", "Energy gains: "}, record.energy, 0, " kWh/a");
    v.internalRate = line({"Interner Zinssatz: ", "Internal interest rate: "}, record.internalRate, 1, " %");
    v.pipePrice = line({"Rohrpreis: ", "Costs for pipes: "}, pipePriceFor(project, c.diameter), 2, " € / m");
    return v;
}

void adoptCombination(Project& p, const CombinationRecord& record)
{
    const Combination& c = record.geometry;
    p.set(Param::rohranzahl, c.pipeCount);
    p.set(Param::rohrlnge, c.length);
    // The price per metre for the new diameter, with the old diameter still on the form.
    p.set(Param::rohrpreis, std::round(pipePriceFor(p, c.diameter) * 10.0L) / 10.0L);
    p.set(Param::rohrdurchmesser, c.diameter);
    p.set(Param::AbstandzwRohren, c.spacing);
    p.set(Param::verlegungstiefe, c.depth);
    p.set(Param::VentilatorVor, c.fanBefore ? 1 : 0);
}

}  // namespace talp
