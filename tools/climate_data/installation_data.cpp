#include "tools/climate_data/installation_data.h"

namespace talp::climate_data {

WrittenFiles generateInstallationData(const std::filesystem::path& factsDir, const std::filesystem::path& outDir)
{
    WrittenFiles all;
    for (auto writer : {writeRegionClimates, writeStationClimates, writePostalCodeTable, writeRegionMaps, writeEuropeMap}) {
        const WrittenFiles files = writer(factsDir, outDir);
        all.insert(all.end(), files.begin(), files.end());
    }
    return all;
}

}  // namespace talp::climate_data
