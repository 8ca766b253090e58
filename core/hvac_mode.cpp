#include "core/hvac_mode.h"

namespace talp {

void applyQuasistatMode(Project& project)
{
    project.HlkModus = "quasistat";
    project.buildingCoupling.valid = false;
}

void applySimMode(Project& project) { project.HlkModus = "sim"; }

std::string hvacFileLabel(const CouplingRecord& file, Language language)
{
    // Project files written on Windows carry backslashes, others slashes.
    const std::size_t folderEnd = file.fileName.find_last_of("/\\");
    const std::string name = folderEnd == std::string::npos ? file.fileName : file.fileName.substr(folderEnd + 1);
    return std::string(hlk_text::kHlkDatei.in(language)) + " " + name;
}

}  // namespace talp
