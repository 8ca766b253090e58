// Writes the presets of a new project, sys/TalpPre.tlp, and their backup sys/TalpPre.sav
// into an installation's data folder: every input at its default, the climate of the
// reference region 4 with its sine parameters and data file, the pipes, soil, ventilation
// and costs of the parameter table.
//
//     talp-make-presets <data folder>

#include <filesystem>
#include <iostream>

#include "climate/climate_model.h"
#include "files/project_file.h"

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: talp-make-presets <data folder>\n";
        return 2;
    }
    const std::filesystem::path data = argv[1];
    talp::Project presets;
    talp::initialiseClimate(presets);
    // A new project opens on the region model, so the climate window shows region 4 chosen.
    presets.klimaModell = std::string(talp::kRegionModel);
    for (const char* name : {"sys/TalpPre.tlp", "sys/TalpPre.sav"}) {
        if (const std::optional<talp::FileFault> fault = talp::saveProjectFile(data / name, presets)) {
            std::cerr << "talp-make-presets: " << fault->technical() << '\n';
            return 1;
        }
    }
    return 0;
}
