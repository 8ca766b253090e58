// Physical checks of the simulation that hold whatever the implementation: energy is
// conserved, the soil bounds the outlet, a longer pipe gains more.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/simulation.h"

namespace talp {
namespace {

constexpr long double kPi = 3.141592654L;

TEST(SimulationPhysics, HeatOfTheSegmentsWarmsTheAir)
{
    Project p;
    p.set(Param::rohranzahl, 3);
    p.set(Param::AbstandzwRohren, 1.5L);
    p.set(Param::VentilatorVor, 0);  // fan heat at the last segment
    p.set(Param::druckabfallPa_fest, 400);
    p.set(Param::solltemp, 15);  // so that the summer day cools
    p.set(Param::kuehlgrenztemp, 19);
    for (int day : {20, 200}) {
        SimulationResults r;
        ASSERT_TRUE(BerechneEWT(p, geometryOf(p, day), r).ok);
        const long double n = 3, radius = 0.25L, L = 0.5L, flow = 1000;
        const long double velocity = flow / n / 3600 / (kPi * radius * radius);
        int operatingHours = 0;
        for (int h = 1; h <= 24; ++h) {
            const long double gain = r.DayHeatGain[static_cast<std::size_t>(h - 1)];
            if (gain == 0) continue;
            ++operatingHours;
            long double inlet = r.DayOutdoorTemp[static_cast<std::size_t>(h - 1)], absorbed = 0;
            for (int s = 1; s <= kSegments; ++s) {
                const AirProperties air = Stoffwerte(velocity, humidityRatio(inlet), inlet, 100000, radius);
                const long double segmentHeat = r.DayHeatFluxDensity(h, s) * (n * L * 2 * radius * kPi);
                const long double warming = air.heatCapacity * air.density * flow / 3600 * (r.DayAirTemp(h, s) - inlet);
                EXPECT_NEAR(static_cast<double>(segmentHeat), static_cast<double>(warming), 1e-9 * (1 + std::fabs(static_cast<double>(warming))));
                absorbed += warming;
                inlet = r.DayAirTemp(h, s);
            }
            EXPECT_NEAR(static_cast<double>(absorbed * 0.001L), static_cast<double>(gain), 1e-9);
            EXPECT_EQ(r.DayAirTemp(h, 100), r.HourlyOutletTemp(day, h));
        }
        EXPECT_GT(operatingHours, 0) << day;
    }
}

// Hourly values of a building simulation: a constant flow and a fan that adds no heat.
class ConstantBuildingFile : public HourlyReader {
public:
    explicit ConstantBuildingFile(long double flow) : flow_(flow) {}
    bool readLine(HourlyValues& values) override
    {
        values = {};
        values[0] = flow_;
        values[1] = 0;  // fan power, W
        return true;
    }

private:
    long double flow_;
};

Project withBuildingFile(long double flow, SimulationHooks& hooks)
{
    Project p;
    p.HlkModus = "sim";
    p.buildingCoupling.valid = true;
    p.buildingCoupling.columnCount = 2;
    p.buildingCoupling.columns[0].letter = 'V';
    p.buildingCoupling.columns[1].letter = 'P';
    hooks.openHourlyFile = [flow](const CouplingRecord&) { return std::make_unique<ConstantBuildingFile>(flow); };
    return p;
}

TEST(SimulationPhysics, WithoutFanHeatTheOutletLiesBetweenOutdoorAndSoil)
{
    SimulationHooks hooks;
    Project p = withBuildingFile(800, hooks);
    SimulationResults r;
    ASSERT_TRUE(BerechneEWT(p, geometryOf(p, -1), r, hooks).ok);
    EXPECT_EQ(r.OperatingHours, 8760);  // a flow column leaves only the flow rule
    for (int d = 1; d <= 365; ++d) {
        for (int h = 1; h <= 24; ++h) {
            const long double outdoor = r.HourlyOutdoorTemp(d, h);
            const long double soil = r.SampleSoilTemp(9, (d - 1) * 24 + h);
            const long double outlet = r.HourlyOutletTemp(d, h);
            ASSERT_GE(outlet, std::min(outdoor, soil) - 1e-12L) << d << " " << h;
            ASSERT_LE(outlet, std::max(outdoor, soil) + 1e-12L) << d << " " << h;
            EXPECT_EQ(r.HourlyFanPower(d, h), 0);
        }
    }
}

TEST(SimulationPhysics, ALongPipeBringsTheAirToSoilTemperature)
{
    SimulationHooks hooks;
    Project p = withBuildingFile(50, hooks);
    p.set(Param::rohranzahl, 1);
    p.set(Param::rohrlnge, 200);
    p.set(Param::rohrdurchmesser, 200);
    SimulationResults r;
    ASSERT_TRUE(BerechneEWT(p, geometryOf(p, -1), r, hooks).ok);
    for (int hour : {100, 2000, 4380, 7000}) {
        const int d = (hour - 1) / 24 + 1, h = (hour - 1) % 24 + 1;
        const long double soil = r.SampleSoilTemp(9, hour);
        const long double distance = std::fabs(r.HourlyOutdoorTemp(d, h) - soil);
        EXPECT_LT(std::fabs(r.HourlyOutletTemp(d, h) - soil), 0.01L * distance + 1e-9L) << hour;
    }
}

TEST(SimulationPhysics, MorePipeNeverGainsLessForHeating)
{
    // Heating only: above the heating limit the exchanger stays off (cooling limit out of reach).
    Project p;
    p.set(Param::kuehlgrenztemp, 50);
    p.set(Param::jahresmittel, 9);
    p.set(Param::max_monatsmittel, 18);
    long double previous = -1;
    for (long double length : {5.0L, 10.0L, 25.0L, 50.0L, 100.0L, 200.0L}) {
        p.set(Param::rohrlnge, length);
        SimulationResults r;
        ASSERT_TRUE(BerechneEWT(p, geometryOf(p, -1), r).ok);
        EXPECT_EQ(r.CoolingEnergy, 0);
        EXPECT_GE(r.HeatingEnergy, previous) << length;
        previous = r.HeatingEnergy;
    }
    EXPECT_GT(previous, 0);
}

TEST(SimulationPhysics, EfficiencyStaysAFractionForAPassivePipe)
{
    SimulationHooks hooks;
    Project p = withBuildingFile(1500, hooks);
    SimulationResults r;
    ASSERT_TRUE(BerechneEWT(p, geometryOf(p, -1), r, hooks).ok);
    EXPECT_GT(r.HeatingEfficiency, 0);
    EXPECT_LE(r.HeatingEfficiency, 1);
    EXPECT_GT(r.CoolingEfficiency, 0);
    EXPECT_LE(r.CoolingEfficiency, 1);
}

}  // namespace
}  // namespace talp
