#include <gtest/gtest.h>

#include <cmath>

#include "core/simulation.h"

namespace talp {
namespace {

SimulationOutcome run(const Project& p, SimulationResults& r, int day = -1)
{
    return BerechneEWT(p, geometryOf(p, day), r);
}

TEST(Simulation, DayMinusOneAndZeroBothComputeTheYear)
{
    const Project p;
    SimulationResults a, b;
    ASSERT_TRUE(run(p, a, -1).ok);
    ASSERT_TRUE(run(p, b, 0).ok);
    EXPECT_EQ(a.HeatingEnergy, b.HeatingEnergy);
    EXPECT_EQ(a.OperatingHours, b.OperatingHours);
    EXPECT_EQ(a.HourlyOutletTemp(300, 7), b.HourlyOutletTemp(300, 7));
    EXPECT_GT(a.OperatingHours, 0);
}

TEST(Simulation, OneDayFillsTheDayArraysAndLeavesTheOtherDays)
{
    const Project p;
    SimulationResults year, r;
    ASSERT_TRUE(run(p, year).ok);
    r = year;
    r.HourlyOutdoorTemp(4, 12) = 999;  // a mark on another day's row
    ASSERT_TRUE(run(p, r, 5).ok);
    EXPECT_EQ(r.HourlyOutdoorTemp(4, 12), 999);
    for (int h = 1; h <= 24; ++h) {
        EXPECT_EQ(r.HourlyOutletTemp(5, h), year.HourlyOutletTemp(5, h));
        EXPECT_EQ(r.DayOutdoorTemp[static_cast<std::size_t>(h - 1)], year.HourlyOutdoorTemp(5, h));
        EXPECT_EQ(r.DayHeatGain[static_cast<std::size_t>(h - 1)], year.HourlyHeatGain(5, h));
        EXPECT_EQ(r.DayAirTemp(h, 100), year.HourlyOutletTemp(5, h));
    }
    // The annual summary belongs to runs over more than one day: the year's stays.
    EXPECT_EQ(r.HeatingEnergy, year.HeatingEnergy);
    EXPECT_LT(r.HeatingEnergyRun, year.HeatingEnergy / 100);
}

TEST(Simulation, SineClimatePeaksOnTheConfiguredDay)
{
    Project p;  // "Juli", day 1
    SimulationResults r;
    ASSERT_TRUE(run(p, r).ok);
    int peakDay = 0;
    long double peak = -1000;
    for (int d = 1; d <= 365; ++d) {
        long double mean = 0;
        for (int h = 1; h <= 24; ++h) mean += r.HourlyOutdoorTemp(d, h) / 24;
        if (mean > peak) {
            peak = mean;
            peakDay = d;
        }
    }
    EXPECT_EQ(peakDay, 183);
    EXPECT_NEAR(static_cast<double>(peak), 18.0, 1e-6);
    EXPECT_NEAR(static_cast<double>(r.HourlyOutdoorTemp(183, 15)), 24.0, 1e-6);  // daily swing of 6 K at 15:00
}

TEST(Simulation, ParameterChecksAtTheirBoundaries)
{
    Project p;
    SimulationResults r;
    p.set(Param::verlegungstiefe, 2.0L);
    p.set(Param::rohrdurchmesser, 500);
    p.set(Param::Grundwassertiefe, 2.25L);  // exactly depth + radius
    EXPECT_TRUE(run(p, r).ok);

    p.set(Param::Grundwassertiefe, 2.2L);
    SimulationOutcome failed = run(p, r);
    EXPECT_FALSE(failed.ok);
    ASSERT_TRUE(failed.message);
    EXPECT_EQ(failed.message->text.de, "Grundwassertiefe kleiner als Verlegungstiefe");
    EXPECT_EQ(failed.message->title.de, "Parameterfehler");

    p.set(Param::Grundwassertiefe, 20);
    p.set(Param::verlegungstiefe, 0.5L);
    p.set(Param::rohrdurchmesser, 1000);  // radius equal to the depth
    failed = run(p, r);
    EXPECT_FALSE(failed.ok);
    ASSERT_TRUE(failed.message);
    EXPECT_EQ(failed.message->text.de, "Verlegungstiefe kleiner als Rohrradius");
}

TEST(Simulation, NoFlowMeansNoOperation)
{
    Project p;
    p.set(Param::luftstrom, 0);
    SimulationResults r;
    ASSERT_TRUE(run(p, r).ok);
    EXPECT_EQ(r.OperatingHours, 0);
    EXPECT_EQ(r.HeatingEnergy, 0);
    EXPECT_EQ(r.CoolingEnergy, 0);
    EXPECT_EQ(r.MaxOutletTemp, -100);
    EXPECT_EQ(r.MinOutletTemp, 100);
    EXPECT_EQ(r.HeatingEfficiency, 0);
    for (int d = 1; d <= 365; d += 30) {
        EXPECT_EQ(r.HourlyAirFlow(d, 12), 0);
        EXPECT_EQ(r.HourlyOutletTemp(d, 12), r.SampleSoilTemp(9, (d - 1) * 24 + 12));
        EXPECT_EQ(r.SampleAirTemp(5, (d - 1) * 24 + 12), r.SampleSoilTemp(5, (d - 1) * 24 + 12));
    }
}

TEST(Simulation, ASinglePipeIgnoresTheSpacing)
{
    Project p;
    p.set(Param::rohranzahl, 1);
    SimulationResults a, b;
    p.set(Param::AbstandzwRohren, 0.5L);
    ASSERT_TRUE(run(p, a).ok);
    p.set(Param::AbstandzwRohren, 10);
    ASSERT_TRUE(run(p, b).ok);
    EXPECT_EQ(a.HeatingEnergy, b.HeatingEnergy);
    EXPECT_EQ(a.CoolingEnergy, b.CoolingEnergy);
}

TEST(Simulation, PipesBeyondTheInfluenceLengthCountFully)
{
    // Depth 2 m, radius 0.25 m: influence length 2π·2/arcosh(8) ≈ 4.5 m < 10 m spacing.
    // Two such pipes at 1000 m³/h then behave like one pipe at 500 m³/h.
    Project two;
    two.set(Param::AbstandzwRohren, 10);
    Project one = two;
    one.set(Param::rohranzahl, 1);
    one.set(Param::luftstrom, 500);
    SimulationResults a, b;
    ASSERT_TRUE(run(two, a).ok);
    ASSERT_TRUE(run(one, b).ok);
    for (int d = 1; d <= 365; d += 7)
        EXPECT_NEAR(static_cast<double>(a.HourlyOutletTemp(d, 3)), static_cast<double>(b.HourlyOutletTemp(d, 3)), 1e-12);
    EXPECT_NEAR(static_cast<double>(a.HeatingEnergy), static_cast<double>(2 * b.HeatingEnergy), 1e-9);

    // Closer pipes share the soil and gain less.
    Project close = two;
    close.set(Param::AbstandzwRohren, 1);
    SimulationResults c;
    ASSERT_TRUE(run(close, c).ok);
    EXPECT_LT(c.HeatingEnergy, a.HeatingEnergy);
}

TEST(Simulation, ExtremeInputsFailCleanlyOrGiveFiniteResults)
{
    struct Case {
        int pipes;
        long double diameter, depth, flow, length;
    };
    const Case cases[] = {{1, 20, 0.5L, 0.1L, 1},     {10, 2000, 10, 2000000, 200}, {10, 2000, 0.5L, 1000, 50},
                          {1, 2000, 10, 0.1L, 200},   {10, 20, 10, 2000000, 1},     {3, 500, 2, 0.05L, 50},
                          {2, 500, 2, 0.5L, 200}};
    for (const Case& c : cases) {
        Project p;
        p.set(Param::rohranzahl, c.pipes);
        p.set(Param::rohrdurchmesser, c.diameter);
        p.set(Param::verlegungstiefe, c.depth);
        p.set(Param::luftstrom, c.flow);
        p.set(Param::rohrlnge, c.length);
        SimulationResults r;
        const SimulationOutcome outcome = run(p, r);
        const long double totals[] = {r.HeatingEnergy, r.CoolingEnergy, r.MaxOutletTemp, r.MinOutletTemp,
                                      r.HeatingEfficiency, r.CoolingEfficiency};
        for (long double t : totals) EXPECT_TRUE(std::isfinite(t)) << c.pipes << " " << c.diameter << " " << c.flow;
        if (!outcome.ok) continue;
        for (int d = 1; d <= 365; ++d)
            for (int h = 1; h <= 24; ++h) ASSERT_TRUE(std::isfinite(r.HourlyOutletTemp(d, h)));
    }
}

TEST(Simulation, ControlByPeriodFollowsTheCalendar)
{
    Project p;
    p.set(Param::EWT_Reg_offset, 0);
    p.calendar.setAll(false);
    p.calendar.set(2, 30, true);  // a day that does not exist
    SimulationResults r;
    ASSERT_TRUE(run(p, r).ok);
    EXPECT_EQ(r.OperatingHours, 0);

    p.calendar.set(1, 15, true);
    ASSERT_TRUE(run(p, r).ok);
    EXPECT_GT(r.OperatingHours, 0);
    EXPECT_LE(r.OperatingHours, 24);
    for (int h = 1; h <= 24; ++h) EXPECT_EQ(r.HourlyAirFlow(16, h), 0);
}

TEST(Simulation, TheNumberOfThreadsDoesNotChangeTheResult)
{
    Project p;
    p.set(Param::rohranzahl, 4);
    p.set(Param::jahresmittel, 9);
    SimulationResults one, three;
    SimulationHooks hooks;
    hooks.threads = 1;
    ASSERT_TRUE(BerechneEWT(p, geometryOf(p, -1), one, hooks).ok);
    hooks.threads = 3;
    ASSERT_TRUE(BerechneEWT(p, geometryOf(p, -1), three, hooks).ok);
    EXPECT_EQ(one.HeatingEnergy, three.HeatingEnergy);
    EXPECT_EQ(one.CoolingEnergy, three.CoolingEnergy);
    EXPECT_EQ(one.HeatingEfficiency, three.HeatingEfficiency);
    EXPECT_EQ(one.OperatingHours, three.OperatingHours);
    for (int hour = 1; hour <= 8760; hour += 97) EXPECT_EQ(one.SampleAirTemp(5, hour), three.SampleAirTemp(5, hour));
    for (int s = 1; s <= 100; s += 9) EXPECT_EQ(one.DaySoilTemp(24, s), three.DaySoilTemp(24, s));  // day 365 kept
}

TEST(Simulation, CancelStopsBetweenHours)
{
    const Project p;
    SimulationResults r;
    std::atomic<bool> cancel{false};
    SimulationHooks hooks;
    int hours = 0;
    hooks.threads = 1;
    hooks.cancel = &cancel;
    hooks.progress = [&](int, int) {
        if (++hours == 100) cancel = true;
    };
    const SimulationOutcome outcome = BerechneEWT(p, geometryOf(p, -1), r, hooks);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(hours, 100);
}

// A climate file of constant temperature that ends after `lines` data lines.
class ShortClimateFile : public HourlyReader {
public:
    explicit ShortClimateFile(int lines) : left_(lines) {}
    bool readLine(HourlyValues& values) override
    {
        if (left_-- <= 0) return false;
        values = {};
        values[0] = -5;
        return true;
    }

private:
    int left_;
};

TEST(Simulation, TheClimateFileGivesEveryHoursOutdoorTemperature)
{
    Project p;
    p.climateCoupling.valid = true;
    p.climateCoupling.columnCount = 1;
    p.climateCoupling.columns[0].letter = 'A';
    SimulationHooks hooks;
    int lines = 8760;
    hooks.openHourlyFile = [&](const CouplingRecord&) { return std::make_unique<ShortClimateFile>(lines); };
    SimulationResults r;
    ASSERT_TRUE(BerechneEWT(p, geometryOf(p, -1), r, hooks).ok);
    EXPECT_EQ(r.MaxOutdoorTemp, -5);
    EXPECT_EQ(r.MinOutdoorTemp, -5);
    ASSERT_TRUE(BerechneEWT(p, geometryOf(p, 365), r, hooks).ok);  // skips 364 days of lines

    lines = 5000;  // the file breaks off in July
    SimulationResults broken;
    const SimulationOutcome outcome = BerechneEWT(p, geometryOf(p, -1), broken, hooks);
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(outcome.message);
    EXPECT_EQ(broken.OperatingHours, broken.OperatingHoursRun);  // the summary of a failed year is still copied
    EXPECT_LE(broken.OperatingHoursRun, 5000);
    EXPECT_FALSE(BerechneEWT(p, geometryOf(p, 300), broken, hooks).ok);

    lines = 0;  // not even the first hour: no parameter message either
    p.set(Param::Grundwassertiefe, 1);
    const SimulationOutcome empty = BerechneEWT(p, geometryOf(p, -1), broken, hooks);
    EXPECT_FALSE(empty.ok);
    EXPECT_FALSE(empty.message);
}

TEST(Simulation, ACouplingInUseNeedsItsFile)
{
    Project p;
    p.climateCoupling.valid = true;
    p.climateCoupling.fileName = "/nonexistent/_klima_4.met";
    SimulationResults r;
    EXPECT_FALSE(run(p, r).ok);  // no reader can open it
}

}  // namespace
}  // namespace talp
