#include <gtest/gtest.h>

#include "core/calculation_run.h"

namespace talp {
namespace {

TEST(CalculationRun, AParameterErrorShowsBothMessagesAndNoEconomics)
{
    Project p;
    p.set(Param::Grundwassertiefe, 1.0L);
    SimulationResults r;
    int economics = 0;
    CalculationRequest request;
    request.economics = [&](const Project&, const SimulationResults&) { ++economics; };
    const CalculationOutcome outcome = runCalculation(p, r, request);
    EXPECT_FALSE(outcome.success);
    EXPECT_TRUE(outcome.BerechnungFehler);
    ASSERT_EQ(outcome.messages.size(), 2u);
    EXPECT_EQ(outcome.messages[0].text.de, "Grundwassertiefe kleiner als Verlegungstiefe");
    EXPECT_EQ(outcome.messages[0].title.de, "Parameterfehler");
    EXPECT_EQ(outcome.messages[1].text.de,
              "Dieser EWT kann nicht berechnet werden. Bitte überprüfen Sie die Eingaben.");
    EXPECT_EQ(economics, 0);
}

TEST(CalculationRun, EconomicsFollowOnlyAFullYear)
{
    const Project p;
    SimulationResults r;
    int economics = 0, progress = 0, lastDay = 0, lastHour = 0;
    CalculationRequest request;
    request.economics = [&](const Project&, const SimulationResults& results) {
        ++economics;
        EXPECT_GT(results.HeatingEnergy, 0);
    };
    request.progress = [&](int day, int hour) {
        EXPECT_GE(day * 24 + hour, lastDay * 24 + lastHour);  // the bar never runs backwards
        ++progress;
        lastDay = day;
        lastHour = hour;
    };
    request.day = 40;
    EXPECT_TRUE(runCalculation(p, r, request).success);
    EXPECT_EQ(economics, 0);
    EXPECT_EQ(progress, 24);

    EXPECT_EQ(lastDay, 40);
    EXPECT_EQ(lastHour, 24);

    request.day = kFullYear;
    progress = lastDay = lastHour = 0;
    const CalculationOutcome outcome = runCalculation(p, r, request);
    EXPECT_TRUE(outcome.success);
    EXPECT_FALSE(outcome.BerechnungFehler);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(economics, 1);
    EXPECT_GT(progress, 100);
    EXPECT_EQ(lastDay, 365);  // the bar ends full
    EXPECT_EQ(lastHour, 24);
}

TEST(CalculationRun, ACancelledRunFailsSilently)
{
    const Project p;
    SimulationResults r;
    std::atomic<bool> cancel{true};
    CalculationRequest request;
    request.cancel = &cancel;
    const CalculationOutcome outcome = runCalculation(p, r, request);
    EXPECT_FALSE(outcome.success);
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_TRUE(outcome.BerechnungFehler);
    EXPECT_TRUE(outcome.messages.empty());
}

}  // namespace
}  // namespace talp
