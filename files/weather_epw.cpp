// EPW weather files: a LOCATION line and seven more header lines up to DATA PERIODS, then
// one comma-separated record per hour: year, month, day, hour (1..24, the hour ending at
// that time), minute, source flags, dry-bulb temperature °C, dew point °C, relative
// humidity %, station pressure Pa, radiation, wind and more. A value at or above the
// field's "missing" mark (99.9 °C, 999 %) means the source had none.

#include <string>

#include "core/numeric.h"
#include "files/weather_formats.h"

namespace talp::weather {

namespace {

constexpr std::size_t kStandardHeaderLines = 8;
constexpr std::size_t kMonthField = 1, kDayField = 2, kHourField = 3, kDryBulbField = 6, kHumidityField = 8;

// The limits of the EPW data dictionary.
constexpr ValueRange kDryBulb{kAirTemperature, -70, 70, 99.9L};
constexpr ValueRange kHumidity{kRelativeHumidity, 0, 110, 999};

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::vector<std::string_view> fieldsOf(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(trimmed(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start)));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

std::string_view field(const std::vector<std::string_view>& fields, std::size_t index)
{
    return index < fields.size() ? fields[index] : std::string_view{};
}

std::optional<long double> numberIn(std::string_view text)
{
    long double value = 0;
    if (!parseNumber(text, value)) return std::nullopt;
    return value;
}

// "City, State, Country, 59.65 N 17.95 E, 61 m": the parts the file fills in ("-" is empty).
std::string locationOf(const std::vector<std::string_view>& location)
{
    std::string text;
    for (std::size_t i = 1; i <= 3; ++i) {
        const std::string_view part = field(location, i);
        if (part.empty() || part == "-") continue;
        text += (text.empty() ? "" : ", ") + textOfFile(part);
    }
    const std::string site = siteText(numberIn(field(location, 6)), numberIn(field(location, 7)), numberIn(field(location, 9)));
    if (!site.empty()) text += (text.empty() ? "" : ", ") + site;
    return text;
}

std::string detailsOf(const std::vector<std::string_view>& location)
{
    std::string text = textOfFile(field(location, 4));
    const std::string_view wmo = field(location, 5);
    if (!wmo.empty() && wmo != "-") text += (text.empty() ? "WMO " : ", WMO ") + textOfFile(wmo);
    return text;
}

}  // namespace

std::optional<WeatherKind> epwKind(const std::vector<std::string_view>& lines)
{
    if (lines.empty()) return std::nullopt;
    std::string_view first = lines.front();
    if (startsWith(first, kUtf8Mark)) first.remove_prefix(kUtf8Mark.size());
    if (!startsWith(first, "LOCATION,")) return std::nullopt;
    return WeatherKind::Epw;
}

RawWeather readEpw(const std::vector<std::string_view>& lines)
{
    RawWeather raw;
    raw.kind = WeatherKind::Epw;
    const std::vector<std::string_view> location = fieldsOf(lines.front());
    raw.location = locationOf(location);
    raw.details = detailsOf(location);

    // The data follow the DATA PERIODS line, which also says how many records an hour has.
    std::size_t first = kStandardHeaderLines;
    for (std::size_t i = 0; i < lines.size() && i < kStandardHeaderLines; ++i) {
        if (!startsWith(lines[i], "DATA PERIODS")) continue;
        const std::string_view perHour = field(fieldsOf(lines[i]), 2);
        if (numberIn(perHour) != 1.0L) {
            raw.error = WeatherFileError{static_cast<int>(i + 1), kNotHourly, {}, textOfFile(perHour.substr(0, 20))};
            return raw;
        }
        first = i + 1;
    }

    for (std::size_t i = first; i < lines.size(); ++i) {
        if (trimmed(lines[i]).empty()) continue;
        const int line = static_cast<int>(i + 1);
        const std::vector<std::string_view> fields = fieldsOf(lines[i]);
        if (fields.size() <= kHumidityField) {
            raw.error = WeatherFileError{line, kTooFewFields, {}, std::to_string(fields.size())};
            return raw;
        }
        HourRecord record;
        record.line = line;
        long double humidity = 0;
        raw.error = readWhole(fields[kMonthField], kMonth, 1, 12, line, record.month);
        if (!raw.error) raw.error = readWhole(fields[kDayField], kDay, 1, 31, line, record.day);
        if (!raw.error) raw.error = readWhole(fields[kHourField], kHour, 1, 24, line, record.hour);
        if (!raw.error) raw.error = readValue(fields[kDryBulbField], kDryBulb, line, record.temperature);
        if (!raw.error) raw.error = readValue(fields[kHumidityField], kHumidity, line, humidity);
        if (raw.error) return raw;
        record.relativeHumidity = humidity;
        raw.hours.push_back(record);
    }
    return raw;
}

}  // namespace talp::weather
