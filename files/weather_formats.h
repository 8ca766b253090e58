#pragma once
// What the readers of the single weather-file kinds share: the lines of the file, the
// hourly records as they stand in it (before the year is checked and a 29 February
// dropped), the checks of a value against its valid range, and the problems they report.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/weather_file.h"

namespace talp::weather {

// The lines of a file (LF, CR LF or a lone CR end a line); line n is lines[n - 1].
std::vector<std::string_view> splitLines(std::string_view content);

std::string_view trimmed(std::string_view text);
bool startsWith(std::string_view text, std::string_view prefix);

// One hour as the file gives it.
struct HourRecord {
    int line = 0;
    int month = 0, day = 0, hour = 0;
    long double temperature = 0;
    std::optional<long double> relativeHumidity;  // %
};

// A file read record by record, or the first problem found.
struct RawWeather {
    WeatherKind kind = WeatherKind::Epw;
    std::string location;
    std::string details;
    std::vector<HourRecord> hours;
    std::optional<WeatherFileError> error;
};

// The readers of the kinds: the kind the header shows (none: not this kind of file), and
// the whole file read.
std::optional<WeatherKind> epwKind(const std::vector<std::string_view>& lines);
RawWeather readEpw(const std::vector<std::string_view>& lines);
std::optional<WeatherKind> tryKind(const std::vector<std::string_view>& lines);
RawWeather readTry(const std::vector<std::string_view>& lines);

// The quantities a file's values are checked as.
inline constexpr Text kAirTemperature{"Lufttemperatur", "air temperature"};
inline constexpr Text kRelativeHumidity{"relative Feuchte", "relative humidity"};
inline constexpr Text kAirPressure{"Luftdruck", "air pressure"};
inline constexpr Text kMixingRatio{"Wasserdampfgehalt", "mixing ratio"};
inline constexpr Text kMonth{"Monat", "month"};
inline constexpr Text kDay{"Tag", "day"};
inline constexpr Text kHour{"Stunde", "hour"};

inline constexpr Text kValueMissing{"{field} fehlt ({value})", "{field} missing ({value})"};
inline constexpr Text kValueOutOfRange{"{field} {value} außerhalb des gültigen Bereichs", "{field} {value} out of range"};
inline constexpr Text kNotANumber{"{field} \"{value}\" ist keine Zahl", "{field} \"{value}\" is not a number"};
inline constexpr Text kTooFewFields{"nur {value} Felder", "only {value} fields"};
inline constexpr Text kNotHourly{"{value} Werte je Stunde; nur Stundenwerte können gelesen werden",
                                 "{value} records per hour; only hourly values can be read"};

// The valid range of a quantity and, for files that mark a missing value by a number,
// the smallest such number.
struct ValueRange {
    Text field;
    long double min, max;  // inclusive
    std::optional<long double> missingFrom;
};

// Reads `token` as a value of `range`; the problem when it is no number, missing or out
// of range.
std::optional<WeatherFileError> readValue(std::string_view token, const ValueRange& range, int line, long double& value);

// Reads a whole number (month, day, hour) within min..max.
std::optional<WeatherFileError> readWhole(std::string_view token, Text field, int min, int max, int line, int& value);

// "51.33 N 9.50 E, 162 m" (coordinates in degrees, elevation in m; parts not given are left out).
std::string siteText(std::optional<long double> latitude, std::optional<long double> longitude,
                     std::optional<long double> elevation);

// Text from a file as UTF-8: valid UTF-8 stays, anything else is read as Windows-1252
// (older files are written in the Windows code page); control characters become blanks.
std::string textOfFile(std::string_view bytes);

}  // namespace talp::weather
