#pragma once
// The earth-tube heat exchanger simulation: hour by hour over a year (or one day), the
// ventilation air passes 100 pipe segments in the soil and exchanges heat with the wall.

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

#include "core/hourly_input.h"
#include "core/moist_air.h"
#include "core/numeric.h"
#include "core/project.h"
#include "core/texts.h"

namespace talp {

inline constexpr int kSamples = 9;
inline constexpr std::array<int, kSamples> kSampleSegments{1, 8, 22, 36, 50, 64, 78, 92, 100};

// The geometry arguments of one run.
struct RunGeometry {
    int pipeCount = 2;
    int day = -1;  // <= 0: full year; 1..365: that day alone
    bool fanBefore = true;
    long double pipeLength = 50;      // m
    long double pipeRadiusMm = 250;   // mm
    long double spacing = 2.5;        // m
    long double depth = 2;            // m
    long double buildingDistance = 5; // m
    bool variableDepth = false;
    bool variableBuildingDistance = false;
};

// The geometry of the pipe window, as the calculation run passes it.
RunGeometry geometryOf(const Project& project, int day);

// Properties of moist air of humidity ratio x at T (°C) and pressure p (Pa) that do not
// depend on the flow.
struct MoistAir {
    long double density;       // ρ, kg/m³
    long double heatCapacity;  // c_p, J/(kg K)
    long double viscosity;     // η, Pa s
    long double conductivity;  // λ, W/(m K)
};
MoistAir moistAir(long double humidityRatio, long double airTemp, long double pressure);

// Properties of moist air and the heat transfer coefficient at the pipe wall.
struct AirProperties {
    long double density;         // ρ, kg/m³
    long double heatCapacity;    // c_p, J/(kg K)
    long double heatTransfer;    // α, W/(m² K)
};
AirProperties Stoffwerte(long double velocity, long double humidityRatio, long double airTemp,
                         long double pressure, long double radius);
// Humidity ratio of air at 80 % relative humidity and 100 000 Pa.
long double humidityRatio(long double airTemp);
inline constexpr long double kAirPressure = kModelAirPressure;  // Pa
// The Prandtl number's term of the Nusselt correlation, 0.72^0.4.
long double prandtlTerm();

// Tables indexed from 1 as the time base counts: day 1..365 and hour 1..24, hour 1..24
// and segment 1..100, sample 1..9 and hour of the year 1..8760.
template <int Rows, int Columns>
class Table {
public:
    Table() : cells_(static_cast<std::size_t>(Rows * Columns), 0.0L) {}
    long double& operator()(int row, int column) { return cells_[offset(row, column)]; }
    long double operator()(int row, int column) const { return cells_[offset(row, column)]; }
    static constexpr int rows = Rows, columns = Columns;

private:
    static std::size_t offset(int row, int column) { return static_cast<std::size_t>((row - 1) * Columns + (column - 1)); }
    std::vector<long double> cells_;
};

using HourTable = Table<kDaysPerYear, kHoursPerDay>;
using DayTable = Table<kHoursPerDay, kSegments>;
using SampleTable = Table<kSamples, kHoursPerYear>;

// Everything one run computes. Owned by the caller, so that several runs can exist side by
// side.
struct SimulationResults {
    HourTable HourlyOutdoorTemp, HourlyOutletTemp, HourlyAirFlow, HourlyFanPower, HourlyHeatGain;
    DayTable DayAirTemp, DayWallTemp, DaySoilTemp, DayHeatFluxDensity;
    std::array<long double, kHoursPerDay> DayOutdoorTemp{}, DayHeatGain{};
    SampleTable SampleSoilTemp, SampleAirTemp, SampleWallTemp;

    // Working totals of the last run.
    long double OperatingHoursRun = 0, MaxOutletTempRun = -100, MinOutletTempRun = 100;
    long double MaxOutdoorTempRun = -100, MinOutdoorTempRun = 100, HeatingEnergyRun = 0, CoolingEnergyRun = 0;

    // Annual summary of the last run that covered more than one day.
    long double OperatingHours = 0, MaxOutletTemp = -100, MinOutletTemp = 100, MaxOutdoorTemp = -100,
                MinOutdoorTemp = 100, HeatingEnergy = 0, CoolingEnergy = 0, HeatingEfficiency = 0,
                CoolingEfficiency = 0;

    // The geometry of the last run, kept for the optimisation.
    RunGeometry geometry;
    bool fanAfter() const { return !geometry.fanBefore; }
};

struct SimulationHooks {
    HourlyFileOpener openHourlyFile;                 // needed only while a coupling is in use
    std::function<void(int day, int hour)> progress; // once per computed hour
    const std::atomic<bool>* cancel = nullptr;       // asked once per hour
    int threads = 0;  // threads for a full year; 0: one per core (the result is the same)
};

struct SimulationOutcome {
    bool ok = false;
    bool cancelled = false;
    std::optional<Message> message;  // the simulation's own message, if it has one
};

// The parameter errors a run reports before it fails.
inline constexpr Text kParameterErrorTitle{"Parameterfehler", "Parameter error"};
inline constexpr Text kGroundwaterTooShallow{"Grundwassertiefe kleiner als Verlegungstiefe",
                                             "Ground water level smaller than depth of pipes"};
inline constexpr Text kDepthBelowRadius{"Verlegungstiefe kleiner als Rohrradius",
                                        "Depth of pipes smaller than pipe radius"};

SimulationOutcome BerechneEWT(const Project& project, const RunGeometry& geometry, SimulationResults& results,
                              const SimulationHooks& hooks = {});

}  // namespace talp
