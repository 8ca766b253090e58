// The German test reference years (TRY): a header of "Key : value" lines and the
// description of the parameters, then a heading line with the column names, a line
// starting with "***", and one line per hour with the values in blank-separated columns.
// The 2011 layout has the columns RG IS MM DD HH N WR WG t p x RF W B D IK A E IL and
// names the station and its position ("Lage: 51 Grad 24'N ... 6 Grad 58'O ... 152 Meter");
// the 2015/2045 layout has RW HW MM DD HH t p WR WG N x RF B D A E IL and names its
// 1 km grid cell in Lambert coordinates. Both give the hour (MEZ) 1..24 that ends at the
// time, the air temperature t in °C, the pressure p in hPa, the mixing ratio x in g/kg
// and the relative humidity RF in %. The quality flags (IL) are not needed here.

#include <algorithm>
#include <string>

#include "climate/lambert_conformal.h"
#include "core/moist_air.h"
#include "core/numeric.h"
#include "files/weather_formats.h"

namespace talp::weather {

namespace {

// The header of a TRY file is some 35 lines long; the separator is looked for this far.
constexpr std::size_t kMaxHeaderLines = 200;

constexpr ValueRange kTemperature{kAirTemperature, -70, 70, {}};
constexpr ValueRange kHumidity{kRelativeHumidity, 0, 100, {}};
constexpr ValueRange kMixing{kMixingRatio, 0, 100, {}};   // g/kg
constexpr ValueRange kPressure{kAirPressure, 300, 1100, {}};  // hPa

std::vector<std::string_view> tokensOf(std::string_view line)
{
    std::vector<std::string_view> tokens;
    std::size_t start = 0;
    while ((start = line.find_first_not_of(" \t", start)) != std::string_view::npos) {
        const std::size_t end = line.find_first_of(" \t", start);
        tokens.push_back(line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) break;
        start = end;
    }
    return tokens;
}

// The heading and the "***" line that ends the header.
struct Layout {
    std::size_t separator = 0;  // index of the "***" line
    std::size_t heading = 0;    // index of the heading line
    std::vector<std::string_view> columns;

