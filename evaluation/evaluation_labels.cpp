#include "evaluation/evaluation_labels.h"

#include "core/numeric.h"

namespace talp {

namespace {

std::string label(Text prefix, Language language, long double value, int decimals, std::string_view suffix)
{
    return std::string(prefix.in(language)) + formatFixed(value, decimals) + std::string(suffix);
}

}  // namespace

AnnualLabels annualLabels(const SimulationResults& r, const EconomicsResults& e, Language language)
{
    AnnualLabels l;
    const auto shown = [language](Text prefix, long double value, int decimals, std::string_view suffix) {
        return label(prefix, language, value, decimals, suffix);
    };
    l.LabelWAufnahme = shown({"Wärmeaufnahme: ", "Heat gain: "}, r.HeatingEnergy, 1, " kWh");
    l.LabelWAbgabe = shown({"Wärmeabgabe: ", "Heat loss: "}, r.CoolingEnergy, 1, " kWh");
    // A year without operation leaves the outlet extremes at their start values.
    const Text maxOutlet{"Max. Temp. nach EWT: ", "Max. outlet air temp. of EHX: "};
    const Text minOutlet{"Min. Temp. nach EWT: ", "Min. outlet air temp. of EHX: "};
    l.LabelMaxEWTTemp = r.MaxOutletTemp <= -100 ? std::string(maxOutlet.in(language)) : shown(maxOutlet, r.MaxOutletTemp, 1, " °C");
    l.LabelMinEWTTemp = r.MinOutletTemp >= 100 ? std::string(minOutlet.in(language)) : shown(minOutlet, r.MinOutletTemp, 1, " °C");
    l.LabelMaxEWTTempvor = shown({"Max. Temp. vor EWT: ", "Max. inlet air temp. of EHX: "}, r.MaxOutdoorTemp, 1, " °C");
    l.LabelMinEWTTempvor = shown({"Min. Temp. vor EWT: ", "Min. inlet air temp. of EHX: "}, r.MinOutdoorTemp, 1, " °C");
    l.LabelEffizienzHeizen = shown({"Effizienzfaktor Heizbetrieb: ", "Efficiency factor heating: "}, r.HeatingEfficiency, 2, "");
    l.LabelEffizienzKuehlen = shown({"Effizienzfaktor Kühlbetrieb: ", "Efficiency factor cooling: "}, r.CoolingEfficiency, 2, "");
    l.LabelBetriebsdauer = shown({"Betriebsdauer: ", "Period of use: "}, r.OperatingHours, 0, " h/a");

    const Text payback{"Amortisationszeit: ", "Payback time: "};
    const Text rate{"Interner Zinssatz: ", "Internal interest rate: "};
    const Text annuity{"Annuität: ", "Annuity: "};
    const Text price{"Energiepreis: ", "Energy costs: "};
    const auto prefix = [language](Text text) { return std::string(text.in(language)); };
    if (!e.paysBack()) {
        l.LabelAmortZeit = prefix(payback) + " > 100 a";
        l.LabelIntZins = prefix(rate);
        l.LabelAnnu = prefix(annuity);
        l.LabelEWTEPreis = prefix(price);
        return l;
    }
    l.LabelAmortZeit = shown(payback, e.Amortisationszeit, 1, " a");
    l.LabelIntZins = e.hasInternalRate() ? shown(rate, e.InternerZinssatz, 1, " %") : prefix(rate) + " -";
    // Indicators the inputs leave without a value (no lifetime, no investment) show the label alone.
    l.LabelAnnu = e.annuityHasValue ? shown(annuity, e.Annuitaet, 2, " € / a") : prefix(annuity);
    l.LabelEWTEPreis = e.energyPriceHasValue ? shown(price, e.Energiepreis, 2, " € / kWh") : prefix(price);
    return l;
}

std::string lifetimeLabel(long double lebensdauer, Language language)
{
    return std::string(Text{"Lebensdauer: ", "Time of operation: "}.in(language)) +
           std::to_string(static_cast<long long>(lebensdauer)) + " a";
}

namespace {

DailyLabels hourLabels(const SimulationResults& r, int hour, bool fanBefore, Language language, Text flux, Text before,
                       Text after)
{
    const std::size_t h = static_cast<std::size_t>(hour - 1);
    DailyLabels l;
    l.LabelBetrieb = std::string(r.DayHeatGain[h] != 0 ? Text{"Betrieb: an", "Operation: on"}.in(language)
                                                        : Text{"Betrieb: aus", "Operation: off"}.in(language));
    l.LabelVentOrt = std::string(fanBefore ? Text{"Ventilator: vor EWT", "Ventilator: before EHX"}.in(language)
                                           : Text{"Ventilator: nach EWT", "Ventilator: after EHX"}.in(language));
    l.Labelwrmefluss = label(flux, language, r.DayHeatGain[h], 1, " kW");
    l.LabelTvor = label(before, language, r.DayOutdoorTemp[h], 1, " °C");
    l.LabelTnach = label(after, language, r.DayAirTemp(hour, kSegments), 1, " °C");
    return l;
}

constexpr Text kFlux{"Wärmefluß: ", "Heat flux: "};

}  // namespace

DailyLabels dailyLabels(const SimulationResults& r, int hour, bool fanBefore, Language language)
{
    return hourLabels(r, hour, fanBefore, language, kFlux,
                      {"Temperatur vor EWT: ", "EHX inlet air temperature: "},
                      {"Temperatur nach EWT: ", "EHX outlet air temperature: "});
}

DailyLabels dailyHourLabels(const SimulationResults& r, int hour, bool fanBefore, Language language)
{
    return hourLabels(r, hour, fanBefore, language, kFlux, {"Temp. vor EWT: ", "EHX inlet air temperature: "},
                      {"Temp. nach EWT: ", "EHX outlet air temperature: "});
}

}  // namespace talp
