// The postal-code table: line k holds the climate region of the three-digit prefix k.

#include <cstdlib>
#include <fstream>
#include <map>
#include <stdexcept>

#include "climate/postal_code.h"
#include "climate/regions.h"
#include "core/numeric.h"
#include "tools/climate_data/csv.h"
#include "tools/climate_data/installation_data.h"

namespace talp::climate_data {

namespace fs = std::filesystem;

namespace {

constexpr int kPrefixCount = 999;

// Prefixes without postal codes of their own (post-office boxes, large customers such
// as 600xx in Frankfurt) take the region of the numerically nearest used prefix of the
// same two-digit zone, the lower one on a tie: the zones are geographic, and a planner
// who types such a code means that area. A zone without any used prefix stays 0, which
// the lookup rejects.
int regionOfUnusedPrefix(int prefix, const std::map<int, int>& used)
{
    const int zone = prefix / 10;
    for (int distance = 1; distance < 10; ++distance)
        for (const int candidate : {prefix - distance, prefix + distance})
            if (candidate / 10 == zone && used.count(candidate)) return used.at(candidate);
    return 0;
}

}  // namespace

WrittenFiles writePostalCodeTable(const fs::path& factsDir, const fs::path& outDir)
{
    const CsvTable table = CsvTable::read(factsDir / "plz-prefix-regions.csv");
    std::map<int, int> used;
    for (std::size_t r = 0; r < table.rows(); ++r) {
        const int prefix = table.integer(r, "prefix"), region = table.integer(r, "region");
        if (prefix < 1 || prefix > kPrefixCount || !isRegionNumber(region) || !used.emplace(prefix, region).second)
            throw std::runtime_error("plz-prefix-regions.csv: bad row for prefix " + table.text(r, "prefix"));
    }
    fs::create_directories(outDir / "sys");
    std::ofstream out(outDir / kPostalCodeFile, std::ios::binary);
    for (int k = 1; k <= kPrefixCount; ++k) {
        const auto found = used.find(k);
        const int region = found != used.end() ? found->second : regionOfUnusedPrefix(k, used);
        // Four characters before the region: the prefix and a blank.
        out << formatIntWidth(k / 100, 1) << formatIntWidth(k / 10 % 10, 1) << formatIntWidth(k % 10, 1) << " " << region << "\n";
    }
    if (!out) throw std::runtime_error("cannot write the postal-code table");
    return {std::string(kPostalCodeFile)};
}

}  // namespace talp::climate_data