    std::optional<std::size_t> column(std::string_view name) const
    {
        const auto at = std::find(columns.begin(), columns.end(), name);
        if (at == columns.end()) return std::nullopt;
        return static_cast<std::size_t>(at - columns.begin());
    }
};

std::optional<Layout> layoutOf(const std::vector<std::string_view>& lines)
{
    for (std::size_t i = 0; i < lines.size() && i < kMaxHeaderLines; ++i) {
        if (!startsWith(trimmed(lines[i]), "***")) continue;
        Layout layout;
        layout.separator = i;
        for (std::size_t k = i; k-- > 0;) {
            if (trimmed(lines[k]).empty()) continue;
            layout.heading = k;
            layout.columns = tokensOf(lines[k]);
            break;
        }
        for (std::string_view needed : {"MM", "DD", "HH", "t"})
            if (!layout.column(needed)) return std::nullopt;
        return layout;
    }
    return std::nullopt;
}

// The value of the header line "Key : value" (the first line starting with the key).
std::string_view headerValue(const std::vector<std::string_view>& lines, const Layout& layout, std::string_view key)
{
    for (std::size_t i = 0; i < layout.heading; ++i) {
        const std::string_view line = trimmed(lines[i]);
        const std::size_t colon = line.find(':');
        if (startsWith(line, key) && colon != std::string_view::npos) return trimmed(line.substr(colon + 1));
    }
    return {};
}

// The unsigned numbers in a text, in order ("51 Grad 24'N" gives 51 and 24).
std::vector<long double> numbersIn(std::string_view text)
{
    std::vector<long double> numbers;
    std::size_t i = 0;
    while ((i = text.find_first_of("0123456789", i)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_not_of("0123456789.", i), text.size());
        long double value = 0;
        if (parseNumber(text.substr(i, end - i), value)) numbers.push_back(value);
        i = end;
    }
    return numbers;
}

std::optional<long double> firstNumberIn(std::string_view text)
{
    const std::vector<long double> numbers = numbersIn(text);
    if (numbers.empty()) return std::nullopt;
    return numbers.front();
}

std::string joined(std::initializer_list<std::string> parts)
{
    std::string text;
    for (const std::string& part : parts)
        if (!part.empty()) text += (text.empty() ? "" : ", ") + part;
    return text;
}

std::string periodOf(const std::vector<std::string_view>& lines, const Layout& layout)
{
    const std::string period = textOfFile(headerValue(lines, layout, "Bezugszeitraum"));
    return joined({textOfFile(headerValue(lines, layout, "Art des TRY")), period.empty() ? "" : "Bezugszeitraum " + period});
}

// The grid cell of the 2015/2045 layout.
std::string gridCellLocation(const std::vector<std::string_view>& lines, const Layout& layout)
{
    const auto easting = firstNumberIn(headerValue(lines, layout, "Rechtswert"));
    const auto northing = firstNumberIn(headerValue(lines, layout, "Hochwert"));
    const auto elevation = firstNumberIn(headerValue(lines, layout, "Hoehenlage"));
    // Coordinates far outside the projection's area are no grid cell.
    const auto plausible = [](const std::optional<long double>& v) { return v && *v < 1e7L; };
    if (!plausible(easting) || !plausible(northing)) return siteText({}, {}, elevation);
    const GeographicPosition position = geographicOfEuropeanLambert(*easting, *northing);
    return siteText(position.latitude, position.longitude, elevation);
}

// The station of the 2011 layout: "Station: Essen   WMO-Nummer: 10410" and
// "Lage: 51 Grad 24'N <- B.   6 Grad 58'O <- L.   152 Meter ueber NN".
std::string stationLocation(const std::vector<std::string_view>& lines, const Layout& layout)
{
    std::string_view station = headerValue(lines, layout, "Station");
    station = trimmed(station.substr(0, station.find("WMO")));
    const std::string_view position = headerValue(lines, layout, "Lage");
    const std::vector<long double> numbers = numbersIn(position);
    std::string site;
    if (numbers.size() >= 4) {
        const long double north = position.find("'S") == std::string_view::npos ? 1 : -1;
        const long double east = position.find("'W") == std::string_view::npos ? 1 : -1;
        site = siteText(north * (numbers[0] + numbers[1] / 60), east * (numbers[2] + numbers[3] / 60),
                        numbers.size() >= 5 ? std::optional<long double>(numbers[4]) : std::nullopt);
    }
    return joined({textOfFile(station), site});
}

// Where the humidity of an hour comes from: the RF column, or else the mixing ratio x at
// the pressure p through the model's own saturation formula.
struct HumidityColumns {
    std::optional<std::size_t> relative, mixing, pressure;
};

HumidityColumns humidityColumnsOf(const Layout& layout)
{
    HumidityColumns humidity;
    humidity.relative = layout.column("RF");
    if (!humidity.relative && layout.column("x") && layout.column("p")) {
        humidity.mixing = layout.column("x");
        humidity.pressure = layout.column("p");
    }
    return humidity;
}

// Relative humidity of the mixing ratio: the rounding of x and t in the file may put a
// saturated hour a little above 100 %, as the humidity of an EPW file may be up to 110 %.
constexpr long double kMaxComputedHumidity = 110;

}  // namespace

std::optional<WeatherKind> tryKind(const std::vector<std::string_view>& lines)
{
    const std::optional<Layout> layout = layoutOf(lines);
    if (!layout) return std::nullopt;
    return layout->column("RW") ? WeatherKind::Try2015 : WeatherKind::Try2011;
}

RawWeather readTry(const std::vector<std::string_view>& lines)
{
    const Layout layout = *layoutOf(lines);
    RawWeather raw;
    raw.kind = layout.column("RW") ? WeatherKind::Try2015 : WeatherKind::Try2011;
    if (raw.kind == WeatherKind::Try2015) {
        raw.location = gridCellLocation(lines, layout);
        raw.details = periodOf(lines, layout);
    } else {
        raw.location = stationLocation(lines, layout);
        raw.details = joined({textOfFile(trimmed(lines.front())), periodOf(lines, layout)});
    }

    const std::size_t month = *layout.column("MM"), day = *layout.column("DD"), hour = *layout.column("HH"),
                      temperature = *layout.column("t");
    const HumidityColumns humidity = humidityColumnsOf(layout);
    std::size_t needed = std::max({month, day, hour, temperature});
    for (const auto& column : {humidity.relative, humidity.mixing, humidity.pressure})
        if (column) needed = std::max(needed, *column);

    for (std::size_t i = layout.separator + 1; i < lines.size(); ++i) {
        if (trimmed(lines[i]).empty()) continue;
        const int line = static_cast<int>(i + 1);
        const std::vector<std::string_view> tokens = tokensOf(lines[i]);
        if (tokens.size() <= needed) {
            raw.error = WeatherFileError{line, kTooFewFields, {}, std::to_string(tokens.size())};
            return raw;
        }
        HourRecord record;
        record.line = line;
        raw.error = readWhole(tokens[month], kMonth, 1, 12, line, record.month);
        if (!raw.error) raw.error = readWhole(tokens[day], kDay, 1, 31, line, record.day);
        if (!raw.error) raw.error = readWhole(tokens[hour], kHour, 1, 24, line, record.hour);
        if (!raw.error) raw.error = readValue(tokens[temperature], kTemperature, line, record.temperature);
        long double rf = 0, x = 0, p = 0;
        if (!raw.error && humidity.relative) {
            raw.error = readValue(tokens[*humidity.relative], kHumidity, line, rf);
            record.relativeHumidity = rf;
        } else if (!raw.error && humidity.mixing) {
            raw.error = readValue(tokens[*humidity.mixing], kMixing, line, x);
            if (!raw.error) raw.error = readValue(tokens[*humidity.pressure], kPressure, line, p);
            record.relativeHumidity = 100.0L * relativeHumidityOf(x / 1000.0L, record.temperature, p * 100.0L);
            if (!raw.error && *record.relativeHumidity > kMaxComputedHumidity)
                raw.error = WeatherFileError{line, kValueOutOfRange, kMixingRatio, std::string(tokens[*humidity.mixing])};
        }
        if (raw.error) return raw;
        raw.hours.push_back(record);
    }
    return raw;
}

}  // namespace talp::weather
