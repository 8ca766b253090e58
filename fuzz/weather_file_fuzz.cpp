// libFuzzer target: any bytes as a weather file a planner hands us (test reference years
// of both layouts, EPW), through the recognition and the readers. Every text the reader
// gives back (site, details, the refusal in both languages) must be well-formed UTF-8,
// as the JSON output and the windows need it.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include <nlohmann/json.hpp>

#include "files/weather_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace talp;
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::optional<WeatherKind> kind = recogniseWeather(content);
    const WeatherReading reading = readWeatherText(content);
    if (reading.ok() && !kind) __builtin_trap();  // a year is read only from a recognised file
    nlohmann::json texts = {reading.error.text(Language::German), reading.error.text(Language::English)};
    if (reading.ok()) {
        const WeatherYear& year = *reading.year;
        if (year.temperature.size() != 8760 || (!year.relativeHumidity.empty() && year.relativeHumidity.size() != 8760))
            __builtin_trap();
        texts.push_back(year.location);
        texts.push_back(year.details);
    }
    (void)texts.dump();  // throws on malformed UTF-8
    return 0;
}
