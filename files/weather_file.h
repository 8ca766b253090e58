#pragma once
// Weather files planners hold: the national test reference years (TRY, fixed columns
// under a long header, in the 2011 and the 2015/2045 layouts) and EPW files (comma-
// separated, eight header lines). One entry point recognises the kind by the content and
// reads one year of hourly air temperatures and, where the file has them, relative
// humidities. Both kinds count the hour that ends at the given time, 1..24, as the
// installation's climate files do.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/texts.h"

namespace talp {

enum class WeatherKind { Try2011, Try2015, Epw };

// "TRY 2011", "TRY 2015/2045", "EPW".
std::string_view weatherKindName(WeatherKind kind);

// Why a weather file cannot be used, with the line it was found in (0: the file as a
// whole). The problem's text names the quantity and the offending value.
struct WeatherFileError {
    int line = 0;
    Text problem;         // may hold "{field}" and "{value}"
    Text field{};         // the quantity concerned, if any
    std::string value{};  // the value as found in the file, if any

    // "Zeile 12: Lufttemperatur fehlt (99.9)" / "line 12: air temperature missing (99.9)".
    std::string text(Language language) const;
};

// One year (8760 hours, 1 January 01:00 first) of a weather file.
struct WeatherYear {
    WeatherKind kind = WeatherKind::Epw;
    std::string location;  // the site: name and coordinates as far as the file gives them
    std::string details;   // what the file says about itself (type of year, period, source)
    int sourceHours = 0;   // hours in the file: 8760, or 8784 with a 29 February dropped
    std::vector<long double> temperature;       // °C
    std::vector<long double> relativeHumidity;  // %; empty when the file has no humidity
};

struct WeatherReading {
    std::optional<WeatherYear> year;
    WeatherFileError error;  // when there is no year
    bool ok() const { return year.has_value(); }
};

// The kind of a weather file's content; none for anything else.
std::optional<WeatherKind> recogniseWeather(std::string_view content);

// The kind of a file, from its first lines; none for anything else or a file that does
// not open.
std::optional<WeatherKind> recogniseWeatherFile(const std::filesystem::path& path);

// Recognises the content and reads its year.
WeatherReading readWeatherText(std::string_view content);
WeatherReading readWeatherFile(const std::filesystem::path& path);

inline constexpr Text kNotAWeatherFile{"Keine Wetterdatei (Testreferenzjahr oder EPW)",
                                       "Not a weather file (test reference year or EPW)"};

}  // namespace talp
