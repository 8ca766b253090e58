#include "cli/climate_options.h"

#include <algorithm>

#include "cli/command_line.h"
#include "climate/climate_model.h"

namespace talp::cli {

namespace {

[[noreturn]] void fail(const Message& message) { throw CommandFailure{std::string(message.text.de)}; }

void applyStationOption(Project& project, int index, const Installation& installation)
{
    ClimateContext context;
    context.installation = installation;
    const StationListReading reading = readStationList(installation.readable(kStationListFile));
    if (!reading.complete && reading.list.count() == 0) fail(installationMessage(kClimateFileMissing));
    if (index >= reading.list.count())
        throw UsageError{"station must be a list index within 0 .. " + std::to_string(reading.list.count() - 1) + ", not " +
                         std::to_string(index)};
    context.stations = reading.list;
    context.stationsRead = true;
    project.set(Param::AuswKlimastation, index);
    if (const std::optional<Message> failed = selectStationModel(project, context)) fail(*failed);
}

}  // namespace

ClimateOptions takeClimateOptions(std::vector<std::string>& assignments)
{
    ClimateOptions options;
    const auto take = [&](const std::string& assignment) {
        const std::size_t eq = assignment.find('=');
        const std::string name = assignment.substr(0, eq), value = assignment.substr(eq + 1);
        if (name == "klima") {
            if (!isClimateModelKey(value)) throw UsageError{"klima must be sin, region, euro or sim, not '" + value + "'"};
            options.model = value;
        } else if (name == "klimaregion") {
            options.region = wholeNumber(value, 1, kRegionCount, "klimaregion");
        } else if (name == "station") {
            options.station = wholeNumber(value, 0, kMaxStations - 1, "station");
        } else {
            return false;
        }
        return true;
    };
    assignments.erase(std::remove_if(assignments.begin(), assignments.end(), take), assignments.end());
    return options;
}

void applyClimateOptions(Project& project, const ClimateOptions& options, const Installation& installation)
{
    if (!options.any()) return;
    const std::string model = options.model.value_or(options.station ? std::string(kStationModel) : std::string(kRegionModel));
    if (options.region && model != kRegionModel) throw UsageError{"klimaregion belongs to klima=region"};
    if (options.station && model != kStationModel) throw UsageError{"station belongs to klima=euro"};

    if (model == kSineModel) {
        selectSineModel(project);
    } else if (model == kRegionModel) {
        // Without klimaregion the project's own region stays, else the start region.
        const int chosen = project.getInt(Param::klimaregion) >= 0 ? project.getInt(Param::klimaregion) + 1 : kStartRegion;
        project.set(Param::klimaregion, options.region.value_or(chosen) - 1);
        project.klimaModell = kRegionModel;
        if (const std::optional<Message> missing = applyRegionChecked(project, installation)) fail(*missing);
    } else if (model == kStationModel) {
        if (!options.station) throw UsageError{"klima=euro needs station=INDEX (see talp-cli stations)"};
        applyStationOption(project, *options.station, installation);
    } else {
        if (!project.climateCoupling.valid) throw UsageError{"klima=sim needs a project whose climate file is set"};
        project.klimaModell = kFileModel;
    }
}

const Installation& cliInstallation()
{
    static const Installation installation = locateInstallationOfRunningProgram(nullptr);
    return installation;
}

}  // namespace talp::cli
