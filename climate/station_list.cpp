#include "climate/station_list.h"

#include <charconv>
#include <fstream>

namespace talp {

namespace {

std::size_t cellIndex(int x, int y) { return static_cast<std::size_t>(x) * kHitGridSize + static_cast<std::size_t>(y); }

bool onGrid(int x, int y) { return x >= 0 && y >= 0 && x < kHitGridSize && y < kHitGridSize; }

// The fields of a line, each closed by ";"; text after the last ";" is no field.
std::vector<std::string_view> closedFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::size_t end; (end = line.find(';')) != std::string_view::npos; line.remove_prefix(end + 1))
        fields.push_back(line.substr(0, end));
    return fields;
}

bool toInteger(std::string_view text, std::int32_t& value)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc{} && ptr == end;
}

}  // namespace

StationHitGrid::StationHitGrid() : cells_(static_cast<std::size_t>(kHitGridSize) * kHitGridSize, 0) {}

bool StationHitGrid::fits(int x, int y) { return onGrid(x, y) && onGrid(x + kHitRunLength - 1, y + kHitRunLength - 1); }

void StationHitGrid::mark(int stationIndex, int x, int y)
{
    for (int k = 0; k < kHitRunLength; ++k)
        if (onGrid(x + k, y + k)) cells_[cellIndex(x + k, y + k)] = stationIndex + 1;
}

std::optional<int> StationHitGrid::stationAt(int x, int y) const
{
    if (!onGrid(x, y) || cells_[cellIndex(x, y)] <= 0) return std::nullopt;
    return cells_[cellIndex(x, y)] - 1;
}

const ClimateStation* StationList::at(int index) const
{
    return index >= 0 && index < count() ? &stations[static_cast<std::size_t>(index)] : nullptr;
}

const ClimateStation* StationList::stationAt(int x, int y) const
{
    const std::optional<int> index = grid.stationAt(x, y);
    return index ? at(*index) : nullptr;
}

StationListReading readStationList(std::istream& in)
{
    StationListReading reading;
    std::string line;
    for (bool first = true; std::getline(in, line); first = false) {
        // A text editor may have put a UTF-8 byte-order mark before the first station.
        if (first && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const std::vector<std::string_view> fields = closedFields(line);
        ClimateStation station;
        if (fields.size() < 7 || !toInteger(fields[0], station.number) || !toInteger(fields[5], station.x) ||
            !toInteger(fields[6], station.y)) {
            reading.complete = false;
            break;
        }
        // The list holds 256 stations and a station's run must lie on the grid; such
        // lines have no room and are left out.
        if (reading.list.count() == kMaxStations || !StationHitGrid::fits(station.x, station.y)) {
            ++reading.rejectedLines;
            continue;
        }
        station.name = fields[1];
        station.secondName = fields[2];
        reading.list.grid.mark(reading.list.count(), station.x, station.y);
        reading.list.stations.push_back(std::move(station));
    }
    return reading;
}

StationListReading readStationList(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) return StationListReading{.list = {}, .complete = false, .rejectedLines = 0};
    return readStationList(in);
}

std::string stationClimateFile(std::int32_t stationNumber) { return "sys/_klima" + std::to_string(stationNumber) + ".met"; }

PointerPlacement placePointer(int mapLeft, int mapTop, int x, int y, int pointerWidth, int pointerHeight)
{
    return {mapLeft + x - pointerWidth - 1, mapTop + y - pointerHeight - 1};
}

}  // namespace talp
