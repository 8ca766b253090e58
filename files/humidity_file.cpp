#include "files/humidity_file.h"

#include <system_error>

#include "core/numeric.h"
#include "files/hourly_file.h"

namespace talp {

namespace {

constexpr Text kHumidityFileError{"Fehler in der Feuchtedatei, Zeile ", "Error in the humidity file, row "};

// Relative humidities of weather files reach 110 % (supersaturated readings); anything
// beyond is no humidity.
constexpr long double kMaxRelativeHumidity = 110;

}  // namespace

std::filesystem::path humidityFileBeside(const std::filesystem::path& climateFile)
{
    return std::filesystem::path(climateFile).replace_extension(".hum");
}

std::string HumidityYear::text(Language language) const
{
    if (status != Status::Refused) return {};
    return std::string(kHumidityFileError.in(language)) + std::to_string(line);
}

HumidityYear readHumidityBeside(const CouplingRecord& climate, const Installation* installation)
{
    using Status = HumidityYear::Status;
    HumidityYear year;
    if (!climate.valid) return year;
    const std::filesystem::path climateFile = locateHourlyFile(climate.fileName, installation);
    const std::filesystem::path path = humidityFileBeside(climateFile);
    std::error_code ec;
    if (path == climateFile || !std::filesystem::is_regular_file(path, ec)) return year;

    HourlyLineReader reader(path, climate);
    const int column = climate.columnOf('A');
    HourlyValues values{};
    year.percent.reserve(kHoursPerYear);
    for (int hour = 0; hour < kHoursPerYear; ++hour) {
        const bool read = reader.readLine(values);
        const long double percent = column >= 0 ? values[static_cast<std::size_t>(column)] : -1;
        if (!read || percent < 0 || percent > kMaxRelativeHumidity) {
            year.status = Status::Refused;
            year.line = reader.lineNumber();
            year.percent.clear();
            return year;
        }
        year.percent.push_back(percent);
    }
    year.status = Status::Read;
    return year;
}

}  // namespace talp
