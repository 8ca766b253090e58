// Physical checks of the simulation that hold whatever the implementation: energy is
// conserved, the soil bounds the outlet, a longer pipe gains more, neighbouring pipes
// never make each other worse than a single one.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/simulation.h"

namespace talp {
namespace {

constexpr long double kPi = 3.141592654L;

// The heat of the year is the sum, over its hours and segments, of the warming of the air
// stream, m·c_p·ΔT, with the air properties the model takes at each segment's inlet: the
// energies neither lose nor invent heat, the fan's included.
TEST(SimulationPhysics, TheHeatOfTheYearIsTheWarmingOfTheAirStream)
{
    Project p;
    p.set(Param::rohranzahl, 3);
    p.set(Param::AbstandzwRohren, 1.5L);
    p.set(Param::VentilatorVor, 0);  // fan heat at the last segment
    p.set(Param::druckabfallPa_fest, 400);
    p.set(Param::jahresmittel, 9);
    p.set(Param::max_monatsmittel, 19);
    p.set(Param::solltemp, 15);  // so that summer days cool
    p.set(Param::kuehlgrenztemp, 19);
    SimulationResults year;
    ASSERT_TRUE(BerechneEWT(p, geometryOf(p, -1), year).ok);
    ASSERT_GT(year.HeatingEnergy, 0);
    ASSERT_GT(year.CoolingEnergy, 0);

    const long double n = 3, radius = 0.25L, L = 0.5L, flow = 1000;
    const long double velocity = flow / n / 3600 / (kPi * radius * radius);
    long double warmingOfTheYear = 0;
    for (int day = 1; day <= kDaysPerYear; ++day) {
        SimulationResults r;
        ASSERT_TRUE(BerechneEWT(p, geometryOf(p, day), r).ok);
        for (int h = 1; h <= kHoursPerDay; ++h) {
            const long double gain = year.HourlyHeatGain(day, h);
            ASSERT_EQ(r.DayHeatGain[static_cast<std::size_t>(h - 1)], gain) << day << " " << h;
            if (gain == 0) continue;  // not in operation
            long double inlet = r.DayOutdoorTemp[static_cast<std::size_t>(h - 1)], warming = 0;
            for (int s = 1; s <= kSegments; ++s) {
                const AirProperties air = Stoffwerte(velocity, humidityRatio(inlet), inlet, 100000, radius);
                const long double segment = air.heatCapacity * air.density * flow / 3600 * (r.DayAirTemp(h, s) - inlet);
                const long double segmentHeat = r.DayHeatFluxDensity(h, s) * (n * L * 2 * radius * kPi);
                ASSERT_NEAR(static_cast<double>(segmentHeat), static_cast<double>(segment), 1e-9 * (1 + std::fabs(static_cast<double>(segment))));
                warming += segment;
                inlet = r.DayAirTemp(h, s);
            }
            ASSERT_NEAR(static_cast<double>(warming * 0.001L), static_cast<double>(gain), 1e-9) << day << " " << h;
            ASSERT_EQ(inlet, year.HourlyOutletTemp(day, h));
            warmingOfTheYear += warming * 0.001L;
        }
    }
    const long double netHeat = year.HeatingEnergy - year.CoolingEnergy;
    EXPECT_NEAR(static_cast<double>(warmingOfTheYear), static_cast<double>(netHeat), 1e-9 * static_cast<double>(year.HeatingEnergy));
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

// Without fan heat, a pipe long enough brings the air to the soil's temperature at the
// outlet, in every hour of the year.
TEST(SimulationPhysics, AVeryLongPipeBringsTheAirToSoilTemperature)
{
    SimulationHooks hooks;
    Project p = withBuildingFile(50, hooks);
    RunGeometry g = geometryOf(p, -1);
    g.pipeCount = 1;
    g.pipeLength = 1000;
    g.pipeRadiusMm = 100;
    SimulationResults r;
    ASSERT_TRUE(BerechneEWT(p, g, r, hooks).ok);
    EXPECT_EQ(r.OperatingHours, kHoursPerYear);
    for (int d = 1; d <= kDaysPerYear; ++d) {
        for (int h = 1; h <= kHoursPerDay; ++h) {
            const long double soil = r.SampleSoilTemp(kSamples, (d - 1) * kHoursPerDay + h);
            ASSERT_NEAR(static_cast<double>(r.HourlyOutletTemp(d, h)), static_cast<double>(soil), 1e-9) << d << " " << h;
        }
    }
}

// Neighbouring pipes take heat from the same soil, so n pipes gain less than n times one
// pipe; but however close they lie, n pipes carrying n times the flow of one pipe never
// gain less than that one pipe, and moving them apart never makes them gain less.
TEST(SimulationPhysics, MutualInfluenceNeverMakesSeveralPipesWorseThanOne)
{
    const long double flowPerPipe = 300;
    SimulationHooks single;
    Project p = withBuildingFile(flowPerPipe, single);
    RunGeometry g = geometryOf(p, -1);
    g.pipeCount = 1;
    SimulationResults one;
    ASSERT_TRUE(BerechneEWT(p, g, one, single).ok);
    const long double energyOfOne = one.HeatingEnergy + one.CoolingEnergy;
    ASSERT_GT(energyOfOne, 0);

    for (int n : {2, 10}) {
        SimulationHooks hooks;
        Project several = withBuildingFile(flowPerPipe * n, hooks);
        g.pipeCount = n;
        long double previous = energyOfOne;
        for (const long double spacing : {0.1L, 1.0L, 3.0L, 10.0L}) {
            g.spacing = spacing;
            SimulationResults r;
            ASSERT_TRUE(BerechneEWT(several, g, r, hooks).ok);
            const long double energy = r.HeatingEnergy + r.CoolingEnergy;
            EXPECT_GE(energy, previous * (1 - 1e-12L)) << n << " pipes " << spacing << " m apart";
            EXPECT_LE(energy, n * energyOfOne * (1 + 1e-12L)) << n << " pipes " << spacing << " m apart";
            previous = energy;
        }
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
