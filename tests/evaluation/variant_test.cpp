// Variants: their figures on the fast path against the interactive year, the comparison
// table with its marks, and the parameter study's grid.

#include <gtest/gtest.h>

#include <cmath>

#include "../files/csv_reading.h"
#include "core/calculation_run.h"
#include "evaluation/parameter_study.h"
#include "evaluation/variant_comparison.h"
#include "evaluation/variant_run.h"

namespace talp {
namespace {

// The figures of the interactive year (the extended path a planner's "Berechnen" takes).
VariantFigures interactiveFigures(const Project& project)
{
    SimulationResults results;
    CalculationRequest request;
    request.day = kFullYear;
    EXPECT_TRUE(runCalculation(project, results, request).success);
    EconomicsResults economics;
    EXPECT_FALSE(KostenRechnung(project, costedGeometryOf(project), runTotalsOf(results), {}, economics).error);
    return variantFigures(project, results, economics, condensationOfRun(project, results, nullptr).estimate);
}

VariantFigures fastFigures(const Project& project)
{
    SimulationResults scratch;
    const VariantRun run = calculateVariant(project, {}, scratch);
    EXPECT_TRUE(run.ok);
    return run.figures;
}

Project variantOf(std::initializer_list<std::pair<Param, long double>> inputs)
{
    Project p;
    for (const auto& [id, value] : inputs) EXPECT_TRUE(p.setExact(id, value));
    return p;
}

TEST(VariantRun, FastPathAgreesWithTheInteractiveYearInEveryFigure)
{
    for (const Project& p : {Project{}, variantOf({{Param::rohranzahl, 4}, {Param::rohrlnge, 35}, {Param::VentilatorVor, 0}}),
                             variantOf({{Param::rohrdurchmesser, 200}, {Param::verlegungstiefe, 1.2L}})}) {
        ASSERT_TRUE(fastPathCovers(p));
        const VariantFigures fast = fastFigures(p);
        const VariantFigures reference = interactiveFigures(p);
        for (const FigureSpec& entry : figureTable()) {
            const auto a = entry.value(fast), b = entry.value(reference);
            ASSERT_EQ(a.has_value(), b.has_value()) << entry.key;
            if (a) {
                EXPECT_LE(std::fabs(*a - *b), 1e-8L * std::max(std::fabs(*b), 1e-6L)) << entry.key;
            }
        }
        long double heating = 0, cooling = 0;
        for (int m = 0; m < 12; ++m) {
            heating += fast.monthlyHeating[static_cast<std::size_t>(m)];
            cooling += fast.monthlyCooling[static_cast<std::size_t>(m)];
        }
        EXPECT_NEAR(static_cast<double>(heating - cooling),
                    static_cast<double>(reference.HeatingEnergy - reference.CoolingEnergy), 1e-6);
        std::size_t running = 0;
        for (const double t : fast.outletTemp) running += std::isnan(t) ? 0 : 1;
        EXPECT_LE(running, static_cast<std::size_t>(fast.OperatingHours));
    }
}

Variant keptVariant(const std::string& name, std::initializer_list<std::pair<Param, long double>> inputs)
{
    const Project p = variantOf(inputs);
    return {name, p, fastFigures(p)};
}

const ComparisonRow& rowOf(const std::vector<ComparisonRow>& rows, std::string_view heading)
{
    for (const ComparisonRow& row : rows)
        if (row.heading == heading) return row;
    throw std::out_of_range(std::string(heading));
}

TEST(VariantComparison, ShowsTheDifferingInputsFirstAndMarksTheBestOfEachFigure)
{
    const std::vector<Variant> variants{keptVariant("zwei", {}), keptVariant("vier", {{Param::rohranzahl, 4}}),
                                        keptVariant("vier lang", {{Param::rohranzahl, 4}, {Param::rohrlnge, 80}})};
    const auto rows = comparisonRows(variants, Language::German);
    ASSERT_GE(rows.size(), 2u + figureTable().size());
    EXPECT_EQ(rows[0].heading, "Rohranzahl");
    EXPECT_EQ(rows[0].cells, (std::vector<std::string>{"2", "4", "4"}));
    EXPECT_EQ(rows[1].heading, "Rohrlänge in m");
    EXPECT_TRUE(rows[0].differingInput && rows[1].differingInput);
    EXPECT_FALSE(rows[2].differingInput);
    EXPECT_EQ(rows.size(), 2u + figureTable().size());

    // More and longer pipes gain more heat and cost more.
    EXPECT_EQ(rowOf(rows, "Wärmeaufnahme in kWh").best, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(rowOf(rows, "Investition in €").best, (std::vector<bool>{true, false, false}));
    // The outdoor air is the same for all: nothing to mark.
    EXPECT_EQ(rowOf(rows, "Max. Temp. vor EWT in °C").best, (std::vector<bool>(3, false)));
    // Equal as shown: both four-pipe variants have the slowest air.
    EXPECT_EQ(rowOf(rows, "Luftgeschwindigkeit in den Rohren in m/s").best, (std::vector<bool>{false, true, true}));

    // Identical variants differ in no input and have no best value.
    const auto same = comparisonRows({variants[0], variants[0]}, Language::English);
    EXPECT_EQ(same.size(), figureTable().size());
    for (const ComparisonRow& row : same) EXPECT_EQ(row.best, (std::vector<bool>(2, false))) << row.heading;

    const auto csv = testing::readCsv(csvText(comparisonTable(variants, Language::German), Language::German),
                                      Language::German);
    ASSERT_EQ(csv.size(), 1 + rows.size());
    EXPECT_EQ(csv[0], (std::vector<std::string>{"Variante", "zwei", "vier", "vier lang"}));
    EXPECT_EQ(csv[2], (std::vector<std::string>{"Rohrlänge in m", "50", "50", "80"}));
    long double heat = 0;
    ASSERT_TRUE(testing::csvNumberIn(csv[4][3], Language::German, heat)) << csv[4][3];
    // In full: 15 significant digits, as much as a spreadsheet keeps.
    EXPECT_NEAR(static_cast<double>(heat / variants[2].figures.HeatingEnergy), 1.0, 1e-14);
}

TEST(ParameterStudy, ReadsRangesAndRefusesWhatIsNoRange)
{
    const auto axis = std::get<StudyAxis>(parseStudyAxis("rohrlnge=40..60:2.5"));
    EXPECT_EQ(axis.param, Param::rohrlnge);
    EXPECT_EQ(axisValues(axis), (std::vector<long double>{40, 42.5L, 45, 47.5L, 50, 52.5L, 55, 57.5L, 60}));
    // Steps that do not hit TO exactly stop before it; decimal steps land on their decimals.
    EXPECT_EQ(axisValues(std::get<StudyAxis>(parseStudyAxis("verlegungstiefe=1..1.35:0.1"))),
              (std::vector<long double>{1, 1.1L, 1.2L, 1.3L}));
    // Without a step, the input's own.
    EXPECT_EQ(axisValues(std::get<StudyAxis>(parseStudyAxis("rohranzahl=1..3"))), (std::vector<long double>{1, 2, 3}));
    const auto fan = std::get<StudyAxis>(parseStudyAxis("VentilatorNach=0..1:1"));
    EXPECT_TRUE(fan.negated);
    EXPECT_EQ(studyVariant(Project{}, std::span(&fan, 1), std::vector<long double>{1}).getInt(Param::VentilatorVor), 0);

    for (const auto& [text, reason] : std::vector<std::pair<std::string, std::string>>{
             {"rohrlnge=40", "is not NAME=FROM..TO:STEP"},
             {"rohrlaenge=40..60:5", "unknown parameter 'rohrlaenge'"},
             {"rohrlnge=4x..60:5", "is not NAME=FROM..TO:STEP"},
             {"rohrlnge=40..60:0", "must be positive"},
             {"rohrlnge=60..40:5", "runs backwards"}})
        EXPECT_EQ(std::get<std::string>(parseStudyAxis(text)).find(reason) != std::string::npos, true) << text;

    EXPECT_EQ(axisFault(std::get<StudyAxis>(parseStudyAxis("rohrlnge=150..250:50"))),
              "value of 'rohrlnge' must be within 1 .. 200, not 250");
    EXPECT_EQ(axisFault(std::get<StudyAxis>(parseStudyAxis("rohranzahl=1..4:0.5"))),
              "value of 'rohranzahl' must be a whole number within 1 .. 10, not 1.5");
    EXPECT_FALSE(axisFault(axis));

    const std::vector<StudyAxis> grid{axis, std::get<StudyAxis>(parseStudyAxis("rohranzahl=1..10"))};
    EXPECT_EQ(gridSize(grid), 90u);
    const std::vector<StudyAxis> huge(4, std::get<StudyAxis>(parseStudyAxis("geb_vol=1..100000:1")));
    EXPECT_EQ(gridSize(huge), std::numeric_limits<std::uint64_t>::max());
}

TEST(ParameterStudy, EveryVariantOfTheGridIsTheYearOfItsInputs)
{
    const std::vector<StudyAxis> axes{std::get<StudyAxis>(parseStudyAxis("rohranzahl=2..3")),
                                      std::get<StudyAxis>(parseStudyAxis("rohrlnge=30..50:20"))};
    std::size_t reported = 0;
    StudyRequest request;
    request.threads = 2;
    request.progress = [&](std::size_t done, std::size_t total) {
        EXPECT_EQ(total, 4u);
        reported = std::max(reported, done);
    };
    const Project base = variantOf({{Param::rohrdurchmesser, 250}});
    const std::vector<StudyPoint> points = runStudy(base, axes, request);
    EXPECT_EQ(reported, 4u);
    ASSERT_EQ(points.size(), 4u);
    const std::vector<std::vector<long double>> order{{2, 30}, {2, 50}, {3, 30}, {3, 50}};
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].values, order[i]);
        ASSERT_TRUE(points[i].run.ok);
        const Project single = studyVariant(base, axes, points[i].values);
        EXPECT_EQ(single.get(Param::rohrdurchmesser), 250);
        EXPECT_EQ(points[i].run.figures.HeatingEnergy, fastFigures(single).HeatingEnergy);
    }
    const auto csv = testing::readCsv(csvText(studyTable(axes, points, Language::English), Language::English),
                                      Language::English);
    ASSERT_EQ(csv.size(), 5u);
    EXPECT_EQ(csv[0][0], "Number of pipes");
    EXPECT_EQ(csv[0][1], "Pipe length in m");
    EXPECT_EQ(csv[4][1], "50");

    // A cancelled study keeps what it finished, in grid order.
    std::atomic<bool> cancel{true};
    request.variant.cancel = &cancel;
    EXPECT_TRUE(runStudy(base, axes, request).empty());
}

}  // namespace
}  // namespace talp
