#pragma once
// The report needs the results of the current inputs. Where no wait window can run it (the
// command line, the tests), the full year and its economics are calculated here.

#include "core/calculation_run.h"
#include "shell/report/project_report.h"
#include "shell/session.h"

namespace talp {

// Calculates the full year and the economics into the session when its results are out of
// date; a successful run clears RecalcNeeded, a failed one sets BerechnungFehler. Returns
// the run's messages (none when nothing had to be calculated).
CalculationOutcome calculateForReport(Session& session);

// The report of the session's project with the results of its last calculation: page 2
// only when that calculation succeeded.
ProjectReport sessionReport(const Session& session);

}  // namespace talp
