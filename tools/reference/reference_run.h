#pragma once
// The reference projects of tests/reference: how one is opened and calculated, and how its
// results are written as text. The generator that makes the references and the test that
// checks every build against them share this, so that both open and calculate a project
// the same way the program does.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/installation.h"
#include "core/project.h"

namespace talp::reference {

// The installation a reference project is opened in: the program's data folder with the
// climate data of the regions and stations. The hourly files of the references lie beside
// them and are named relative to the project's folder.
Installation referenceInstallation(const std::filesystem::path& dataDir);

// A reference project opened as the program opens a project file: its climate model
// applied and its coupled files accepted again.
struct OpenedReference {
    bool ok = false;
    std::string fault;  // why the project could not be opened
    Project project;
};
OpenedReference openReference(const std::filesystem::path& projectFile, const Installation& installation);

// The results of a full year: the annual summary and the economics, by name.
struct ReferenceResults {
    bool ok = false;
    std::string fault;  // why the project could not be opened or calculated
    std::vector<std::pair<std::string, long double>> figures;
    std::vector<long double> hourlyOutletTemp;  // hour of the year 1..8760 at index 0..8759
};

// The year and its economics through the calculation run.
ReferenceResults calculateReference(const Project& project, const Installation& installation);

// A long double as text with 21 significant digits, enough to read back the same value.
std::string realText(long double value);
long double realFromText(const std::string& text);

}  // namespace talp::reference
