#pragma once
// The 12 German climate regions: the table of their sine parameters and the names of the
// installation files that belong to each region.

#include <array>
#include <string>
#include <string_view>

namespace talp {

inline constexpr int kRegionCount = 12;

// One entry of the region table (TKlimazone). The lowest monthly mean is kept for the
// record only: the form rules derive it from the highest monthly mean and the annual mean.
struct ClimateRegion {
    long double highestMonthlyMean;  // °C
    long double annualMean;          // °C
    long double lowestMonthlyMean;   // °C
    int peakDay;                     // day of the year of the warmest point of the sine
    std::string_view item;           // the klimaregion list item, trailing blanks included
};

inline constexpr std::array<ClimateRegion, kRegionCount> kClimateRegions{{
    {17.0L, 9.2L, 1.4L, 204, "1   Nord- und Ostseeküste"},
    {17.3L, 8.8L, 0.2L, 203, "2   Norddeutsches Tiefland "},
    {18.5L, 9.0L, -0.6L, 202, "3   Ballungsgebiete "},
    {17.4L, 9.1L, 0.8L, 201, "4   Mittelgebirge ohne Hochlagen"},
    {18.3L, 9.4L, 0.6L, 202, "5   Franken, nördliches BW"},
    {18.7L, 9.8L, 1.0L, 200, "6   Nördlicher Oberrheingraben"},
    {19.2L, 10.2L, 1.2L, 201, "7   Südlicher Oberrheingraben"},
    {17.9L, 8.4L, -1.0L, 200, "8   Donaunbecken, nördl. Alpenv."},
    {17.9L, 8.3L, -1.2L, 205, "9   Südliches Alpenvorland"},
    {15.0L, 6.5L, -2.0L, 205, "10 Schwarzwald, Alb"},
    {15.0L, 6.5L, -2.0L, 205, "11 Hochlagen der Mittelgebierge"},
    {18.2L, 8.9L, -0.5L, 201, "12 Bodensee mit Umgebung"},
}};

// The text of the klimaregion list while no region is chosen.
inline constexpr std::string_view kNoRegionChosen = "Bitte auswählen";

// Region number 1..12 (not the list index).
inline const ClimateRegion& climateRegion(int region) { return kClimateRegions[static_cast<std::size_t>(region - 1)]; }
inline bool isRegionNumber(int region) { return region >= 1 && region <= kRegionCount; }
// The region's name without its number and the list's padding ("Mittelgebirge ohne
// Hochlagen").
inline std::string_view regionName(int region)
{
    std::string_view item = climateRegion(region).item;
    item.remove_prefix(item.find_first_not_of("0123456789 "));
    return item.substr(0, item.find_last_not_of(' ') + 1);
}

// Installation files, relative to the program's directory.
inline std::string regionMapFile(int region) { return "images/klima" + std::to_string(region) + ".bmp"; }
inline std::string regionClimateFile(int region) { return "sys/_klima_" + std::to_string(region) + ".met"; }
// The map the climate window shows when it is created (region 4, the start region).
inline constexpr std::string_view kStartRegionMapFile = "images/Klima4.bmp";
inline constexpr int kStartRegion = 4;

}  // namespace talp
