#include "climate/climate_model.h"

#include <fstream>

#include "climate/sine_parameters.h"
#include "files/climate_file_sine.h"

namespace talp {

namespace {

CouplingRecord installationCoupling(std::string fileName, ColumnDescriptor column, std::int32_t headerLines)
{
    CouplingRecord record = defaultClimateCoupling();
    record.valid = true;
    record.fileName = std::move(fileName);
    record.columns[0] = column;
    record.columnCount = 1;
    record.headerLines = headerLines;
    return record;
}

bool installationFileExists(const Installation& installation, const std::string& relative)
{
    std::ifstream in(installation.readable(relative));
    return in.is_open();
}

int chosenRegion(const Project& project) { return project.getInt(Param::klimaregion) + 1; }

// The region's sine parameters go through the form rules in the order the window sets
// them, so the lowest monthly mean ends as 2 x mean - max.
void takeRegionSineParameters(Project& project, const ClimateRegion& region)
{
    project.set(Param::max_monatsmittel, region.highestMonthlyMean);
    applyMaxMonthlyMeanChange(project);
    project.set(Param::jahresmittel, region.annualMean);
    applyAnnualMeanChange(project);
    setPeakDay(project, region.peakDay);
}

}  // namespace

bool isClimateModelKey(std::string_view key)
{
    return key == kSineModel || key == kRegionModel || key == kStationModel || key == kFileModel;
}

Message installationMessage(Text text) { return Message{{"Fehler", "Error"}, text, MessageKind::Error}; }

CouplingRecord regionCoupling(int region)
{
    // "XXXXXXXXXAAAA.A": nine characters skipped, four integer characters, one decimal.
    return installationCoupling(regionClimateFile(region), {9, 4, 1, 'A'}, 4);
}

CouplingRecord stationCoupling(std::int32_t stationNumber)
{
    CouplingRecord record = installationCoupling(stationClimateFile(stationNumber), {5, 3, 1, 'A'}, 6);
    record.format = "XXXXXAAA.A";
    return record;
}

void initialiseClimate(Project& project)
{
    project.set(Param::klimaregion, kStartRegion - 1);
    takeRegionSineParameters(project, climateRegion(kStartRegion));
    project.climateCoupling = regionCoupling(kStartRegion);
}

void applyRegion(Project& project)
{
    const int region = chosenRegion(project);
    if (!isRegionNumber(region)) return;
    project.climateCoupling = regionCoupling(region);
    takeRegionSineParameters(project, climateRegion(region));
    project.markChanged(InputWindow::Climate);
}

std::optional<Message> checkRegionClimateFile(const Installation& installation, int region)
{
    if (isRegionNumber(region) && installationFileExists(installation, regionClimateFile(region))) return std::nullopt;
    return installationMessage(kClimateFileMissing);
}

std::optional<Message> checkRegionMap(const Installation& installation, int region)
{
    if (isRegionNumber(region) && installationFileExists(installation, regionMapFile(region))) return std::nullopt;
    return installationMessage(kRegionMapMissing);
}

std::optional<Message> applyRegionChecked(Project& project, const Installation& installation)
{
    if (auto missing = checkRegionClimateFile(installation, chosenRegion(project))) return missing;
    applyRegion(project);
    return std::nullopt;
}

void selectSineModel(Project& project)
{
    project.climateCoupling.valid = false;
    project.klimaModell = kSineModel;
    project.markChanged(InputWindow::Climate);
}

void selectRegionModel(Project& project, ClimateContext& context)
{
    project.klimaModell = kRegionModel;
    if (project.getInt(Param::klimaregion) < 0) project.set(Param::klimaregion, context.remembered.regionIndex);
    applyRegion(project);
    project.markChanged(InputWindow::Climate);
}

void selectFileModel(Project& project, ClimateContext& context, bool dialogAccepted)
{
    if (!dialogAccepted) {
        selectRegionModel(project, context);
        return;
    }
    project.klimaModell = kFileModel;
    project.markChanged(InputWindow::Climate);
}

std::optional<Message> selectStationModel(Project& project, ClimateContext& context)
{
    // Read at every choice of the model: a list the planner repaired meanwhile is taken, and
    // a broken one is reported each time.
    std::optional<Message> message;
    StationListReading reading = readStationList(context.installation.readable(kStationListFile));
    context.stations = std::move(reading.list);
    context.stationsRead = true;
    if (!reading.complete) message = installationMessage(kClimateFileMissing);
    project.klimaModell = kStationModel;
    const int count = context.stations.count();
    if (!context.stations.at(project.getInt(Param::AuswKlimastation)) && count > 0) {
        const int drawn = context.randomStation ? context.randomStation(count) : 0;
        project.set(Param::AuswKlimastation, drawn >= 0 && drawn < count ? drawn : 0);
    }
    if (auto failed = applyStation(project, context); failed && !message) message = failed;
    project.markChanged(InputWindow::Climate);
    return message;
}

std::optional<Message> applyStation(Project& project, ClimateContext& context)
{
    const int index = project.getInt(Param::AuswKlimastation);
    const ClimateStation* station = context.stations.at(index);
    if (!station) return std::nullopt;
    context.remembered.stationIndex = index;
    project.klimaModell = kStationModel;
    project.climateCoupling = stationCoupling(station->number);
    project.markChanged(InputWindow::Climate);
    const std::optional<ClimateFileSine> sine = deriveClimateFileSine(project.climateCoupling, &context.installation);
    if (!sine) return installationMessage(kClimateFileMissing);
    applyClimateFileSine(project, *sine);
    return std::nullopt;
}

std::optional<Message> refreshClimateModel(Project& project, ClimateContext& context)
{
    if (project.klimaModell != kStationModel) return std::nullopt;
    if (!context.stationsRead) return selectStationModel(project, context);
    if (context.stations.at(context.remembered.stationIndex))
        project.set(Param::AuswKlimastation, context.remembered.stationIndex);
    return applyStation(project, context);
}

std::optional<Message> applyLoadedClimateModel(Project& project, ClimateContext& context)
{
    if (project.klimaModell == kSineModel) {
        selectSineModel(project);
    } else if (project.klimaModell == kRegionModel) {
        selectRegionModel(project, context);
    } else if (project.klimaModell == kStationModel) {
        return selectStationModel(project, context);
    }
    return std::nullopt;
}

ClimateInputState climateInputState(std::string_view modelKey)
{
    ClimateInputState state;
    if (modelKey == kSineModel) {
        state.sineInputs = true;
        state.sineGraph = true;
    } else if (modelKey == kRegionModel) {
        state.regionList = true;
        state.postalCode = true;
    } else if (modelKey == kFileModel) {
        state.fileButton = true;
    } else if (modelKey == kStationModel) {
        state.stationList = true;
    }
    return state;
}

void rememberClimateSelections(const Project& project, RememberedClimateSelections& remembered)
{
    // "Nothing chosen" is not remembered: the region model falls back on the last region.
    if (project.getInt(Param::klimaregion) >= 0) remembered.regionIndex = project.getInt(Param::klimaregion);
    if (project.getInt(Param::AuswKlimastation) >= 0) remembered.stationIndex = project.getInt(Param::AuswKlimastation);
    remembered.peakMonthIndex = project.getInt(Param::monat_sinusspitze);
}

}  // namespace talp
