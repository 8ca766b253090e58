// The condensation estimate: a hand calculation, the physical bounds on a simulated year,
// and the humidity it takes from the file beside a coupled climate file.

#include <gtest/gtest.h>

#include <cmath>

#include "core/calculation_run.h"
#include "core/moist_air.h"
#include "core/numeric.h"
#include "evaluation/condensation.h"
#include "files/coupling_acceptance.h"
#include "files/weather_import.h"
#include "tests/files/temp_dir.h"
#include "tests/files/weather_samples.h"

namespace talp {
namespace {

SimulationResults constantWeather(long double outdoor, long double outlet, long double flow)
{
    SimulationResults r;
    for (int d = 1; d <= kDaysPerYear; ++d)
        for (int h = 1; h <= kHoursPerDay; ++h) {
            r.HourlyOutdoorTemp(d, h) = outdoor;
            r.HourlyOutletTemp(d, h) = outlet;
            r.HourlyAirFlow(d, h) = flow;
        }
    return r;
}

// The presets with a cooling limit of 19 °C: the warm summer hours of the sine year run
// through the pipes and are cooled.
Project coolingProject()
{
    Project project;
    project.set(Param::kuehlgrenztemp, 19.0L);
    return project;
}

SimulationResults simulatedYear(const Project& project)
{
    SimulationResults r;
    CalculationRequest request;
    request.openHourlyFile = hourlyFileOpener(nullptr);
    EXPECT_TRUE(runCalculation(project, r, request).success);
    return r;
}

// The dew point of air at T with the relative humidity phi: the Magnus form solved for T.
long double dewPoint(long double T, long double phi)
{
    const long double l = std::log10(phi * saturationVapourPressure(T) / 610.7L);
    return 237.0L * l / (7.5L - l);
}

TEST(Condensation, AConstantSummerYearByHand)
{
    // 25 °C at 80 %: p_s = 3173.05 Pa, x_in = 0.622 · 2538.44 / 97461.56 = 0.0162003;
    // outlet 15 °C: p_s = 1707.09 Pa, x_sat = 0.0108025. Dry air: 1000 m³/h over
    // (287 · 298.15 + 462 · 0.0162003 · 298.15) / 100000 m³/kg = 1138.945 kg/h;
    // 1138.945 · 0.0053978 = 6.147815 kg of water an hour.
    const double perHour = 6.147815455198;
    EXPECT_NEAR(static_cast<double>(condensateOfHour(25, 15, 1000, 0.8L)), perHour, 1e-9);

    SimulationResults year = constantWeather(25, 15, 1000);
    // The night hours of the first day do not operate.
    for (int h = 1; h <= 6; ++h) year.HourlyAirFlow(1, h) = 0;
    const CondensationEstimate e = estimateCondensation(year, {});
    EXPECT_EQ(e.hours, kHoursPerYear - 6);
    EXPECT_NEAR(static_cast<double>(e.kilograms), perHour * (kHoursPerYear - 6.0), 1e-6);
    EXPECT_NEAR(static_cast<double>(e.maxKilogramsPerHour), perHour, 1e-9);

    // A humidity of 80 % from a file is the model's assumption.
    const CondensationEstimate fromFile = estimateCondensation(year, std::vector<long double>(kHoursPerYear, 80.0L));
    EXPECT_EQ(fromFile.kilograms, e.kilograms);

    // Air warmed in the pipe, or dry air, leaves nothing.
    EXPECT_EQ(estimateCondensation(constantWeather(5, 10, 1000), {}).hours, 0);
    EXPECT_EQ(condensateOfHour(25, 15, 1000, 0.3L), 0);
}

TEST(Condensation, OnlyAnOutletBelowTheInletDewPointLeavesWater)
{
    const SimulationResults year = simulatedYear(coolingProject());
    int checked = 0, wet = 0;
    for (long double phi : {0.5L, 0.8L, 1.0L})
        for (int d = 1; d <= kDaysPerYear; ++d)
            for (int h = 1; h <= kHoursPerDay; ++h) {
                if (year.HourlyAirFlow(d, h) == 0) continue;
                const long double To = year.HourlyOutdoorTemp(d, h), Tout = year.HourlyOutletTemp(d, h);
                const long double margin = Tout - dewPoint(To, phi);
                const long double water = condensateOfHour(To, Tout, year.HourlyAirFlow(d, h), phi);
                if (std::fabs(margin) < 1e-9L) continue;
                ASSERT_EQ(water > 0, margin < 0) << d << " " << h << " " << static_cast<double>(phi);
                ++checked;
                wet += water > 0;
            }
    // The year has humid summer hours that the pipes cool below the dew point.
    EXPECT_GT(wet, 100);
    EXPECT_GT(checked - wet, 100);
}

TEST(Condensation, MoreHumidAirNeverGivesLessWater)
{
    const SimulationResults year = simulatedYear(coolingProject());
    CondensationEstimate before;
    for (long double percent : {0.0L, 40.0L, 60.0L, 80.0L, 90.0L, 100.0L}) {
        const CondensationEstimate e = estimateCondensation(year, std::vector<long double>(kHoursPerYear, percent));
        EXPECT_GE(e.kilograms, before.kilograms) << static_cast<double>(percent);
        EXPECT_GE(e.hours, before.hours) << static_cast<double>(percent);
        EXPECT_GE(e.maxKilogramsPerHour, before.maxKilogramsPerHour) << static_cast<double>(percent);
        before = e;
    }
    EXPECT_GT(before.kilograms, 0);
    // Hour by hour as well, over the temperatures and flows of the year.
    for (int d = 150; d <= 250; ++d)
        for (int h = 1; h <= kHoursPerDay; ++h) {
            long double last = 0;
            for (long double phi = 0; phi <= 1.0L; phi += 0.05L) {
                const long double water =
                    condensateOfHour(year.HourlyOutdoorTemp(d, h), year.HourlyOutletTemp(d, h), 1000, phi);
                ASSERT_GE(water, last) << d << " " << h;
                last = water;
            }
        }
    // A supersaturated reading (an EPW file allows 110 %) counts as saturated air.
    EXPECT_EQ(estimateCondensation(year, std::vector<long double>(kHoursPerYear, 110.0L)).kilograms, before.kilograms);
}

TEST(Condensation, TheHumidityFileBesideTheCoupledClimateFileIsUsed)
{
    testing::TempDir dir;
    // The sample year, whose hours above 25 °C are cooled, imported from EPW with a
    // humidity of 90 %.
    const std::string epw = testing::epwFile(false, testing::sampleTemperature, [](int) { return 90.0L; });
    const WeatherImport imported = importWeatherFile(dir.write("warm.epw", epw), dir / "warm.met");
    ASSERT_TRUE(imported.ok());
    Project project;
    ASSERT_TRUE(acceptCoupling(project, CouplingKind::Climate, imported.imported->coupling, nullptr).accepted());
    project.klimaModell = "sim";
    const SimulationResults year = simulatedYear(project);

    const CondensationOfRun run = condensationOfRun(project, year, nullptr);
    EXPECT_EQ(run.humidity.status, HumidityYear::Status::Read);
    ASSERT_TRUE(run.estimate);
    const CondensationEstimate at90 = estimateCondensation(year, std::vector<long double>(kHoursPerYear, 90.0L));
    EXPECT_EQ(run.estimate->kilograms, at90.kilograms);
    EXPECT_GT(at90.kilograms, estimateCondensation(year, {}).kilograms);

    // Without the humidity file: the model's 80 %.
    std::filesystem::remove(dir / "warm.hum");
    const CondensationOfRun assumed = condensationOfRun(project, year, nullptr);
    EXPECT_EQ(assumed.humidity.status, HumidityYear::Status::None);
    EXPECT_EQ(assumed.estimate->kilograms, estimateCondensation(year, {}).kilograms);

    // A broken humidity file gives no estimate but its message.
    dir.write("warm.hum", "too short\n");
    const CondensationOfRun refused = condensationOfRun(project, year, nullptr);
    EXPECT_FALSE(refused.estimate);
    EXPECT_EQ(refused.humidity.text(Language::German), "Fehler in der Feuchtedatei, Zeile 5");

    // The annual window's line is short; its details say where the humidity came from, or why
    // there is no figure.
    EXPECT_EQ(condensationLabel(refused, Language::English).line, "Condensate: \u2013");
    EXPECT_EQ(condensationLabel(refused, Language::English).details, refused.humidity.text(Language::English));
    const CondensationLabel measured = condensationLabel(run, Language::German);
    EXPECT_EQ(measured.line, "Kondensat: " + formatFixed(run.estimate->kilograms, 1) + " kg/a in " +
                                 std::to_string(run.estimate->hours) + " h");
    EXPECT_EQ(measured.details, "Höchstens " + formatFixed(run.estimate->maxKilogramsPerHour, 2) +
                                    " kg/h; Feuchte der Außenluft: aus der Wetterdatei");
    EXPECT_NE(condensationLabel(assumed, Language::English).details.find("80 % rel. humidity assumed"), std::string::npos);
}

}  // namespace
}  // namespace talp
