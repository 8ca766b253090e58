#include <gtest/gtest.h>

#include <cmath>

#include "core/fast_simulation.h"
#include "files/hourly_file.h"
#include "reference_projects.h"

namespace talp {
namespace {

RunGeometry geometry(int pipes, long double length, long double diameter, long double spacing, long double depth,
                     bool fanBefore)
{
    RunGeometry g;
    g.pipeCount = pipes;
    g.pipeLength = length;
    g.pipeRadiusMm = diameter / 2;
    g.spacing = spacing;
    g.depth = depth;
    g.fanBefore = fanBefore;
    return g;
}

void expectRelative(long double fast, long double reference, const char* what)
{
    EXPECT_LE(std::fabs(fast - reference), 1e-9L * std::max(std::fabs(reference), 1e-6L)) << what;
}

// The fast path against the extended-precision path: the annual energies to 1e-9 relative,
// every temperature to 1e-6 K.
void expectAgreement(const Project& p, const RunGeometry& g, const HourlyFileOpener& files = {})
{
    SimulationResults reference;
    SimulationHooks hooks;
    hooks.openHourlyFile = files;
    ASSERT_TRUE(BerechneEWT(p, g, reference, hooks).ok);
    const auto inputs = prepareFastInputs(p, files);
    ASSERT_TRUE(inputs);
    FastRunResults fast;
    ASSERT_TRUE(fastAnnualRun(p, *inputs, g, fast, true).ok);

    expectRelative(fast.HeatingEnergy, reference.HeatingEnergy, "HeatingEnergy");
    expectRelative(fast.CoolingEnergy, reference.CoolingEnergy, "CoolingEnergy");
    EXPECT_EQ(fast.OperatingHours, reference.OperatingHours);
    EXPECT_NEAR(static_cast<double>(fast.HeatingEfficiency), static_cast<double>(reference.HeatingEfficiency), 1e-9);
    EXPECT_NEAR(static_cast<double>(fast.CoolingEfficiency), static_cast<double>(reference.CoolingEfficiency), 1e-9);
    EXPECT_NEAR(static_cast<double>(fast.MaxOutletTemp), static_cast<double>(reference.MaxOutletTemp), 1e-6);
    EXPECT_NEAR(static_cast<double>(fast.MinOutletTemp), static_cast<double>(reference.MinOutletTemp), 1e-6);

    double worst = 0;
    for (int d = 1; d <= kDaysPerYear; ++d) {
        for (int h = 1; h <= kHoursPerDay; ++h) {
            const int hour = (d - 1) * kHoursPerDay + h;
            const std::size_t i = static_cast<std::size_t>(hour - 1);
            const auto gap = [&](double a, long double b) { worst = std::max(worst, std::fabs(a - static_cast<double>(b))); };
            gap(fast.outletTemp[i], reference.HourlyOutletTemp(d, h));
            gap(fast.heatGain[i], reference.HourlyHeatGain(d, h));
            for (int k = 1; k <= kSamples; ++k) {
                const std::size_t s = static_cast<std::size_t>(k - 1);
                gap(fast.soilTemp[i], reference.SampleSoilTemp(k, hour));
                gap(fast.sampleAirTemp[s][i], reference.SampleAirTemp(k, hour));
                gap(fast.sampleWallTemp[s][i], reference.SampleWallTemp(k, hour));
            }
        }
    }
    EXPECT_LT(worst, 1e-6);
}

TEST(FastSimulation, AgreesWithTheExtendedPathOverASpreadOfGeometries)
{
    const Project p;
    expectAgreement(p, geometryOf(p, -1));
    expectAgreement(p, geometry(1, 1, 25, 1, 0.5L, true));          // short, thin, shallow
    expectAgreement(p, geometry(10, 200, 2000, 0.5L, 10, false));   // big, deep, overlapping
    expectAgreement(p, geometry(3, 75, 150, 2, 1, false));
    expectAgreement(p, geometry(6, 20, 400, 7.5L, 3, true));
}

TEST(FastSimulation, AgreesUnderTheOtherControlRules)
{
    Project offset;
    offset.setExact(Param::EWT_offset, 2);
    expectAgreement(offset, geometryOf(offset, -1));

    Project warm;  // a warmer climate, cooling hours and a small flow
    warm.setExact(Param::jahresmittel, 12);
    warm.setExact(Param::max_monatsmittel, 26);
    warm.setExact(Param::luftstrom, 150);
    expectAgreement(warm, geometry(2, 30, 200, 1, 2, true));
}

// An hourly file of another program: a climate column "A", or the building's flow "V" and
// set point "S", varying from hour to hour.
class FakeHourlyFile : public HourlyReader {
public:
    explicit FakeHourlyFile(bool climate) : climate_(climate) {}
    bool readLine(HourlyValues& values) override
    {
        ++hour_;
        if (climate_) {
            values[0] = 8 + 14 * std::sin(hour_ * 0.000717L) + 5 * std::cos(hour_ * 0.2618L);
        } else {
            values[0] = hour_ % 24 < 6 ? 0 : 400 + 10 * (hour_ % 7);  // no flow at night
            values[1] = 19 + hour_ % 3;
        }
        return hour_ <= kHoursPerYear;
    }

private:
    bool climate_;
    int hour_ = 0;
};

TEST(FastSimulation, AgreesOnHourlyFilesAndTheOperatingCalendar)
{
    Project p;
    p.climateCoupling.valid = true;
    p.climateCoupling.columnCount = 1;
    p.climateCoupling.columns[0].letter = 'A';
    p.HlkModus = "sim";
    p.buildingCoupling.valid = true;
    p.buildingCoupling.columnCount = 2;
    p.buildingCoupling.columns[0].letter = 'V';
    p.buildingCoupling.columns[1].letter = 'S';
    const HourlyFileOpener files = [](const CouplingRecord& record) {
        return std::make_unique<FakeHourlyFile>(record.columns[0].letter == 'A');
    };
    expectAgreement(p, geometry(3, 40, 300, 1, 2, false), files);

    Project period;  // control by period: the exchanger runs in winter and summer only
    period.setExact(Param::EWT_Reg_offset, 0);
    for (int month = 4; month <= 5; ++month)
        for (int day = 1; day <= 31; ++day) period.calendar.set(month, day, false);
    expectAgreement(period, geometryOf(period, -1));
}

// The climates of the reference projects (regions, a station, climate and building files)
// and their controls (limit temperatures, the calendar), each with geometries from the ends
// of the catalogue.
TEST(FastSimulation, AgreesOnTheReferenceClimatesAndControls)
{
    for (const char* name : {"climate_file", "station5", "region12_three_pipes", "period_calendar", "hvac_file",
                             "hvac_file_and_climate_file", "limits_warm_climate"}) {
        SCOPED_TRACE(name);
        const reference::OpenedReference opened = testing::openReferenceProject(name);
        ASSERT_TRUE(opened.ok) << opened.fault;
        const HourlyFileOpener files = hourlyFileOpener(&testing::kReferenceInstallation);
        expectAgreement(opened.project, geometry(1, 1, 25, 1, 0.5L, false), files);
        expectAgreement(opened.project, geometry(10, 200, 1000, 1, 3, true), files);
        expectAgreement(opened.project, geometry(4, 50, 300, 2, 1.5L, true), files);
    }
}

TEST(FastSimulation, RefusesTheGeometriesTheExtendedPathRefuses)
{
    Project p;
    p.setExact(Param::Grundwassertiefe, 2);
    const auto inputs = prepareFastInputs(p, {});
    ASSERT_TRUE(inputs);
    FastRunResults r;
    EXPECT_EQ(fastAnnualRun(p, *inputs, geometry(1, 50, 500, 1, 2, true), r).parameterError->de,
              kGroundwaterTooShallow.de);
    EXPECT_EQ(fastAnnualRun(p, *inputs, geometry(1, 50, 1000, 1, 0.5L, true), r).parameterError->de,
              kDepthBelowRadius.de);
    EXPECT_TRUE(fastAnnualRun(p, *inputs, geometry(1, 50, 500, 1, 1.75L, true), r).ok);  // bottom at the water
}

TEST(FastSimulation, NoFlowNeverRuns)
{
    Project p;
    p.setExact(Param::luftstrom, 0);
    const auto inputs = prepareFastInputs(p, {});
    FastRunResults r;
    ASSERT_TRUE(fastAnnualRun(p, *inputs, geometryOf(p, -1), r).ok);
    EXPECT_EQ(r.OperatingHours, 0);
    EXPECT_EQ(r.HeatingEnergy + r.CoolingEnergy, 0);
    EXPECT_EQ(r.MaxOutletTemp, -100);
}

TEST(FastSimulation, AMissingCoupledFileCannotBePrepared)
{
    Project p;
    p.climateCoupling.valid = true;
    EXPECT_FALSE(prepareFastInputs(p, {}));
}

}  // namespace
}  // namespace talp
