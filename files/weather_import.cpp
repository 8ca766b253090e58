#include "files/weather_import.h"

#include <system_error>
#include <unistd.h>
#include <vector>

#include "core/numeric.h"
#include "files/hourly_file.h"
#include "files/humidity_file.h"
#include "files/safe_write.h"
#include "files/weather_formats.h"

namespace talp {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSourceLine = "TALP Klimadatei aus Wetterdatei: ";
constexpr std::string_view kKindLine = "Art: ";
constexpr std::string_view kLocationLine = "Ort: ";
constexpr std::string_view kUnknownLocation = "-";

constexpr Text kCannotWrite{"Datei kann nicht geschrieben werden: {value}", "Unable to write the file: {value}"};
constexpr Text kHumidityNameClash{"Die Klimadatei darf nicht auf .hum enden", "The climate file must not end in .hum"};

// The quantity a converted file holds, as its format line names it.
constexpr std::string_view kTemperatureQuantity = "Aussenlufttemperatur in Grad C";
constexpr std::string_view kHumidityQuantity = "relative Feuchte in %";

std::string kindText(const WeatherYear& year)
{
    std::string text(weatherKindName(year.kind));
    if (!year.details.empty()) text += " (" + year.details + ")";
    return text;
}

std::string convertedText(const WeatherYear& year, const std::string& sourceName, const std::vector<long double>& values,
                          std::string_view quantity)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(kHoursPerYear) * 16 + 512);
    text += std::string(kSourceLine) + sourceName + "\n";
    text += std::string(kKindLine) + kindText(year) + "\n";
    text += std::string(kLocationLine) + (year.location.empty() ? std::string(kUnknownLocation) : year.location) + "\n";
    text += "Format " + std::string(kImportedClimateFormat) + " (Monat Tag Stunde, " + std::string(quantity) +
            "); 8760 Stundenwerte ab 1. Januar 01:00\n";
    for (int i = 0; i < kHoursPerYear; ++i) {
        const DayOfMonth date = TagImMonat(i / kHoursPerDay + 1);
        text += formatIntWidth(date.month, 2) + " " + formatIntWidth(date.day, 2) + " " +
                formatIntWidth(i % kHoursPerDay + 1, 2) + formatFixedWidth(values[static_cast<std::size_t>(i)], 7, 1) + "\n";
    }
    return text;
}

std::optional<WeatherFileError> write(const fs::path& path, const std::string& text)
{
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    if (const auto failure = replaceFileSafely(path, bytes)) return WeatherFileError{0, kCannotWrite, {}, failure->technical()};
    return std::nullopt;
}

}  // namespace

WeatherImport importWeatherFile(const fs::path& source, const fs::path& climateFile)
{
    std::error_code ec;
    const fs::path target = fs::absolute(climateFile, ec);
    const fs::path humidityFile = humidityFileBeside(target);
    if (humidityFile == target) return {std::nullopt, {0, kHumidityNameClash}};

    WeatherReading reading = readWeatherFile(source);
    if (!reading.ok()) return {std::nullopt, reading.error};
    ImportedWeather imported;
    imported.year = std::move(*reading.year);
    imported.climateFile = target;
    imported.coupling = {target.string(), std::string(kImportedClimateFormat), kImportedHeaderLines};
    const WeatherYear& year = imported.year;
    const std::string sourceName = weather::textOfFile(source.filename().string());

    if (const auto failed = write(target, convertedText(year, sourceName, year.temperature, kTemperatureQuantity)))
        return {std::nullopt, *failed};
    if (year.relativeHumidity.empty()) {
        if (fs::remove(humidityFile, ec); ec) return {std::nullopt, {0, kCannotWrite, {}, weather::textOfFile(humidityFile.string())}};
    } else {
        if (const auto failed = write(humidityFile, convertedText(year, sourceName, year.relativeHumidity, kHumidityQuantity)))
            return {std::nullopt, *failed};
        imported.humidityFile = humidityFile;
    }
    return {std::move(imported), {}};
}

fs::path importedClimatePath(const fs::path& source, const fs::path& projectFolder, const Installation& installation)
{
    const fs::path name = source.filename().replace_extension(".met");
    std::error_code ec;
    if (!projectFolder.empty() && fs::is_directory(projectFolder, ec) && ::access(projectFolder.c_str(), W_OK) == 0)
        return projectFolder / name;
    return installation.writable("weather/" + name.string());
}

std::optional<ImportedClimateHeader> importedClimateHeader(const fs::path& climateFile)
{
    TextLineSource in(climateFile);
    std::string source, kind, location;
    if (!in.next(source) || !in.next(kind) || !in.next(location)) return std::nullopt;
    const auto value = [](std::string_view line, std::string_view key) -> std::optional<std::string> {
        if (!weather::startsWith(line, key)) return std::nullopt;
        return weather::textOfFile(line.substr(key.size()));
    };
    const auto s = value(source, kSourceLine), k = value(kind, kKindLine), l = value(location, kLocationLine);
    if (!s || !k || !l) return std::nullopt;
    return ImportedClimateHeader{*s, *k, *l == kUnknownLocation ? std::string() : *l};
}

}  // namespace talp
