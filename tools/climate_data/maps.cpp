// The maps of the climate window: Germany painted by climate region (one map per
// region, the region marked), the swatch image the map click compares with, and the
// Europe map with the climate stations and the pointer that marks the chosen one.

#include <fstream>
#include <limits>
#include <stdexcept>

#include "climate/bitmap.h"
#include "climate/region_colours.h"
#include "climate/regions.h"
#include "climate/station_list.h"
#include "tools/climate_data/csv.h"
#include "tools/climate_data/installation_data.h"

namespace talp::climate_data {

namespace fs = std::filesystem;

namespace {

// Colours that are no swatch: a click on them applies the current region again.
constexpr Rgb kBackground{255, 255, 255};
constexpr Rgb kRegionBorder{255, 255, 255};
constexpr Rgb kNationalBorder{0, 0, 0};
constexpr Rgb kHighlight{200, 20, 20};
// Every fifth diagonal of the chosen region is hatched; the other pixels keep the
// region's swatch grey so that a click anywhere else in it still finds the region.
constexpr int kHatchSpacing = 5;

constexpr Rgb kSea{201, 224, 241};
constexpr Rgb kLand{236, 231, 214};
constexpr Rgb kGermany{248, 221, 158};
constexpr Rgb kCountryBorder{150, 146, 136};
constexpr Rgb kCoast{96, 120, 150};
constexpr Rgb kStationMark{200, 20, 20};
constexpr Rgb kStationPoint{110, 0, 0};
constexpr Rgb kPointerColour{200, 20, 20};

constexpr int kOutside = 0;  // region raster: 0 outside Germany, else the region

struct PrefixSeed {
    double x, y;
    int region;
};

std::vector<PrefixSeed> prefixSeeds(const fs::path& factsDir)
{
    const CsvTable table = CsvTable::read(factsDir / "plz-prefix-regions.csv");
    std::vector<PrefixSeed> seeds;
    for (std::size_t r = 0; r < table.rows(); ++r) {
        const LonLat p{table.number(r, "lon"), table.number(r, "lat")};
        seeds.push_back({GermanyProjection::x(p), GermanyProjection::y(p), table.integer(r, "region")});
    }
    return seeds;
}

// Each pixel inside Germany takes the region of the nearest prefix centroid, measured in
// the map's plane.
std::vector<int> regionRaster(const fs::path& factsDir)
{
    const std::vector<Outline> germany = readOutlines(factsDir / "germany-outline.geojson");
    const std::vector<PrefixSeed> seeds = prefixSeeds(factsDir);
    std::vector<int> raster(static_cast<std::size_t>(GermanyProjection::kWidth) * GermanyProjection::kHeight, kOutside);
    for (int py = 0; py < GermanyProjection::kHeight; ++py) {
        for (int px = 0; px < GermanyProjection::kWidth; ++px) {
            if (!germany.front().contains(GermanyProjection::ofPixelCentre(px, py))) continue;
            double best = std::numeric_limits<double>::max();
            int region = kOutside;
            for (const PrefixSeed& s : seeds) {
                const double d = (s.x - px - 0.5) * (s.x - px - 0.5) + (s.y - py - 0.5) * (s.y - py - 0.5);
                if (d < best) {
                    best = d;
                    region = s.region;
                }
            }
            raster[static_cast<std::size_t>(py) * GermanyProjection::kWidth + px] = region;
        }
    }
    return raster;
}

Bitmap regionMap(const std::vector<int>& raster, int highlighted)
{
    const SwatchColours swatches = standardSwatchColours();
    const int w = GermanyProjection::kWidth, h = GermanyProjection::kHeight;
    const auto regionAt = [&](int x, int y) {
        return x < 0 || y < 0 || x >= w || y >= h ? kOutside : raster[static_cast<std::size_t>(y) * w + x];
    };
    Bitmap map(w, h, kBackground);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int region = regionAt(x, y);
            if (region == kOutside) continue;
            const bool coast = regionAt(x - 1, y) == kOutside || regionAt(x + 1, y) == kOutside ||
                               regionAt(x, y - 1) == kOutside || regionAt(x, y + 1) == kOutside;
            const int right = regionAt(x + 1, y), below = regionAt(x, y + 1);
            const bool border = (right != kOutside && right != region) || (below != kOutside && below != region);
            if (coast)
                map.at(x, y) = kNationalBorder;
            else if (border)
                map.at(x, y) = kRegionBorder;
            else if (region == highlighted && (x + y) % kHatchSpacing == 0)
                map.at(x, y) = kHighlight;
            else
                map.at(x, y) = regionColour(region, swatches);
        }
    }
    return map;
}

