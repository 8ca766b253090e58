#include "evaluation/economics.h"

#include <cmath>
#include <functional>

#include "core/hvac.h"
#include "core/numeric.h"

namespace talp {

CostedGeometry costedGeometryOf(const Project& p)
{
    return {p.getInt(Param::rohranzahl), p.get(Param::rohrdurchmesser) * 0.5L, p.get(Param::rohrlnge),
            p.get(Param::verlegungstiefe)};
}

RunTotals runTotalsOf(const SimulationResults& r)
{
    return {r.HeatingEnergyRun, r.CoolingEnergyRun, r.OperatingHoursRun};
}

RateCase rateCase(long double i, long double g, long double e)
{
    const bool energyAtInterest = 1.0L + e == 1.0L + i;
    const bool costsAtInterest = 1.0L + g == 1.0L + i;
    if (energyAtInterest && costsAtInterest) return RateCase::AllEqual;
    if (energyAtInterest) return RateCase::EnergyAtInterest;
    if (costsAtInterest) return RateCase::CostsAtInterest;
    return RateCase::General;
}

namespace {

// The appraisal's inputs as the balances use them.
struct Appraisal {
    long double i, g, e, n;  // interest, general inflation, energy inflation, lifetime
    long double I, K, S;     // investment, first-year costs, first-year savings
    long double rho;         // K / I
    long double savingsRatio;  // S / I
};

using Balance = std::function<long double(long double)>;

bool negative(long double value) { return value < 0.0L; }

// The stepped sign search: from `start`, walk in steps while the balance keeps the sign it
// has at the start and the point stays within `limit`; then step back and walk again with
// a tenth of the step. The last stage does not step back, so the result is the first point
// of the finest grid past the sign change, or a point beyond the limit.
long double steppedSignSearch(const Balance& balance, long double start, long double firstStep, int stages,
                              long double limit)
{
    long double x = start, step = firstStep;
    long double value = balance(x);
    const bool reference = negative(value);
    for (int stage = 1; stage <= stages; ++stage) {
        while (negative(value) == reference && x <= limit) {
            x += step;
            value = balance(x);
        }
        if (stage == stages) break;
        x -= step;
        step *= 0.1L;
        value = balance(x);
        x -= step;
    }
    return x;
}

// Net present value balance per € of investment at the discount rate x.
long double internalRateBalance(const Appraisal& a, long double x)
{
    const long double savingsGrowth = Potenz((1.0L + a.e) / (1.0L + x), a.n);
    const long double costsGrowth = Potenz((1.0L + a.g) / (1.0L + x), a.n);
    if (std::isfinite(savingsGrowth) && std::isfinite(costsGrowth))
        return (a.e - x) / (savingsGrowth - 1.0L) * (1.0L + a.rho * (1.0L - costsGrowth) / (x - a.g)) -
               a.savingsRatio;
    // Over a long lifetime at a rate near -100 % the powers overflow, but the balance keeps
    // its limit: the growth of the costs measured against that of the savings.
    const long double firstYear = std::isinf(savingsGrowth) ? 0.0L : 1.0L / (savingsGrowth - 1.0L);
    long double costShare;
    if (std::isinf(savingsGrowth))
        costShare = std::isinf(costsGrowth) ? -Potenz((1.0L + a.g) / (1.0L + a.e), a.n) : 0.0L;
    else
        costShare = -costsGrowth;  // the costs outgrow the savings without bound
    const long double costs = a.rho == 0.0L ? 0.0L : a.rho * costShare / (x - a.g);
    return (a.e - x) * (firstYear + costs) - a.savingsRatio;
}

long double paybackBalance(const Appraisal& a, RateCase c, long double X)
{
    switch (c) {
    case RateCase::General:
        return (a.e - a.i) / (Potenz((1.0L + a.e) / (1.0L + a.i), X) - 1.0L) *
                   (1.0L + a.rho * (1.0L - Potenz((1.0L + a.g) / (1.0L + a.i), X)) / (a.i - a.g)) -
               a.savingsRatio;
    case RateCase::EnergyAtInterest:
        return a.rho * (Potenz(1.0L + a.i, X) - Potenz(1.0L + a.g, X)) /
                   (X * Potenz(1.0L + a.i, X - 1.0L) * (a.i - a.g)) +
               (1.0L + a.i) / X - a.savingsRatio;
    case RateCase::CostsAtInterest:
    case RateCase::AllEqual:
        break;
    }
    return a.S * (Potenz(1.0L + a.e, X) - Potenz(1.0L + a.i, X)) / (a.e - a.i) - a.I * Potenz(1.0L + a.i, X) -
           a.K * X * Potenz(1.0L + a.i, X - 1.0L);
}

long double breakEvenBalance(const Appraisal& a, RateCase c, long double y)
{
    const long double n = a.n;
    switch (c) {
    case RateCase::General:
        return (a.e - a.i) / (Potenz((1.0L + a.e) / (1.0L + a.i), n) - 1.0L) *
                   (1.0L + a.rho * (1.0L - Potenz((1.0L + a.g) / (1.0L + a.i), n)) / (a.i - a.g)) -
               y;
    case RateCase::EnergyAtInterest:
        return a.rho * (Potenz(1.0L + a.i, n) - Potenz(1.0L + a.g, n)) /
                   (n * Potenz(1.0L + a.i, n - 1.0L) * (a.i - a.g)) +
               (1.0L + a.i) / n - y;
    case RateCase::CostsAtInterest:
    case RateCase::AllEqual:
        break;
    }
    return (Potenz(1.0L + a.e, n) - Potenz(1.0L + a.i, n)) / (a.e - a.i) * y * a.I - Potenz(1.0L + a.i, n) * a.I -
           Potenz(1.0L + a.i, n - 1.0L) * a.rho * a.I * n;
}

// The year search of the payback time and the break-even price.
long double yearSearch(const Balance& balance, long double start)
{
    return steppedSignSearch(balance, start, 1.0L, 4, kPaybackHorizon);
}

// Fan electricity of the first year, €/a. A building file with fan powers ("P") or air
// flows ("V") gives the hours' values; "P" wins.
bool fanElectricityCost(const Project& p, const CostedGeometry& geo, const RunTotals& totals,
                        const HourlyFileOpener& openHourlyFile, long double& cost)
{
    const long double price = p.get(Param::strompreis) * 0.01L;  // €/kWh
    const auto specificEnergy = [&](long double flow) {
        return BerechneVentLstg(p, geo.pipeCount, geo.radiusMm, geo.lengthM, flow).specificEnergy;
    };
    const CouplingRecord& file = p.buildingCoupling;
    const int powerColumn = file.columnOf('P');
    const int flowColumn = file.columnOf('V');
    const bool fileDriven = ventilationFileInUse(p);

    if (!fileDriven || (powerColumn < 0 && flowColumn < 0)) {
        const long double flow = p.get(Param::luftstrom);
        const long double hours = fileDriven ? kHoursPerYear : totals.OperatingHoursRun;
        cost = flow * price * specificEnergy(flow) * 0.001L * hours;
        return true;
    }

    std::unique_ptr<HourlyReader> reader = openHourlyFile ? openHourlyFile(file) : nullptr;
    if (!reader) return false;
    cost = 0;
    HourlyValues line{};
    for (int hour = 1; hour <= kHoursPerYear; ++hour) {
        if (!reader->readLine(line)) return false;
        if (powerColumn >= 0) {
            cost += price * line[static_cast<std::size_t>(powerColumn)] * 0.001L;
        } else {
            const long double flow = line[static_cast<std::size_t>(flowColumn)];
            cost += price * specificEnergy(flow) * 0.001L * flow;
        }
    }
    return true;
}

void appraiseInternalRate(const Appraisal& a, bool defined, EconomicsResults& r)
{
    r.InternerZinssatz = kNoInternalRate;
    if (!defined) return;
    const long double x = steppedSignSearch([&](long double rate) { return internalRateBalance(a, rate); },
                                            -0.999991L, 0.1L, 6, 2.0L);
    if (x <= 2.0L && 100.0L * x >= -99.0L) r.InternerZinssatz = 100.0L * x;
}

void appraisePayback(const Appraisal& a, RateCase c, EconomicsResults& r)
{
    if (a.I == 0.0L) {
        // Nothing invested: it has paid back from the start when the savings exceed the costs.
        r.Amortisationszeit = a.S > a.K ? 0.0L : kPaybackHorizon + 1.0L;
    } else if (c == RateCase::AllEqual) {
        r.Amortisationszeit = a.savingsRatio > a.rho ? (1.0L + a.i) / (a.savingsRatio - a.rho) : kPaybackHorizon + 1.0L;
    } else {
        r.Amortisationszeit = yearSearch([&](long double X) { return paybackBalance(a, c, X); }, 0.01L);
    }
}

void appraiseAnnuity(const Appraisal& a, EconomicsResults& r)
{
    r.annuityHasValue = a.n > 0.0L;
    if (!r.annuityHasValue) return;
    const long double growth = Potenz(1.0L + a.i, a.n);
    // Without interest the annuity factor takes its limit, one n-th per year.
    const long double factor = a.i == 0.0L ? 1.0L / a.n : a.i / (growth - 1.0L);
    const long double costs = a.i != a.g ? a.I * growth + a.K * (growth - Potenz(1.0L + a.g, a.n)) / (a.i - a.g)
                                         : a.I * growth + a.K * a.n * Potenz(1.0L + a.i, a.n - 1.0L);
    const long double savings = a.e != a.i ? a.S * (Potenz(1.0L + a.e, a.n) - growth) / (a.e - a.i)
                                           : a.S * a.n * Potenz(1.0L + a.i, a.n - 1.0L);
    r.KostenAnnuitaet = costs * factor;
    r.ErtragsAnnuitaet = savings * factor;
    r.Annuitaet = r.ErtragsAnnuitaet - r.KostenAnnuitaet;
}

void appraiseEnergyPrice(const Appraisal& a, RateCase c, EconomicsResults& r)
{
    if (r.Energiemenge <= 0.0L) {
        r.Energiepreis = kNoEnergyPrice;
        r.energyPriceHasValue = true;
        return;
    }
    // The break-even ratio is a saving per € of investment over the lifetime: it needs both.
    r.energyPriceHasValue = a.n > 0.0L && a.I > 0.0L;
    if (!r.energyPriceHasValue) return;
    const long double y = c == RateCase::AllEqual
                              ? (1.0L + a.i) / a.n + a.rho
                              : yearSearch([&](long double ratio) { return breakEvenBalance(a, c, ratio); }, 0.0L);
    r.Energiepreis = y * a.I / r.Energiemenge;
}

// Whatever the inputs, no infinity or NaN leaves the appraisal.
void keepFinite(EconomicsResults& r)
{
    if (!std::isfinite(r.InternerZinssatz)) r.InternerZinssatz = kNoInternalRate;
    if (!std::isfinite(r.Amortisationszeit)) r.Amortisationszeit = kPaybackHorizon + 1.0L;
    if (!std::isfinite(r.Annuitaet) || !std::isfinite(r.KostenAnnuitaet) || !std::isfinite(r.ErtragsAnnuitaet)) {
        r.annuityHasValue = false;
        r.Annuitaet = r.KostenAnnuitaet = r.ErtragsAnnuitaet = 0;
    }
    if (!std::isfinite(r.Energiepreis)) {
        r.energyPriceHasValue = false;
        r.Energiepreis = kNoEnergyPrice;
    }
    if (!std::isfinite(r.Kostenquote)) r.Kostenquote = 0;
}

}  // namespace

long double investmentFor(const Project& p, const CostedGeometry& geo)
{
    // The pipe price per metre scales with the square of the diameter, and each pipe has
    // its own trench, as deep as the pipe's bottom and 0.5 m wider than it.
    const long double N = geo.pipeCount, L = geo.lengthM, radius = geo.radiusMm, diameter = 2.0L * radius;
    const long double diameterFactor = Potenz(diameter / p.get(Param::rohrdurchmesser), 2.0L);
    const long double pipes = diameterFactor * p.get(Param::rohrpreis) * N * L;
    const long double trenches =
        p.get(Param::grabungspreis) * N * L * (geo.depthM + radius / 1000.0L) * (diameter + 500.0L) / 1000.0L;
    return pipes + trenches + p.get(Param::fest_inv);
}

EconomicsOutcome KostenRechnung(const Project& p, const CostedGeometry& geo, const RunTotals& totals,
                                const HourlyFileOpener& openHourlyFile, EconomicsResults& r)
{
    r = EconomicsResults{};
    Appraisal a{};
    a.i = p.get(Param::zinssatz) / 100.0L;
    a.g = p.get(Param::inflation) / 100.0L;
    a.e = p.get(Param::einflation) / 100.0L;
    a.n = p.get(Param::lebensdauer);

    a.I = r.Investition = investmentFor(p, geo);

    long double fanCost = 0;
    if (!fanElectricityCost(p, geo, totals, openHourlyFile, fanCost))
        return {false, Message{{"TALP", "TALP"}, kVentilationFileUnreadable, MessageKind::Error}};
    a.K = r.Betriebskosten = fanCost + p.get(Param::wartungskosten_dm);
    a.S = r.Energieeinsparung = p.get(Param::heizpreis) * 0.01L * totals.HeatingEnergyRun +
                                p.get(Param::khlpreis) * 0.01L * totals.CoolingEnergyRun;
    r.Energiemenge = totals.HeatingEnergyRun + totals.CoolingEnergyRun;
    const bool invested = a.I > 0.0L;
    a.rho = r.Kostenquote = invested ? a.K / a.I : 0.0L;
    a.savingsRatio = invested ? a.S / a.I : 0.0L;

    const RateCase c = rateCase(a.i, a.g, a.e);
    // A rate of return needs capital to earn on and years to earn in.
    appraiseInternalRate(a, invested && a.n > 0.0L, r);
    appraisePayback(a, c, r);
    appraiseAnnuity(a, r);
    appraiseEnergyPrice(a, c, r);
    keepFinite(r);
    return {r.hasInternalRate(), std::nullopt};
}

}  // namespace talp
