#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/hvac.h"
#include "evaluation/economics.h"

namespace talp {
namespace {

// Net present value of the exchanger over a horizon of X years at the rate x: the
// investment, the savings escalating with e and the costs escalating with g, summed as
// geometric series. Written from the definition, not from the balances of the appraisal.
long double presentValue(long double I, long double K, long double S, long double x, long double g, long double e,
                         long double X)
{
    const auto series = [&](long double growth) {
        const long double q = (1 + growth) / (1 + x);
        if (q == 1) return X / (1 + x);
        return (std::pow(q, X) - 1) / (growth - x);
    };
    return -I + S * series(e) - K * series(g);
}

struct Rates {
    long double interest, inflation, energyInflation;
};

Project projectWith(const Rates& s)
{
    Project p;
    p.setExact(Param::zinssatz, s.interest);
    p.setExact(Param::inflation, s.inflation);
    p.setExact(Param::einflation, s.energyInflation);
    return p;
}

const RunTotals kTotals{30000, 4500, 5000};

EconomicsResults appraise(const Project& p, RunTotals totals = kTotals)
{
    EconomicsResults r;
    KostenRechnung(p, costedGeometryOf(p), totals, {}, r);
    return r;
}

TEST(Economics, CasesAreChosenByExactComparisonOfTheRates)
{
    EXPECT_EQ(rateCase(0.08L, 0.03L, 0.05L), RateCase::General);
    EXPECT_EQ(rateCase(0.05L, 0.03L, 0.05L), RateCase::EnergyAtInterest);
    EXPECT_EQ(rateCase(0.03L, 0.03L, 0.05L), RateCase::CostsAtInterest);
    EXPECT_EQ(rateCase(0.04L, 0.04L, 0.04L), RateCase::AllEqual);
    EXPECT_EQ(rateCase(0, 0, 0), RateCase::AllEqual);
}

TEST(Economics, InvestmentCostsAndSavingsOfTheDefaults)
{
    const Project p;  // 2 pipes of 50 m, 500 mm, 2 m deep
    const EconomicsResults r = appraise(p);
    const long double trenches = 70.0L * 2 * 50 * (2 + 0.25L) * (500 + 500) / 1000;
    EXPECT_NEAR(static_cast<double>(r.Investition), static_cast<double>(5.0L * 2 * 50 + trenches + 1000), 1e-9);
    const long double fan = 1000 * 0.08L * BerechneVentLstg(p, 2, 250, 50, 1000).specificEnergy * 0.001L * 5000;
    EXPECT_NEAR(static_cast<double>(r.Betriebskosten), static_cast<double>(fan + 20), 1e-9);
    EXPECT_NEAR(static_cast<double>(r.Energieeinsparung), 0.08 * 30000 + 0.08 * 4500, 1e-9);
    EXPECT_EQ(r.Energiemenge, 34500);
    EXPECT_NEAR(static_cast<double>(r.Kostenquote), static_cast<double>(r.Betriebskosten / r.Investition), 1e-15);
}

TEST(Economics, TwiceTheEnteredDiameterPaysFourTimesThePipePrice)
{
    Project p;
    p.setExact(Param::grabungspreis, 0);
    p.setExact(Param::fest_inv, 0);
    EconomicsResults r;
    CostedGeometry geometry = costedGeometryOf(p);
    KostenRechnung(p, geometry, kTotals, {}, r);
    EXPECT_NEAR(static_cast<double>(r.Investition), 5.0 * 2 * 50, 1e-9);
    geometry.radiusMm = p.get(Param::rohrdurchmesser);  // twice the diameter
    KostenRechnung(p, geometry, kTotals, {}, r);
    EXPECT_NEAR(static_cast<double>(r.Investition), 4 * 5.0 * 2 * 50, 1e-9);
}

class EverySearch : public ::testing::TestWithParam<Rates> {};

// Each search ends on the first point of its finest grid past the root of the present
// value: one grid step before it the present value still has the other sign.
TEST_P(EverySearch, EndsOnTheFinestGridPastTheRoot)
{
    const Rates s = GetParam();
    const Project p = projectWith(s);
    const EconomicsResults r = appraise(p);
    const long double i = s.interest / 100, g = s.inflation / 100, e = s.energyInflation / 100;
    const long double n = p.get(Param::lebensdauer);
    const long double I = r.Investition, K = r.Betriebskosten, S = r.Energieeinsparung;

    ASSERT_TRUE(r.hasInternalRate());
    const long double x = r.InternerZinssatz / 100;
    EXPECT_LT(presentValue(I, K, S, x, g, e, n), 0);
    EXPECT_GE(presentValue(I, K, S, x - 1e-6L, g, e, n), 0);

    ASSERT_TRUE(r.paysBack());
    const long double X = r.Amortisationszeit;
    if (rateCase(i, g, e) == RateCase::AllEqual) {
        EXPECT_NEAR(static_cast<double>(X), static_cast<double>((1 + i) / (S / I - K / I)), 1e-9);
    } else {
        EXPECT_GE(presentValue(I, K, S, i, g, e, X), 0);
        EXPECT_LT(presentValue(I, K, S, i, g, e, X - 1e-3L), 0);
    }

    // Break-even price: the savings per kWh at which the present value over the lifetime is 0.
    const long double perEuroOfSaving = presentValue(0, 0, 1, i, g, e, n);
    const long double breakEven = (I + K * presentValue(0, 0, 1, i, g, g, n)) / perEuroOfSaving / r.Energiemenge;
    const long double grid = rateCase(i, g, e) == RateCase::AllEqual ? 1e-12L : 1e-3L * I / r.Energiemenge;
    EXPECT_GT(r.Energiepreis, breakEven - 1e-12L);
    EXPECT_LE(r.Energiepreis, breakEven + grid + 1e-12L);

    // The net annuity is the present value spread over the lifetime.
    ASSERT_TRUE(r.annuityHasValue);
    const long double factor = i * std::pow(1 + i, n) / (std::pow(1 + i, n) - 1);
    EXPECT_NEAR(static_cast<double>(r.Annuitaet), static_cast<double>(presentValue(I, K, S, i, g, e, n) * factor),
                1e-8);
}

INSTANTIATE_TEST_SUITE_P(Cases, EverySearch,
                         ::testing::Values(Rates{8, 3, 5},    // case 0, the defaults
                                           Rates{5, 3, 5},    // case 1: energy inflation at the interest rate
                                           Rates{3, 3, 5},    // case 2: general inflation at the interest rate
                                           Rates{4, 4, 4}));  // case 3: closed forms

TEST(Economics, SavingsThatNeverCoverTheCostsGiveNoPayback)
{
    Project p;
    p.setExact(Param::heizpreis, 0);
    p.setExact(Param::khlpreis, 0);
    const EconomicsResults r = appraise(p);
    EXPECT_GE(r.Amortisationszeit, kPaybackHorizon);
    EXPECT_FALSE(r.paysBack());
    EXPECT_EQ(r.InternerZinssatz, kNoInternalRate);

    Project equal = projectWith({4, 4, 4});
    equal.setExact(Param::heizpreis, 0);
    equal.setExact(Param::khlpreis, 0);
    EXPECT_FALSE(appraise(equal).paysBack());
}

TEST(Economics, NoEnergyDeliveredHasNoEnergyPrice)
{
    const EconomicsResults r = appraise(Project{}, RunTotals{0, 0, 0});
    EXPECT_EQ(r.Energiepreis, kNoEnergyPrice);
    EXPECT_EQ(r.Energiemenge, 0);
}

TEST(Economics, KostenRechnungReportsWhetherARateWasFound)
{
    Project p;
    EconomicsResults r;
    EXPECT_TRUE(KostenRechnung(p, costedGeometryOf(p), kTotals, {}, r).rateFound);
    p.setExact(Param::heizpreis, 0);
    p.setExact(Param::khlpreis, 0);
    EXPECT_FALSE(KostenRechnung(p, costedGeometryOf(p), kTotals, {}, r).rateFound);
}

// Inputs at the edges of their ranges leave indicators without a value, never a NaN.
TEST(Economics, EdgeInputsStayFinite)
{
    const auto finite = [](const EconomicsResults& r) {
        for (long double v : {r.Investition, r.Betriebskosten, r.Kostenquote, r.Energieeinsparung, r.InternerZinssatz,
                              r.Amortisationszeit, r.KostenAnnuitaet, r.ErtragsAnnuitaet, r.Annuitaet, r.Energiepreis})
            if (!std::isfinite(v)) return false;
        return true;
    };

    Project noInterest;
    noInterest.setExact(Param::zinssatz, 0);
    const EconomicsResults a = appraise(noInterest);
    EXPECT_TRUE(finite(a));
    ASSERT_TRUE(a.annuityHasValue);
    // Without interest the annuity is the lifetime's net saving spread evenly.
    const long double n = 25;
    EXPECT_NEAR(static_cast<double>(a.Annuitaet),
                static_cast<double>(presentValue(a.Investition, a.Betriebskosten, a.Energieeinsparung, 0, 0.03L, 0.05L, n) / n),
                1e-8);

    Project noLifetime;
    noLifetime.setExact(Param::lebensdauer, 0);
    const EconomicsResults b = appraise(noLifetime);
    EXPECT_TRUE(finite(b));
    EXPECT_EQ(b.InternerZinssatz, kNoInternalRate);
    EXPECT_FALSE(b.annuityHasValue);
    EXPECT_FALSE(b.energyPriceHasValue);

    Project nothingInvested;
    for (Param q : {Param::rohrpreis, Param::grabungspreis, Param::fest_inv}) nothingInvested.setExact(q, 0);
    const EconomicsResults c = appraise(nothingInvested);
    EXPECT_TRUE(finite(c));
    EXPECT_EQ(c.Investition, 0);
    EXPECT_EQ(c.InternerZinssatz, kNoInternalRate);
    EXPECT_EQ(c.Amortisationszeit, 0);  // the savings exceed the costs from the first year
    EXPECT_FALSE(c.energyPriceHasValue);

    for (long double years : {1000.0L, 10000.0L}) {
        Project longLived;
        longLived.setExact(Param::lebensdauer, years);
        const EconomicsResults d = appraise(longLived);
        EXPECT_TRUE(finite(d)) << years;
        ASSERT_TRUE(d.hasInternalRate()) << years;
        // The overflowing powers near -100 % do not mislead the search.
        const long double x = d.InternerZinssatz / 100;
        EXPECT_LT(presentValue(d.Investition, d.Betriebskosten, d.Energieeinsparung, x, 0.03L, 0.05L, years), 0);
        EXPECT_GE(presentValue(d.Investition, d.Betriebskosten, d.Energieeinsparung, x - 1e-6L, 0.03L, 0.05L, years), 0);
        EXPECT_TRUE(d.annuityHasValue);
    }
}

// The building file of a file-driven ventilation, one line per hour.
class FakeBuildingFile : public HourlyReader {
public:
    explicit FakeBuildingFile(HourlyValues line, int lines = kHoursPerYear) : line_(line), left_(lines) {}
    bool readLine(HourlyValues& values) override
    {
        if (left_-- <= 0) return false;
        values = line_;
        return true;
    }

private:
    HourlyValues line_;
    int left_;
};

Project fileDriven(std::string_view letters)
{
    Project p;
    p.HlkModus = "sim";
    p.buildingCoupling.valid = true;
    p.buildingCoupling.columnCount = static_cast<std::int32_t>(letters.size());
    for (std::size_t c = 0; c < letters.size(); ++c) p.buildingCoupling.columns[c].letter = letters[c];
    return p;
}

HourlyFileOpener opener(HourlyValues line, int lines = kHoursPerYear)
{
    return [=](const CouplingRecord&) { return std::make_unique<FakeBuildingFile>(line, lines); };
}

TEST(Economics, FanCostFromTheBuildingFile)
{
    const long double maintenance = 20, price = 0.08L;
    EconomicsResults r;

    // Fan power and flow in the file: the power counts, 150 W every hour.
    Project both = fileDriven("VSP");
    ASSERT_FALSE(KostenRechnung(both, costedGeometryOf(both), kTotals, opener({800, 20, 150}), r).error);
    EXPECT_NEAR(static_cast<double>(r.Betriebskosten - maintenance), static_cast<double>(price * 150 * 0.001L * 8760), 1e-9);

    // Only the flow: the fan power follows from the pipes for each hour's flow.
    Project flowOnly = fileDriven("VS");
    KostenRechnung(flowOnly, costedGeometryOf(flowOnly), kTotals, opener({800, 20}), r);
    const long double perHour = price * BerechneVentLstg(flowOnly, 2, 250, 50, 800).specificEnergy * 0.001L * 800;
    EXPECT_NEAR(static_cast<double>(r.Betriebskosten - maintenance), static_cast<double>(perHour * 8760), 1e-9);

    // Neither: the typed flow for all 8760 hours, whatever the run's operating hours.
    Project neither = fileDriven("S");
    KostenRechnung(neither, costedGeometryOf(neither), kTotals, {}, r);
    const long double typed = 1000 * price * BerechneVentLstg(neither, 2, 250, 50, 1000).specificEnergy * 0.001L * 8760;
    EXPECT_NEAR(static_cast<double>(r.Betriebskosten - maintenance), static_cast<double>(typed), 1e-9);

    // The last of two "P" columns counts.
    Project twice = fileDriven("PP");
    KostenRechnung(twice, costedGeometryOf(twice), kTotals, opener({999, 150}), r);
    EXPECT_NEAR(static_cast<double>(r.Betriebskosten - maintenance), static_cast<double>(price * 150 * 0.001L * 8760), 1e-9);
}

TEST(Economics, AnUnreadableBuildingFileFails)
{
    const Project p = fileDriven("VP");
    EconomicsResults r;
    const HourlyFileOpener missing = [](const CouplingRecord&) { return std::unique_ptr<HourlyReader>{}; };
    const EconomicsOutcome absent = KostenRechnung(p, costedGeometryOf(p), kTotals, missing, r);
    EXPECT_FALSE(absent.rateFound);
    ASSERT_TRUE(absent.error);
    EXPECT_EQ(absent.error->text.de, "Fehler beim Lesen der Datei.");
    EXPECT_TRUE(KostenRechnung(p, costedGeometryOf(p), kTotals, opener({800, 150}, 100), r).error);
}

}  // namespace
}  // namespace talp
