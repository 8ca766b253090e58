#pragma once
// The European climate stations of the installation: the station list "sys/kstat.txt",
// the hit grid that finds a station under the mouse on the Europe map, and the place of
// the map pointer.

#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talp {

inline constexpr int kMaxStations = 256;
inline constexpr int kHitGridSize = 301;  // cells 0..300 in X and in Y
inline constexpr int kHitRunLength = 8;   // a station answers along a diagonal run of 8 pixels
inline constexpr std::string_view kStationListFile = "sys/kstat.txt";
// The Europe map (273 x 220) with the stations drawn at their points, and the pointer
// image that marks the chosen station.
inline constexpr std::string_view kEuropeMapFile = "images/europa.bmp";
inline constexpr std::string_view kPointerImageFile = "images/zeiger.bmp";
inline constexpr int kEuropeMapWidth = 273;
inline constexpr int kEuropeMapHeight = 220;

struct ClimateStation {
    std::int32_t number = 0;  // names the station's data file "sys/_klima<number>.met"
    std::string name;
    std::string secondName;  // shown after the name, e.g. the country
    std::int32_t x = 0;      // map column of the station's point on the Europe map
    std::int32_t y = 0;      // map row

    // The item of the station list AuswKlimastation: name + ", " + second name.
    std::string itemText() const { return name + ", " + secondName; }
};

// Which station answers at each pixel of the Europe map. A station's diagonal run starts
// at its point and runs down to the right; a later station overwrites an earlier one
// where runs cross.
class StationHitGrid {
public:
    StationHitGrid();
    void mark(int stationIndex, int x, int y);
    // The list index of the station whose run covers (x, y); none off the runs and off the
    // grid.
    std::optional<int> stationAt(int x, int y) const;
    // A station's run fits into the grid.
    static bool fits(int x, int y);

private:
    // Cells hold list index + 1 so that 0 means "no station" and the station on the
    // list's first line can be clicked like every other.
    std::vector<std::int32_t> cells_;
};

struct StationList {
    std::vector<ClimateStation> stations;
    StationHitGrid grid;

    int count() const { return static_cast<int>(stations.size()); }
    const ClimateStation* at(int index) const;
    // The station under the mouse at (x, y) on the Europe map.
    const ClimateStation* stationAt(int x, int y) const;
};

struct StationListReading {
    StationList list;      // the stations read up to the first malformed line
    bool complete = true;  // false: the file is missing or a line is malformed
    int rejectedLines = 0; // lines beyond the 256th, or whose run leaves the map grid
};

// Reads the station list: one station per line, fields closed by ";" (a last field
// without its ";" is dropped); field 1 number, 2 name, 3 second name, 4 and 5 ignored,
// 6 map column X, 7 map row Y. A line with a field that is no integer ends the reading.
StationListReading readStationList(std::istream& in);
StationListReading readStationList(const std::filesystem::path& file);

// The climate data file of a station, relative to the program's directory.
std::string stationClimateFile(std::int32_t stationNumber);

// Where the 20 x 20 pointer image goes for a station at (x, y) on a map whose upper left
// corner is at (mapLeft, mapTop): its lower right corner lies just above and left of the
// station's point.
struct PointerPlacement {
    int left;
    int top;
};
inline constexpr int kPointerSize = 20;
PointerPlacement placePointer(int mapLeft, int mapTop, int x, int y, int pointerWidth = kPointerSize,
                              int pointerHeight = kPointerSize);

}  // namespace talp
