#include "evaluation/variant_figures.h"

#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "core/air_velocity.h"
#include "core/numeric.h"

namespace talp {

VariantFigures variantFigures(const Project& project, const SimulationResults& r, const EconomicsResults& economics,
                              const std::optional<CondensationEstimate>& condensation)
{
    VariantFigures f;
    f.OperatingHours = r.OperatingHours;
    f.HeatingEnergy = r.HeatingEnergy;
    f.CoolingEnergy = r.CoolingEnergy;
    f.MaxOutletTemp = r.MaxOutletTemp;
    f.MinOutletTemp = r.MinOutletTemp;
    f.MaxOutdoorTemp = r.MaxOutdoorTemp;
    f.MinOutdoorTemp = r.MinOutdoorTemp;
    f.HeatingEfficiency = r.HeatingEfficiency;
    f.CoolingEfficiency = r.CoolingEfficiency;
    f.economics = economics;
    f.airVelocity = airVelocityOf(project);
    f.condensation = condensation;

    f.outletTemp.assign(static_cast<std::size_t>(kHoursPerYear), std::numeric_limits<double>::quiet_NaN());
    int day = 1;
    for (int month = 0; month < 12; ++month)
        for (int d = 0; d < kMonthLengths[static_cast<std::size_t>(month)]; ++d, ++day)
            for (int h = 1; h <= kHoursPerDay; ++h) {
                const long double heat = r.HourlyHeatGain(day, h);
                if (heat > 0) f.monthlyHeating[static_cast<std::size_t>(month)] += heat;
                else f.monthlyCooling[static_cast<std::size_t>(month)] -= heat;
                // As the annual window draws it: the hours that exchanged heat.
                if (heat != 0)
                    f.outletTemp[static_cast<std::size_t>((day - 1) * kHoursPerDay + h - 1)] =
                        static_cast<double>(r.HourlyOutletTemp(day, h));
            }
    return f;
}

namespace {

using Value = std::optional<long double>;
using F = const VariantFigures&;
constexpr Better kHigher = Better::Higher, kLower = Better::Lower, kNone = Better::None;

// The economic indicators beyond the payback are shown only for an exchanger that pays back.
Value whenPaysBack(F f, Value v) { return f.economics.paysBack() ? v : std::nullopt; }
Value condensationValue(F f, long double CondensationEstimate::*amount)
{
    return f.condensation ? Value((*f.condensation).*amount) : std::nullopt;
}

const std::array kFigures{
    FigureSpec{"OperatingHours", {"Betriebsdauer", "Period of use"}, "h/a", 0, kNone, false, true,
               [](F f) -> Value { return f.OperatingHours; }, [](F f) -> Value { return f.OperatingHours; }, "–"},
    FigureSpec{"HeatingEnergy", {"Wärmeaufnahme", "Heat gain"}, "kWh", 1, kHigher, false, true,
               [](F f) -> Value { return f.HeatingEnergy; }, [](F f) -> Value { return f.HeatingEnergy; }, "–"},
    FigureSpec{"CoolingEnergy", {"Wärmeabgabe", "Heat loss"}, "kWh", 1, kHigher, false, true,
               [](F f) -> Value { return f.CoolingEnergy; }, [](F f) -> Value { return f.CoolingEnergy; }, "–"},
    // Summer air as cool and winter air as warm as the soil makes it.
    FigureSpec{"MaxOutletTemp", {"Max. Temp. nach EWT", "Max. outlet air temp. of EHX"}, "°C", 1, kLower, false, true,
               [](F f) -> Value { return f.MaxOutletTemp; },
               [](F f) -> Value { return f.MaxOutletTemp <= -100 ? std::nullopt : Value(f.MaxOutletTemp); }, "–"},
    FigureSpec{"MinOutletTemp", {"Min. Temp. nach EWT", "Min. outlet air temp. of EHX"}, "°C", 1, kHigher, false, true,
               [](F f) -> Value { return f.MinOutletTemp; },
               [](F f) -> Value { return f.MinOutletTemp >= 100 ? std::nullopt : Value(f.MinOutletTemp); }, "–"},
    FigureSpec{"MaxOutdoorTemp", {"Max. Temp. vor EWT", "Max. inlet air temp. of EHX"}, "°C", 1, kNone, false, true,
               [](F f) -> Value { return f.MaxOutdoorTemp; }, [](F f) -> Value { return f.MaxOutdoorTemp; }, "–"},
    FigureSpec{"MinOutdoorTemp", {"Min. Temp. vor EWT", "Min. inlet air temp. of EHX"}, "°C", 1, kNone, false, true,
               [](F f) -> Value { return f.MinOutdoorTemp; }, [](F f) -> Value { return f.MinOutdoorTemp; }, "–"},
    FigureSpec{"HeatingEfficiency", {"Effizienzfaktor Heizbetrieb", "Efficiency factor heating"}, "", 2, kHigher, false,
               true, [](F f) -> Value { return f.HeatingEfficiency; }, [](F f) -> Value { return f.HeatingEfficiency; }, "–"},
    FigureSpec{"CoolingEfficiency", {"Effizienzfaktor Kühlbetrieb", "Efficiency factor cooling"}, "", 2, kHigher, false,
               true, [](F f) -> Value { return f.CoolingEfficiency; }, [](F f) -> Value { return f.CoolingEfficiency; }, "–"},
    FigureSpec{"Investition", {"Investition", "Investment"}, "€", 2, kLower, false, true,
               [](F f) -> Value { return f.economics.Investition; }, [](F f) -> Value { return f.economics.Investition; },
               "–"},
    FigureSpec{"Betriebskosten", {"Betriebskosten", "Running costs"}, "€/a", 2, kLower, false, true,
               [](F f) -> Value { return f.economics.Betriebskosten; },
               [](F f) -> Value { return f.economics.Betriebskosten; }, "–"},
    FigureSpec{"Energieeinsparung", {"Energieeinsparung", "Yearly savings"}, "€/a", 2, kHigher, false, true,
               [](F f) -> Value { return f.economics.Energieeinsparung; },
               [](F f) -> Value { return f.economics.Energieeinsparung; }, "–"},
    FigureSpec{"InternerZinssatz", {"Interner Zinssatz", "Internal interest rate"}, "%", 1, kHigher, false, true,
               [](F f) -> Value { return f.economics.InternerZinssatz; },
               [](F f) -> Value {
                   return whenPaysBack(f, f.economics.hasInternalRate() ? Value(f.economics.InternerZinssatz) : std::nullopt);
               },
               "–"},
    FigureSpec{"Amortisationszeit", {"Amortisationszeit", "Payback time"}, "a", 1, kLower, false, true,
               [](F f) -> Value { return f.economics.Amortisationszeit; },
               [](F f) -> Value { return whenPaysBack(f, f.economics.Amortisationszeit); }, "> 100"},
    FigureSpec{"Annuitaet", {"Annuität", "Annuity"}, "€/a", 2, kHigher, false, true,
               [](F f) -> Value { return f.economics.annuityHasValue ? Value(f.economics.Annuitaet) : std::nullopt; },
               [](F f) -> Value {
                   return whenPaysBack(f, f.economics.annuityHasValue ? Value(f.economics.Annuitaet) : std::nullopt);
               },
               "–"},
    // The price of the energy the exchanger delivers over its lifetime: the lower, the better.
    FigureSpec{"Energiepreis", {"Energiepreis", "Energy costs"}, "€/kWh", 2, kLower, false, true,
               [](F f) -> Value { return f.economics.energyPriceHasValue ? Value(f.economics.Energiepreis) : std::nullopt; },
               [](F f) -> Value {
                   return whenPaysBack(f, f.economics.energyPriceHasValue ? Value(f.economics.Energiepreis) : std::nullopt);
               },
               "–"},
    // Slow air is quiet and costs little fan power.
    FigureSpec{"AirVelocity", {"Luftgeschwindigkeit in den Rohren", "Air velocity in the pipes"}, "m/s", 2, kLower, false,
               false, [](F f) -> Value { return f.airVelocity; }, [](F f) -> Value { return f.airVelocity; }, "–"},
    // Standing water in the pipes wants draining and cleaning.
    FigureSpec{"CondensationHours", {"Stunden mit Kondensat", "Hours with condensate"}, "h/a", 0, kLower, true, true,
               [](F f) -> Value { return f.condensation ? Value(f.condensation->hours) : std::nullopt; },
               [](F f) -> Value { return f.condensation ? Value(f.condensation->hours) : std::nullopt; }, "–"},
    FigureSpec{"CondensateKg", {"Kondensat", "Condensate"}, "kg/a", 1, kLower, false, true,
               [](F f) { return condensationValue(f, &CondensationEstimate::kilograms); },
               [](F f) { return condensationValue(f, &CondensationEstimate::kilograms); }, "–"},
    FigureSpec{"CondensateMaxKgPerHour", {"Kondensat höchstens", "Condensate at most"}, "kg/h", 2, kLower, false, true,
               [](F f) { return condensationValue(f, &CondensationEstimate::maxKilogramsPerHour); },
               [](F f) { return condensationValue(f, &CondensationEstimate::maxKilogramsPerHour); }, "–"},
};

}  // namespace

std::span<const FigureSpec> figureTable() { return kFigures; }

const FigureSpec& figure(std::string_view key)
{
    for (const FigureSpec& entry : kFigures)
        if (entry.key == key) return entry;
    throw std::out_of_range("no figure " + std::string(key));
}

std::string figureHeading(const FigureSpec& entry, Language language)
{
    std::string heading(entry.caption.in(language));
    if (!entry.unit.empty()) heading += " in " + std::string(entry.unit);
    return heading;
}

std::string shownFigure(const FigureSpec& entry, const VariantFigures& figures)
{
    const std::optional<long double> value = entry.shown(figures);
    return value ? formatFixed(*value, entry.decimals) : std::string(entry.absent);
}

}  // namespace talp
