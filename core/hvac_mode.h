#pragma once
// The HVAC window's two building modes: values typed in the window ("quasistat") or hourly
// values from a ventilation file written by a building simulation ("sim").

#include <string>

#include "core/project.h"

namespace talp {

// The texts the HVAC window's code writes at run time.
namespace hlk_text {
inline constexpr Text kHlkDatei{"HLK-Datei:", "HVAC-file:"};
inline constexpr Text kAusDatei{"aus Datei", "from file"};
inline constexpr Text kHlkDateiEinlesen{"HLK-Datei einlesen", "Read HVAC-file"};
inline constexpr Text kNoFileDialog{
    "Das Einlesen einer HLK-Datei ist in dieser Version noch nicht verfügbar. "
    "Die Gebäudewerte werden weiter quasi-stationär aus diesem Fenster genommen.",
    "Reading an HVAC-file is not yet available in this version. "
    "The building values are still taken quasi-stationary from this window."};
}  // namespace hlk_text

// "Quasi-stationär" chosen, or the ventilation-file dialog cancelled: the window's own
// values drive the ventilation and the file is no longer in use.
void applyQuasistatMode(Project& project);
// The ventilation-file dialog accepted a file (its record is in the project): the file
// drives the quantities it has columns for.
void applySimMode(Project& project);

// The label beside the mode buttons: "HLK-Datei: " and the file's name without its folder.
std::string hvacFileLabel(const CouplingRecord& file, Language language);

}  // namespace talp
