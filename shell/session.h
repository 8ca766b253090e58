#pragma once
// What the whole program shares while it runs: the open project and its file name, the
// language, the installation, the recent files and the results of the last calculation.

#include <memory>
#include <string>

#include "core/calculation_run.h"
#include "core/installation.h"
#include "core/project.h"
#include "core/simulation.h"
#include "shell/language_setting.h"
#include "shell/recent_files.h"

namespace talp {

struct Session {
    explicit Session(Installation where) : installation(std::move(where)) {}

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

    // What a calculation run needs besides the project: the hourly data files and the
    // economics after a full year. Set once at start-up.
    HourlyFileOpener openHourlyFile;
    EconomicsHook economics;

    Language language() const { return languageState.language; }
};

}  // namespace talp
