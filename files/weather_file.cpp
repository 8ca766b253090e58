#include "files/weather_file.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "core/numeric.h"
#include "files/hourly_file.h"
#include "files/weather_formats.h"

namespace talp {

using namespace weather;

namespace {

// The header of every kind lies within the first lines of a file.
constexpr std::size_t kRecognitionBytes = 64u << 10;

// A weather file holds one year of hourly lines (an EPW file about 1.6 MB); anything far
// larger is no weather file and is not read into memory.
constexpr std::uintmax_t kMaxWeatherFileBytes = 64u << 20;

constexpr Text kFileTooLarge{"Datei zu groß für eine Wetterdatei", "File too large for a weather file"};
constexpr Text kUnexpectedHour{"Stunde {value} folgt nicht auf die vorige (Monat-Tag Stunde)",
                               "hour {value} does not follow the one before (month-day hour)"};
constexpr Text kTooFewHours{"nur {value} Stunden, ein Jahr hat 8760", "only {value} hours, a year has 8760"};
constexpr Text kTooManyHours{"mehr Stunden als ein Jahr", "more hours than one year"};

struct Format {
    std::optional<WeatherKind> (*kindOf)(const std::vector<std::string_view>&);
    RawWeather (*read)(const std::vector<std::string_view>&);
};

constexpr Format kFormats[] = {{epwKind, readEpw}, {tryKind, readTry}};

const Format* formatOf(const std::vector<std::string_view>& lines)
{
    for (const Format& format : kFormats)
        if (format.kindOf(lines)) return &format;
    return nullptr;
}

// "01-05 04": month, day and hour as a file's reader finds them again.
std::string hourText(int month, int day, int hour)
{
    const auto twoDigits = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
    return twoDigits(month) + "-" + twoDigits(day) + " " + twoDigits(hour);
}

// The records in the order of the year, 29 February dropped: every hour from 1 January
// 01:00 to 31 December 24:00 exactly once.
WeatherReading yearOf(RawWeather raw)
{
    WeatherYear year;
    year.kind = raw.kind;
    year.location = std::move(raw.location);
    year.details = std::move(raw.details);
    year.sourceHours = static_cast<int>(raw.hours.size());
    year.temperature.reserve(kHoursPerYear);
    const bool humid = !raw.hours.empty() && raw.hours.front().relativeHumidity.has_value();
    for (const HourRecord& record : raw.hours) {
        if (record.month == 2 && record.day == 29) continue;
        const int index = static_cast<int>(year.temperature.size());
        if (index == kHoursPerYear) return {std::nullopt, {record.line, kTooManyHours}};
        const DayOfMonth expected = TagImMonat(index / kHoursPerDay + 1);
        if (record.month != expected.month || record.day != expected.day || record.hour != index % kHoursPerDay + 1)
            return {std::nullopt, {record.line, kUnexpectedHour, {}, hourText(record.month, record.day, record.hour)}};
        year.temperature.push_back(record.temperature);
        if (humid) year.relativeHumidity.push_back(record.relativeHumidity.value_or(0));
    }
    if (year.temperature.size() < kHoursPerYear)
        return {std::nullopt, {0, kTooFewHours, {}, std::to_string(year.temperature.size())}};
    return {std::move(year), {}};
}

}  // namespace

std::string_view weatherKindName(WeatherKind kind)
{
    switch (kind) {
    case WeatherKind::Try2011: return "TRY 2011";
    case WeatherKind::Try2015: return "TRY 2015/2045";
    case WeatherKind::Epw: return "EPW";
    }
    return {};
}

std::string WeatherFileError::text(Language language) const
{
    std::string out(problem.in(language));
    const auto replace = [&out](std::string_view placeholder, std::string_view by) {
        const std::size_t at = out.find(placeholder);
        if (at != std::string::npos) out.replace(at, placeholder.size(), by);
    };
    replace("{field}", field.in(language));
    replace("{value}", value);
    if (line > 0) out = (language == Language::English ? "line " : "Zeile ") + std::to_string(line) + ": " + out;
    return out;
}

std::optional<WeatherKind> recogniseWeather(std::string_view content)
{
    const std::vector<std::string_view> lines = splitLines(content);
    const Format* format = formatOf(lines);
    if (!format) return std::nullopt;
    return format->kindOf(lines);
}

std::optional<WeatherKind> recogniseWeatherFile(const std::filesystem::path& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::string head(kRecognitionBytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return recogniseWeather(head);
}

WeatherReading readWeatherText(std::string_view content)
{
    const std::vector<std::string_view> lines = splitLines(content);
    const Format* format = formatOf(lines);
    if (!format) return {std::nullopt, {0, kNotAWeatherFile}};
    RawWeather raw = format->read(lines);
    if (raw.error) return {std::nullopt, *raw.error};
    return yearOf(std::move(raw));
}

WeatherReading readWeatherFile(const std::filesystem::path& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return {std::nullopt, {0, kCannotOpenFile}};
    if (std::filesystem::file_size(path, ec) > kMaxWeatherFileBytes) return {std::nullopt, {0, kFileTooLarge}};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {std::nullopt, {0, kCannotOpenFile}};
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return readWeatherText(content);
}

}  // namespace talp
