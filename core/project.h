#pragma once
// One earth-to-air heat exchanger project: every input under its control name, the two
// per-segment tables, the operating calendar, the climate model key, the HVAC mode and
// the coupling records of the hourly data files.

#include <array>
#include <string>

#include "climate/calendar.h"
#include "core/parameters.h"
#include "files/coupling_record.h"

namespace talp {

inline constexpr int kSegments = 100;

// A per-segment table (laying depth or building distance) with its flag and the marks of
// the rows the user entered in the segment-table editor.
struct SegmentTable {
    std::array<long double, kSegments> values{};  // segments 1..100 at index 0..99
    std::array<bool, kSegments> entered{};
    bool variable = false;  // the table is in use instead of the single value

    long double at(int segment) const { return values[static_cast<std::size_t>(segment - 1)]; }
    bool operator==(const SegmentTable&) const = default;
};

class Project {
public:
    Project();

    long double get(Param id) const { return values_[static_cast<std::size_t>(id)]; }
    int getInt(Param id) const { return static_cast<int>(get(id)); }
    bool isChecked(Param id) const { return get(id) != 0.0L; }
    // Stores a value corrected to the parameter's bounds (whole numbers for integer,
    // choice and option kinds) and returns what was stored.
    long double set(Param id, long double value);
    // Stores a value exactly as given, after checking it lies within the bounds; returns
    // false (and stores nothing) when it does not. The command line's path.
    bool setExact(Param id, long double value);

    // Text inputs.
    std::string erdreich = "lehmig feucht";  // soil type as shown by its editable list
    std::string klimaModell;                 // "sin", "region", "euro", "sim"; empty until chosen
    std::string HlkModus = "quasistat";      // "quasistat" or "sim"

    SegmentTable SegmentDepth;
    SegmentTable SegmentBuildingDistance;
    OperatingCalendar calendar;

    CouplingRecord climateCoupling = defaultClimateCoupling();
    CouplingRecord buildingCoupling = defaultBuildingCoupling();
    CouplingRecord lastClimateCoupling = defaultClimateCoupling();

    // Change flags of the running program: the project differs from its file, the results
    // of the evaluations are out of date, the optimisation's results are out of date.
    bool modified = false;
    bool RecalcNeeded = true;
    bool OptRecalcNeeded = true;

    // Marks an input change: modified and out of date. The pipe window's changes leave the
    // optimisation's flag alone (its search does not depend on the current geometry).
    void markChanged(InputWindow window);

    bool operator==(const Project& other) const;

private:
    std::array<long double, kParamCount> values_{};
};

// The building file drives the ventilation: "sim" mode with an accepted file.
bool ventilationFileInUse(const Project& project);
// The outdoor temperature comes from a file (a region, a station or the user's file).
bool climateFileInUse(const Project& project);

}  // namespace talp
