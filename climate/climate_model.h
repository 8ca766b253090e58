#pragma once
// The outdoor climate model of a project: where the outdoor temperature of every hour
// comes from (a sine curve, one of the 12 German regions, a European station or the
// user's climate file), and the actions that switch models and apply a region or a
// station. The climate window calls these and shows the messages they return; whether a
// message ends the program is the window's decision.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "climate/regions.h"
#include "climate/station_list.h"
#include "core/installation.h"
#include "core/project.h"
#include "core/texts.h"

namespace talp {

// The four model keys of Project::klimaModell.
inline constexpr std::string_view kSineModel = "sin";
inline constexpr std::string_view kRegionModel = "region";
inline constexpr std::string_view kStationModel = "euro";
inline constexpr std::string_view kFileModel = "sim";
bool isClimateModelKey(std::string_view key);

// The incomplete installation: the region map or a climate data file is missing.
inline constexpr Text kRegionMapMissing{
    "Karte der Klimaregion nicht gefunden. Bitte wiederholen Sie die Installation.",
    "Map of climatic region not found. Please repeat setup-procedure."};
inline constexpr Text kClimateFileMissing{
    "Klimadatei nicht gefunden. Bitte wiederholen Sie die Installation.",
    "File not found. Please repeat setup-procedure."};
Message installationMessage(Text text);

// What the climate window keeps between its uses while the program runs.
struct RememberedClimateSelections {
    int regionIndex = kStartRegion - 1;  // klimaregion item index
    int stationIndex = -1;               // AuswKlimastation item index
    int peakMonthIndex = 6;              // monat_sinusspitze item index
};

// Everything the climate actions need besides the project: the installation with its
// data files, the station list once it has been read, the remembered selections and the
// random choice of a first station (the window seeds it from the clock).
struct ClimateContext {
    Installation installation;
    StationList stations;
    bool stationsRead = false;
    RememberedClimateSelections remembered;
    std::function<int(int count)> randomStation;  // an index 0..count-1; 0 when unset
};

// The coupling records of the installation's climate files. Their file names are the
// installation-relative names ("sys/_klima_4.met"), which the hourly file opener finds in
// the installation: a full path cut to the record's 100 characters would break in a deep
// installation folder, and a relative name stays right when the project moves to another
// computer.
CouplingRecord regionCoupling(int region);
CouplingRecord stationCoupling(std::int32_t stationNumber);

// The climate of a new climate window: region 4 with its sine parameters and data file.
void initialiseClimate(Project& project);

// Region application, steps without the map: the coupling record of the region chosen in
// klimaregion, its highest monthly mean and annual mean (through the form rules), the
// month and day of its peak, and the project marked changed. No region chosen: nothing.
void applyRegion(Project& project);
// The existence test of the region's data file; the message when it is missing.
std::optional<Message> checkRegionClimateFile(const Installation& installation, int region);
// The map of the region is missing (for the window, which loads it itself).
std::optional<Message> checkRegionMap(const Installation& installation, int region);
// Region chosen by the list, a postal code or a map click: the existence test, then the
// region application. A message means the installation is incomplete and nothing changed.
std::optional<Message> applyRegionChecked(Project& project, const Installation& installation);

// Model actions, as the radio buttons, the project load and the navigation run them.
// Each marks the project changed.
void selectSineModel(Project& project);
// The region model: the remembered region when none is chosen, then the region
// application (no existence test on this path).
void selectRegionModel(Project& project, ClimateContext& context);
// The file model after the coupling dialog: accepted -> "sim"; refused -> the region model.
void selectFileModel(Project& project, ClimateContext& context, bool dialogAccepted);
// The station model: reads the station list (each time it is chosen), then applies the selected
// station or, with none selected, one drawn at random. A message reports a missing or
// malformed station list (the stations read so far stay usable).
std::optional<Message> selectStationModel(Project& project, ClimateContext& context);

// Station application for the station chosen in AuswKlimastation: remembers it, sets the
// model key and the station's coupling record, and derives the sine parameters from the
// station's data file. A message reports a data file the derivation cannot read.
std::optional<Message> applyStation(Project& project, ClimateContext& context);

// Model refresh: "euro" selects the remembered station again and applies it.
std::optional<Message> refreshClimateModel(Project& project, ClimateContext& context);

// A loaded project's climate: runs the model action of its stored key, as the file's
// climate dispatch does after the values were pushed back. The key "sim" keeps the
// stored coupling record (the coupling dialog re-checks the file). An empty or unknown
// key leaves the climate as loaded.
std::optional<Message> applyLoadedClimateModel(Project& project, ClimateContext& context);

// Which inputs of the climate window are enabled and shown in a model.
struct ClimateInputState {
    bool sineInputs = false;   // the five sine parameters (grey text when disabled)
    bool regionList = false;   // klimaregion
    bool postalCode = false;   // the button plz
    bool fileButton = false;   // SimButton, shown and enabled
    bool sineGraph = false;    // SinGraph, the scroll bar and LabelTag
    bool stationList = false;  // AuswKlimastation and the Europe map
};
ClimateInputState climateInputState(std::string_view modelKey);

// The closing window remembers its selections.
void rememberClimateSelections(const Project& project, RememberedClimateSelections& remembered);

}  // namespace talp
