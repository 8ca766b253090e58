#pragma once
// Outlines in geographic coordinates (GeoJSON polygons) and the two map projections of
// the installation maps.

#include <filesystem>
#include <string>
#include <vector>

namespace talp::climate_data {

struct LonLat {
    double lon = 0;
    double lat = 0;
};

// One feature's rings (outer rings and holes alike: the inside test is even-odd).
struct Outline {
    std::string name;
    std::vector<std::vector<LonLat>> rings;
    double minLon = 180, maxLon = -180, minLat = 90, maxLat = -90;

    bool contains(LonLat p) const;
};

// The features of a GeoJSON FeatureCollection of Polygons and MultiPolygons.
std::vector<Outline> readOutlines(const std::filesystem::path& file);

// Germany: equirectangular with the longitude scaled by cos 51°, 300 x 401 pixels.
struct GermanyProjection {
    static constexpr int kWidth = 300;
    static constexpr int kHeight = 401;
    static constexpr double kWestLon = 5.7;
    static constexpr double kNorthLat = 55.15;
    static double pixelsPerDegree();  // 300 / (9.5 cos 51°)
    static double x(LonLat p);        // continuous, pixel units
    static double y(LonLat p);
    static LonLat ofPixelCentre(int px, int py);
};

// Europe: plate carrée over lon -12..35, lat 34..72 on 273 x 220 pixels.
struct EuropeProjection {
    static constexpr int kWidth = 273;
    static constexpr int kHeight = 220;
    static constexpr double kWestLon = -12, kEastLon = 35, kSouthLat = 34, kNorthLat = 72;
    // The pixel of a station's point: X = floor((lon + 12) 273 / 47), Y = floor((72 - lat) 220 / 38).
    static int column(LonLat p);
    static int row(LonLat p);
    static LonLat ofPixelCentre(int px, int py);
};

}  // namespace talp::climate_data
