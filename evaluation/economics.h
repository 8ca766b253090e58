#pragma once
// The economic appraisal of one run: investment, operating costs and energy savings, and
// from them the payback time, the internal rate of return, the net annuity and the
// break-even energy price of a dynamic appraisal over the lifetime, in which operating
// costs escalate with the general inflation and savings with the energy-price inflation.

#include <optional>

#include "core/hourly_input.h"
#include "core/project.h"
#include "core/simulation.h"
#include "core/texts.h"

namespace talp {

// The pipe geometry being costed: the pipe form's in an ordinary run, a drawn one in the
// optimisation.
struct CostedGeometry {
    int pipeCount = 1;
    long double radiusMm = 0;
    long double lengthM = 0;
    long double depthM = 0;
};
CostedGeometry costedGeometryOf(const Project& project);

// The totals of the simulation run the costs refer to.
struct RunTotals {
    long double HeatingEnergyRun = 0;   // kWh
    long double CoolingEnergyRun = 0;   // kWh
    long double OperatingHoursRun = 0;  // h
};
RunTotals runTotalsOf(const SimulationResults& results);

// The payback time stands above this when the savings never cover the costs.
inline constexpr long double kPaybackHorizon = 100;
// The internal rate of return when none lies between -99 % and 200 %.
inline constexpr long double kNoInternalRate = -99;
// The break-even energy price when the run delivered no energy.
inline constexpr long double kNoEnergyPrice = -1;

struct EconomicsResults {
    long double Investition = 0;        // I, €
    long double Betriebskosten = 0;     // K, first-year fan electricity plus maintenance, €/a
    long double Kostenquote = 0;        // ρ = K / I, 1/a
    long double Energieeinsparung = 0;  // S, first-year value of the energy delivered, €/a
    long double Energiemenge = 0;       // Q, heating plus cooling energy, kWh/a
    long double InternerZinssatz = kNoInternalRate;  // %
    long double Amortisationszeit = kPaybackHorizon + 1;  // a
    long double KostenAnnuitaet = 0;    // €/a
    long double ErtragsAnnuitaet = 0;   // €/a
    long double Annuitaet = 0;          // €/a
    long double Energiepreis = kNoEnergyPrice;  // €/kWh

    // Indicators the inputs leave without a value (no lifetime, no investment): the
    // displays show their labels alone.
    bool annuityHasValue = false;
    bool energyPriceHasValue = false;

    bool paysBack() const { return Amortisationszeit < kPaybackHorizon; }
    bool hasInternalRate() const { return InternerZinssatz != kNoInternalRate; }
};

// Which closed or searched form the payback time and the break-even price take, chosen by
// exact comparison of 1+e, 1+i and 1+g.
enum class RateCase {
    General = 0,           // e ≠ i, g ≠ i
    EnergyAtInterest = 1,  // e = i, g ≠ i
    CostsAtInterest = 2,   // e ≠ i, g = i
    AllEqual = 3,          // e = i = g
};
RateCase rateCase(long double interest, long double inflation, long double energyInflation);

struct EconomicsOutcome {
    bool rateFound = false;          // an internal rate of return was found
    std::optional<Message> error;    // the ventilation file could not be read
};

inline constexpr Text kVentilationFileUnreadable{"Fehler beim Lesen der Datei.", "Error reading file!"};

// The investment in € for the geometry: pipes, trenches and the fixed investment. It needs
// no simulation, so the optimisation can price every combination it has recorded.
long double investmentFor(const Project& project, const CostedGeometry& geometry);

// KostenRechnung: costs the geometry with the project's cost inputs and the run's totals.
// The building file is read through `openHourlyFile` when its fan power or air flow
// drives the fan's electricity. Returns whether an internal rate of return was found.
EconomicsOutcome KostenRechnung(const Project& project, const CostedGeometry& geometry, const RunTotals& totals,
                                const HourlyFileOpener& openHourlyFile, EconomicsResults& results);

}  // namespace talp
