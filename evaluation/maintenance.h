#pragma once
// Coupling of the maintenance percentage and the yearly maintenance amount on the cost
// window: the percentage refers to the fixed investment.

#include "core/project.h"

namespace talp {

// `fest_inv` or `wartungskosten_pz` changed: the amount follows the percentage, rounded
// to cents.
void applyMaintenancePercentChange(Project& project);
// `wartungskosten_dm` changed: the percentage follows the amount (shortened for display),
// capped at 100 % with the amount recomputed. Without a fixed investment there is nothing
// to refer a percentage to: the percentage stays as it is.
void applyMaintenanceAmountChange(Project& project);

}  // namespace talp
