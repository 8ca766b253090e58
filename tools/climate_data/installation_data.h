#pragma once
// The climate installation data of TALP, generated from fact tables: the region and
// station climate files, the station list, the postal-code table and the maps.

#include <filesystem>
#include <string>
#include <vector>

#include "tools/climate_data/geography.h"
#include "tools/climate_data/weather_generator.h"

namespace talp::climate_data {

// A European station of the fact tables.
struct StationFacts {
    int number = 0;  // WMO index, also the number of its data file
    std::string name;
    std::string country;  // ISO 3166 alpha-2
    LonLat position;
    int elevation = 0;
    std::string source;  // where the monthly figures come from
    std::string period;
    MonthlyValues monthlyMeans{};
    MonthlyValues dailyRanges{};
    DayToDayVariability variability;
};

// The stations in the order of the station list (by name).
std::vector<StationFacts> readStations(const std::filesystem::path& factsDir);
// The empirical diurnal shape of each month.
std::array<DiurnalShape, 12> readDiurnalShapes(const std::filesystem::path& factsDir);

// Each writer puts its files below `outDir` (into sys/ and images/) and returns their
// paths relative to it.
using WrittenFiles = std::vector<std::string>;
WrittenFiles writeRegionClimates(const std::filesystem::path& factsDir, const std::filesystem::path& outDir);
WrittenFiles writeStationClimates(const std::filesystem::path& factsDir, const std::filesystem::path& outDir);
WrittenFiles writePostalCodeTable(const std::filesystem::path& factsDir, const std::filesystem::path& outDir);
WrittenFiles writeRegionMaps(const std::filesystem::path& factsDir, const std::filesystem::path& outDir);
WrittenFiles writeEuropeMap(const std::filesystem::path& factsDir, const std::filesystem::path& outDir);

// All of them.
WrittenFiles generateInstallationData(const std::filesystem::path& factsDir, const std::filesystem::path& outDir);

}  // namespace talp::climate_data
