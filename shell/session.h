#pragma once
// What the whole program shares while it runs: the open project and its file name, the
// language, the installation, the recent files and the results of the last calculation.

#include <memory>
#include <string>

#include "climate/climate_model.h"
#include "core/calculation_run.h"
#include "core/installation.h"
#include "core/project.h"
#include "core/simulation.h"
#include "evaluation/economics.h"
#include "shell/language_setting.h"
#include "shell/recent_files.h"

namespace talp {

struct Session {
    explicit Session(Installation where) : installation(std::move(where)) { climate.installation = installation; }

    Installation installation;
    Project project;
    std::string projectPath;       // empty for an unnamed project
    std::string openDialogFile;    // initial file name of the open dialog (the last "save as")
    LanguageState languageState;
    RecentFiles recentFiles;

    // The results of the last calculation; a one-day run keeps the annual figures of the
    // last full-year run beside its own.
    std::unique_ptr<SimulationResults> results = std::make_unique<SimulationResults>();
    bool BerechnungFehler = false;  // the last calculation failed
    // The economics of the last successful full-year run.
    EconomicsResults economics;

    // The climate window's state: station list, remembered selections.
    ClimateContext climate;
    // Opens the hourly data files a run reads; set once at start-up.
    HourlyFileOpener openHourlyFile;

    Language language() const { return languageState.language; }
};

}  // namespace talp
