#pragma once
// A weather file turned into a climate file of the installation's own layout, so that it
// is coupled like any other climate file and the coupling record and project files stay
// as they are: four header lines (the source file, its kind, the site, the format) and
// one line per hour "MM DD HH  TTTT.T" read with the format "XXXXXXXXXAAAA.A". The
// relative humidity, when the weather file has it, goes into the humidity file beside it
// (same name, ".hum", same layout, in %). Temperatures and humidities keep the one
// decimal of the weather files.

#include <filesystem>
#include <optional>
#include <string>

#include "core/installation.h"
#include "files/coupling_acceptance.h"
#include "files/weather_file.h"

namespace talp {

inline constexpr std::string_view kImportedClimateFormat = "XXXXXXXXXAAAA.A";
inline constexpr int kImportedHeaderLines = 4;

struct ImportedWeather {
    WeatherYear year;
    std::filesystem::path climateFile;                // absolute
    std::optional<std::filesystem::path> humidityFile;
    CouplingChoice coupling;  // what the coupling dialog is filled in with
};

struct WeatherImport {
    std::optional<ImportedWeather> imported;
    WeatherFileError error;  // when nothing was imported
    bool ok() const { return imported.has_value(); }
};

// Reads the weather file `source` and writes it as `climateFile` with its humidity file
// beside it. A humidity file left there by an earlier import is removed when the new
// weather has no humidity, so that it cannot stand for the wrong weather.
WeatherImport importWeatherFile(const std::filesystem::path& source, const std::filesystem::path& climateFile);

// Where the coupling dialog puts an imported weather file: beside the project file when the
// project has one in a folder the planner may write to (project and weather stay together),
// else in the user's data folder under "weather/". The name is the weather file's with
// ".met".
std::filesystem::path importedClimatePath(const std::filesystem::path& source, const std::filesystem::path& projectFolder,
                                          const Installation& installation);

// What the header of a climate file made by the import says; none for other files.
struct ImportedClimateHeader {
    std::string sourceFile;
    std::string kind;      // the kind and what the file says about itself
    std::string location;  // empty when the weather file named no site
};
std::optional<ImportedClimateHeader> importedClimateHeader(const std::filesystem::path& climateFile);

}  // namespace talp
