#include "evaluation/maintenance.h"

#include "core/numeric.h"

namespace talp {

void applyMaintenancePercentChange(Project& p)
{
    p.set(Param::wartungskosten_dm,
          RundeStellen(2, p.get(Param::wartungskosten_pz) * 0.01L * p.get(Param::fest_inv)));
}

void applyMaintenanceAmountChange(Project& p)
{
    const long double investment = p.get(Param::fest_inv);
    if (investment == 0) return;
    const long double percent = RundeSignifikant(p.get(Param::wartungskosten_dm) * 100.0L / investment);
    const long double maxPercent = paramSpec(Param::wartungskosten_pz).maxValue;
    if (percent <= maxPercent) {
        p.set(Param::wartungskosten_pz, percent);
    } else {
        p.set(Param::wartungskosten_pz, maxPercent);
        applyMaintenancePercentChange(p);
    }
}

}  // namespace talp
