#pragma once
// A combination of the optimisation as the dialog "EWT-Parameter" shows it, and taking it
// over into the input forms.

#include <string>

#include "core/project.h"
#include "core/texts.h"
#include "evaluation/combination_record.h"

namespace talp {

struct CombinationView {
    std::string pipeCount, diameter, length, depth;
    std::string spacing;  // empty for a single pipe
    std::string fanPosition, energy, internalRate, pipePrice;
};
CombinationView combinationView(const Project& project, const CombinationRecord& record, Language language);

// "Übernehmen": the combination's geometry and pipe price set on the project, in the order
// the pipe form takes them; the price per metre is rounded to a tenth for the new diameter.
void adoptCombination(Project& project, const CombinationRecord& record);

}  // namespace talp
