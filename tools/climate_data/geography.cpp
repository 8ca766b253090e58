#include "tools/climate_data/geography.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

#include <nlohmann/json.hpp>

namespace talp::climate_data {

namespace {

constexpr double kPi = 3.14159265358979323846;

std::vector<LonLat> ringOf(const nlohmann::json& ring)
{
    std::vector<LonLat> points;
    for (const auto& p : ring) points.push_back({p.at(0).get<double>(), p.at(1).get<double>()});
    return points;
}

void addPolygon(Outline& outline, const nlohmann::json& polygon)
{
    for (const auto& ring : polygon) {
        outline.rings.push_back(ringOf(ring));
        for (const LonLat& p : outline.rings.back()) {
            outline.minLon = std::min(outline.minLon, p.lon);
            outline.maxLon = std::max(outline.maxLon, p.lon);
            outline.minLat = std::min(outline.minLat, p.lat);
            outline.maxLat = std::max(outline.maxLat, p.lat);
        }
    }
}

}  // namespace

bool Outline::contains(LonLat p) const
{
    if (p.lon < minLon || p.lon > maxLon || p.lat < minLat || p.lat > maxLat) return false;
    bool inside = false;
    for (const auto& ring : rings) {
        for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
            const LonLat& a = ring[i];
            const LonLat& b = ring[j];
            if ((a.lat > p.lat) != (b.lat > p.lat) && p.lon < (b.lon - a.lon) * (p.lat - a.lat) / (b.lat - a.lat) + a.lon)
                inside = !inside;
        }
    }
    return inside;
}

std::vector<Outline> readOutlines(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    const nlohmann::json collection = nlohmann::json::parse(in);
    std::vector<Outline> outlines;
    for (const auto& feature : collection.at("features")) {
        Outline outline;
        outline.name = feature.at("properties").value("name", "");
        const auto& geometry = feature.at("geometry");
        const std::string type = geometry.at("type");
        if (type == "Polygon") {
            addPolygon(outline, geometry.at("coordinates"));
        } else if (type == "MultiPolygon") {
            for (const auto& polygon : geometry.at("coordinates")) addPolygon(outline, polygon);
        } else {
            throw std::runtime_error(file.string() + ": unexpected geometry " + type);
        }
        outlines.push_back(std::move(outline));
    }
    return outlines;
}

double GermanyProjection::pixelsPerDegree() { return kWidth / (9.5 * std::cos(51.0 * kPi / 180.0)); }
double GermanyProjection::x(LonLat p) { return (p.lon - kWestLon) * std::cos(51.0 * kPi / 180.0) * pixelsPerDegree(); }
double GermanyProjection::y(LonLat p) { return (kNorthLat - p.lat) * pixelsPerDegree(); }

LonLat GermanyProjection::ofPixelCentre(int px, int py)
{
    return {kWestLon + (px + 0.5) / (std::cos(51.0 * kPi / 180.0) * pixelsPerDegree()), kNorthLat - (py + 0.5) / pixelsPerDegree()};
}

int EuropeProjection::column(LonLat p) { return static_cast<int>(std::floor((p.lon - kWestLon) * kWidth / (kEastLon - kWestLon))); }
int EuropeProjection::row(LonLat p) { return static_cast<int>(std::floor((kNorthLat - p.lat) * kHeight / (kNorthLat - kSouthLat))); }

LonLat EuropeProjection::ofPixelCentre(int px, int py)
{
    return {kWestLon + (px + 0.5) * (kEastLon - kWestLon) / kWidth, kNorthLat - (py + 0.5) * (kNorthLat - kSouthLat) / kHeight};
}

}  // namespace talp::climate_data
