// The simulation with hourly data files: the climate file gives each hour's outdoor
// temperature, the building file the flow, set point and fan power.

#include <gtest/gtest.h>

#include "core/calculation_run.h"
#include "core/numeric.h"
#include "core/simulation.h"
#include "files/coupling_acceptance.h"
#include "files/hourly_file.h"
#include "temp_dir.h"

namespace talp {
namespace {

using testing::TempDir;

// In tenths, so that the value equals the one read back from its text.
long double temperatureOfHour(int hour) { return ((hour * 37) % 400 - 100) / 10.0L; }

std::string climateFile()
{
    std::string text = "a\nb\nc\nd\n";
    for (int h = 1; h <= kHoursPerYear; ++h)
        text += "hour " + formatIntWidth(h, 4) + formatFixedWidth(temperatureOfHour(h), 6, 1) + "\n";
    return text;
}

// Flow, set point and fan power of an hour: the exchanger idles every fourth hour.
std::string buildingFile()
{
    std::string text = "x\n";
    for (int h = 1; h <= kHoursPerYear; ++h) {
        const long double flow = h % 4 == 0 ? 0 : 800 + h % 200;
        text += formatFixedWidth(flow, 7, 1) + formatFixedWidth(18 + h % 5, 5, 1) + formatIntWidth(40 + h % 7, 4) + "\n";
    }
    return text;
}

SimulationOutcome simulate(const Project& p, SimulationResults& r, int day = -1)
{
    SimulationHooks hooks;
    hooks.openHourlyFile = hourlyFileOpener(nullptr);
    return BerechneEWT(p, geometryOf(p, day), r, hooks);
}

class CoupledSimulation : public ::testing::Test {
protected:
    TempDir dir;
    Project project;
    void coupleClimate(const std::string& content)
    {
        ASSERT_TRUE(acceptCoupling(project, CouplingKind::Climate,
                                   {dir.write("climate.txt", content).string(), "XXXXXXXXXAAAA.A", 4}, nullptr)
                        .accepted());
        project.klimaModell = "sim";
    }
};

TEST_F(CoupledSimulation, EveryHourTakesItsOutdoorTemperatureFromTheClimateFile)
{
    coupleClimate(climateFile());
    SimulationResults r;
    ASSERT_TRUE(simulate(project, r).ok);
    for (int d = 1; d <= kDaysPerYear; ++d)
        for (int h = 1; h <= kHoursPerDay; ++h)
            ASSERT_EQ(r.HourlyOutdoorTemp(d, h), temperatureOfHour((d - 1) * 24 + h)) << d << " " << h;
    EXPECT_EQ(r.MaxOutdoorTemp, 29.9L);
    EXPECT_EQ(r.MinOutdoorTemp, -10.0L);

    // A one-day run reads that day's lines.
    SimulationResults day;
    ASSERT_TRUE(simulate(project, day, 200).ok);
    for (int h = 1; h <= kHoursPerDay; ++h) {
        EXPECT_EQ(day.DayOutdoorTemp[static_cast<std::size_t>(h - 1)], temperatureOfHour(199 * 24 + h));
        EXPECT_EQ(day.HourlyOutletTemp(200, h), r.HourlyOutletTemp(200, h));
    }
}

TEST_F(CoupledSimulation, AFileThatFailsMidwayFailsTheRun)
{
    std::string content = climateFile();
    coupleClimate(content);
    // The file changes after it was accepted: line 5004 (data hour 5000) breaks.
    const std::size_t at = content.find("hour 5000");
    content.replace(at, 15, "hour 5000 ##.#");
    dir.write("climate.txt", content);
    SimulationResults r;
    EXPECT_FALSE(simulate(project, r).ok);
    CalculationRequest request;
    request.openHourlyFile = hourlyFileOpener(nullptr);
    const CalculationOutcome outcome = runCalculation(project, r, request);
    EXPECT_TRUE(outcome.BerechnungFehler);
    ASSERT_FALSE(outcome.messages.empty());
    EXPECT_EQ(outcome.messages.back().text.de, kCalculationFailed.de);

    std::filesystem::remove(dir / "climate.txt");
    EXPECT_FALSE(simulate(project, r).ok);
}

TEST_F(CoupledSimulation, TheBuildingFileDrivesFlowSetPointAndFanPower)
{
    project.HlkModus = "sim";
    ASSERT_TRUE(acceptCoupling(project, CouplingKind::Building,
                               {dir.write("hvac.txt", buildingFile()).string(), "VVVVV.VSSS.SPPPP", 1}, nullptr)
                    .accepted());
    SimulationResults r;
    ASSERT_TRUE(simulate(project, r).ok);
    int idle = 0;
    for (int d = 1; d <= kDaysPerYear; ++d)
        for (int h = 1; h <= kHoursPerDay; ++h) {
            const int hour = (d - 1) * 24 + h;
            if (hour % 4 == 0) {
                // No flow: not in operation.
                ASSERT_EQ(r.HourlyAirFlow(d, h), 0);
                ASSERT_EQ(r.HourlyHeatGain(d, h), 0);
                ++idle;
            } else if (r.HourlyAirFlow(d, h) != 0) {
                ASSERT_EQ(r.HourlyAirFlow(d, h), 800 + hour % 200);
                ASSERT_EQ(r.HourlyFanPower(d, h), 40 + hour % 7);
            }
        }
    EXPECT_EQ(idle, kHoursPerYear / 4);
    // With a flow column the heating and cooling limits are hidden and do not apply: the
    // exchanger runs in the mild hours too, unlike with the typed values.
    SimulationResults typed;
    Project quasi = project;
    quasi.HlkModus = "quasistat";
    ASSERT_TRUE(simulate(quasi, typed).ok);
    EXPECT_GT(r.OperatingHours, typed.OperatingHours);
}

}  // namespace
}  // namespace talp