// The pointer: an arrow whose tip is the lower right corner, on a white background the
// window shows transparent.
Bitmap pointerImage()
{
    Bitmap pointer(kPointerSize, kPointerSize, kBackground);
    for (int i = 3; i < kPointerSize; ++i) {
        pointer.at(i, i) = kPointerColour;
        if (i + 1 < kPointerSize) pointer.at(i + 1, i) = kPointerColour;
    }
    for (int y = kPointerSize - 8; y < kPointerSize; ++y)
        for (int x = kPointerSize - 8; x < kPointerSize; ++x)
            if (x + y >= 2 * kPointerSize - 10) pointer.at(x, y) = kPointerColour;
    return pointer;
}

void save(const fs::path& outDir, std::string_view relative, const Bitmap& image, WrittenFiles& written)
{
    fs::create_directories((outDir / relative).parent_path());
    if (!writeBitmap(outDir / relative, image)) throw std::runtime_error("cannot write " + std::string(relative));
    written.emplace_back(relative);
}

}  // namespace

WrittenFiles writeRegionMaps(const fs::path& factsDir, const fs::path& outDir)
{
    const std::vector<int> raster = regionRaster(factsDir);
    WrittenFiles written;
    for (int n = 1; n <= kRegionCount; ++n) save(outDir, regionMapFile(n), regionMap(raster, n), written);
    save(outDir, kStartRegionMapFile, regionMap(raster, kStartRegion), written);
    save(outDir, kSwatchImageFile, swatchImage(), written);
    return written;
}

WrittenFiles writeEuropeMap(const fs::path& factsDir, const fs::path& outDir)
{
    const std::vector<Outline> countries = readOutlines(factsDir / "europe-countries.geojson");
    const int w = EuropeProjection::kWidth, h = EuropeProjection::kHeight;
    std::vector<int> owner(static_cast<std::size_t>(w) * h, -1);  // country index, -1 sea
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (std::size_t c = 0; c < countries.size(); ++c)
                if (countries[c].contains(EuropeProjection::ofPixelCentre(x, y))) {
                    owner[static_cast<std::size_t>(y) * w + x] = static_cast<int>(c);
                    break;
                }
    const auto ownerAt = [&](int x, int y) { return x < 0 || y < 0 || x >= w || y >= h ? -2 : owner[static_cast<std::size_t>(y) * w + x]; };

    Bitmap map(w, h, kSea);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int c = ownerAt(x, y);
            if (c < 0) continue;
            const int right = ownerAt(x + 1, y), below = ownerAt(x, y + 1);
            const bool coast = right == -1 || below == -1 || ownerAt(x - 1, y) == -1 || ownerAt(x, y - 1) == -1;
            const bool border = (right >= 0 && right != c) || (below >= 0 && below != c);
            map.at(x, y) = coast ? kCoast : border ? kCountryBorder : countries[static_cast<std::size_t>(c)].name == "Germany" ? kGermany : kLand;
        }
    }
    // Each station: its point, and the diagonal run down to the right on which it answers
    // the mouse.
    for (const StationFacts& s : readStations(factsDir)) {
        const int x = EuropeProjection::column(s.position), y = EuropeProjection::row(s.position);
        for (int k = 0; k < kHitRunLength; ++k)
            if (map.contains(x + k, y + k)) map.at(x + k, y + k) = kStationMark;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (map.contains(x + dx, y + dy)) map.at(x + dx, y + dy) = kStationPoint;
    }
    WrittenFiles written;
    save(outDir, kEuropeMapFile, map, written);
    save(outDir, kPointerImageFile, pointerImage(), written);
    return written;
}

}  // namespace talp::climate_data
