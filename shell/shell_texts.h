#pragma once
// The texts of the main window's own dialogs: the save-changes dialog, the information
// window and the project file dialogs.

#include "core/texts.h"

namespace talp {

inline constexpr Text kSaveChangesCaption{"Änderungen speichern?", "Save changes?"};
inline constexpr Text kSaveChangesText{"Ihr Projekt wurde geändert. Möchten Sie die Änderungen speichern?",
                                       "Your project has been changed. Do you want to save the changes?"};
inline constexpr Text kYes{"Ja", "Yes"};
inline constexpr Text kNo{"Nein", "No"};
inline constexpr Text kCancel{"Abbrechen", "Cancel"};

inline constexpr Text kProjectFileFilter{"Talp-Projektdatei (*.tlp)", "TALP project file (*.tlp)"};
inline constexpr Text kOpenDialogTitle{"Projekt öffnen", "Open project"};
inline constexpr Text kSaveDialogTitle{"Projekt speichern unter", "Save project as"};
inline constexpr Text kIoErrorTitle{"E/A-Fehler", "I/O error"};

inline constexpr Text kInfoCaption{"Info", "Info"};
inline constexpr Text kInfoTitle{"TALP", "TALP"};
inline constexpr Text kInfoSubtitle{"Auslegung von Erdwärmeaustauschern", "Design of earth heat exchangers"};
inline constexpr Text kInfoDescription{
    "Stündliche Jahressimulation von Luft-Erdwärmeaustauschern: Rohre, Erdreich, Klima, Lüftung und "
    "Wirtschaftlichkeit, Tages- und Jahresauswertung, Optimierung der Rohrgeometrie.",
    "Hourly simulation of earth-to-air heat exchangers over a year: pipes, soil, climate, ventilation and "
    "economics, daily and annual analysis, optimisation of the pipe geometry."};
inline constexpr Text kInfoVersion{"Version", "Version"};
inline constexpr Text kOk{"OK", "OK"};

}  // namespace talp
