#include "files/input_changes.h"

#include "climate/sine_parameters.h"
#include "core/hvac.h"
#include "evaluation/maintenance.h"

namespace talp {

namespace {

void runRule(Project& project, Param id)
{
    switch (id) {
    case Param::max_monatsmittel: applyMaxMonthlyMeanChange(project); break;
    case Param::jahresmittel: applyAnnualMeanChange(project); break;
    case Param::min_monatsmittel: applyMinMonthlyMeanChange(project); break;
    case Param::tag_sinusspitze:
    case Param::monat_sinusspitze:
        if (project.klimaModell == "sin") applyPeakDateChange(project);
        break;
    case Param::geb_vol: applyBuildingVolumeChange(project); break;
    case Param::luftwechsel: applyAirChangeChange(project); break;
    case Param::luftstrom: applyAirFlowChange(project); break;
    case Param::fest_inv:
    case Param::wartungskosten_pz: applyMaintenancePercentChange(project); break;
    default: break;
    }
}

}  // namespace

bool setAsTyped(Project& project, Param id, long double value)
{
    const long double before = project.get(id);
    const long double stored = project.set(id, value);
    if (stored == before) return false;
    runRule(project, id);
    return true;
}

}  // namespace talp
