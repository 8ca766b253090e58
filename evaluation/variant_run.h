#pragma once
// One variant's year with its economics and its condensation estimate, for the variants of
// an opened variant file and for the parameter study. The fast path computes the year when
// the project allows it (one laying depth and one building distance along the whole pipe);
// a project with segment tables, or one the fast path cannot read or calculate, takes the
// extended path of the interactive runs, which also tells why a run fails. Both agree to
// far better than the figures are shown.

#include <atomic>
#include <vector>

#include "core/hourly_input.h"
#include "core/installation.h"
#include "core/project.h"
#include "core/simulation.h"
#include "core/texts.h"
#include "evaluation/variant_figures.h"

namespace talp {

struct VariantRequest {
    HourlyFileOpener openHourlyFile;
    // The installation whose climate files a region or station names, and beside whose
    // climate file the humidity is looked for.
    const Installation* installation = nullptr;
    // The outlet temperature of every hour, for the comparison's chart; a study does
    // without it.
    bool keepHourly = true;
    // Threads of a year on the extended path: the study runs its variants side by side,
    // each on one thread.
    int threads = 0;
    const std::atomic<bool>* cancel = nullptr;
};

struct VariantRun {
    bool ok = false;
    bool cancelled = false;
    std::vector<Message> messages;  // why the year or its economics could not be calculated
    VariantFigures figures;
};

// The fast path computes this project's year.
bool fastPathCovers(const Project& project);

// `scratch` holds the hourly results while the figures are taken; a caller running many
// variants hands the same one to each.
VariantRun calculateVariant(const Project& project, const VariantRequest& request, SimulationResults& scratch);

}  // namespace talp
