#include "core/parameters.h"

#include <array>
#include <cmath>

namespace talp {

namespace {

using K = ParamKind;
using W = InputWindow;

constexpr std::array<ParamSpec, kParamCount> kTable{{
    // Pipe system
    {Param::rohranzahl, "rohranzahl", K::Integer, W::Pipe, 2, 1, 10, 1, {"Rohranzahl", "Number of pipes"}, "pipes"},
    {Param::rohrlnge, "rohrlnge", K::Real, W::Pipe, 50.0L, 1.0L, 200.0L, 0.1L, {"Rohrlänge in m", "Pipe length in m"}, "m"},
    {Param::rohrdurchmesser, "rohrdurchmesser", K::Real, W::Pipe, 500, 20, 2000, 1, {"Rohrdurchmesser in mm", "Pipe diameter in mm"}, "mm"},
    {Param::verlegungstiefe, "verlegungstiefe", K::Real, W::Pipe, 2.0L, 0.5L, 10.0L, 0.1L, {"Verlegungstiefe in m", "Depth of pipes in m"}, "m"},
    {Param::AbstandzwRohren, "AbstandzwRohren", K::Real, W::Pipe, 2.5L, 0.5L, 10.0L, 0.1L, {"Abstand zw. Rohren in m", "Distance between pipes in m"}, "m"},
    {Param::AbsGebaeude, "AbsGebaeude", K::Real, W::Pipe, 5.0L, 0.1L, 100.0L, 0.1L, {"Abstand Gebäude in m", "Distance from building in m"}, "m"},
    {Param::VentilatorVor, "VentilatorVor", K::Option, W::Pipe, 1, 0, 1, 1, {"vor", "Fan before EHX"}, ""},
    // Soil
    {Param::dichte, "dichte", K::Real, W::Soil, 1800, 500, 3000, 1, {"Dichte in kg/m³", "Density in kg/m³"}, "kg/m³"},
    {Param::wrmekapazitt, "wrmekapazitt", K::Real, W::Soil, 1.0L, 0.5L, 3.0L, 0.01L, {" Wärmekapaz. in kJ/(kg K)", " Heat capacity in kJ/(kg K)"}, "kJ/(kg K)"},
    {Param::wrmeleitfhigkeit, "wrmeleitfhigkeit", K::Real, W::Soil, 1.0L, 0.1L, 5.0L, 0.01L, {" Wärmeleitf. in W/(m K)", " Thermal cond. in W/(m K)"}, "W/(m K)"},
    {Param::Grundwassertiefe, "Grundwassertiefe", K::Real, W::Soil, 20.0L, 0.1L, 100.0L, 0.1L, {"Grundwassertiefe in m", "Ground water level in m"}, "m"},
    // Basement
    {Param::kellerinnentemp, "kellerinnentemp", K::Real, W::Details, 20, 0, 50, 1, {"Kellerinnentemperatur in °C", "Indoor temp. of cellar in °C"}, "°C"},
    {Param::kellerkwert, "kellerkwert", K::Real, W::Details, 0.8L, 0.1L, 10.0L, 0.1L, {"k-Wert der Kellerwand in W/m²K", "U-value of cellar wall in W/m²K"}, "W/(m² K)"},
    // Climate
    {Param::klimaregion, "klimaregion", K::Choice, W::Climate, -1, -1, 11, 1, {"Name der Klimaregion (Deutschland)", "Name of climatic region (Germany)"}, ""},
    {Param::AuswKlimastation, "AuswKlimastation", K::Choice, W::Climate, -1, -1, 255, 1, {"Name der Klimastation (Europa)", "Name of climatic station (Europe)"}, ""},
    {Param::jahresmittel, "jahresmittel", K::Real, W::Climate, 0, -50, 50, 0.1L, {"Jahresmitteltemp. in °C", "Yearly mean temp. in °C"}, "°C"},
    {Param::max_monatsmittel, "max_monatsmittel", K::Real, W::Climate, 18.0L, -100, 100, 0.1L, {"Max. Monatsmittel in °C", "Max. monthly value in °C"}, "°C"},
    {Param::min_monatsmittel, "min_monatsmittel", K::Real, W::Climate, 0, -200, 200, 0.1L, {"Min. Monatsmittel in °C", "Min. monthly value in °C"}, "°C"},
    {Param::tag_sinusspitze, "tag_sinusspitze", K::Integer, W::Climate, 1, 1, 32, 1, {"Tag mit Sinusspitze", "Day with maximum"}, "day"},
    {Param::monat_sinusspitze, "monat_sinusspitze", K::Choice, W::Climate, 6, 0, 11, 1, {"Monat mit Sinusspitze", "Month with maximum"}, ""},
    // Heating, ventilation, air-conditioning
    {Param::geb_vol, "geb_vol", K::Real, W::Hvac, 1000, 1, 100000, 1, {"Gebäudevolumen in m³", "Building volume in m³"}, "m³"},
    {Param::luftwechsel, "luftwechsel", K::Real, W::Hvac, 1.0L, 0, 20, 0.1L, {"künstl. Luftwechsel in 1/h", "Air change rate in 1/h"}, "1/h"},
    {Param::luftstrom, "luftstrom", K::Real, W::Hvac, 1000, 0, 2000000, 1, {"Ventilationsstrom in m³/h", "Ventilation flow in m³/h"}, "m³/h"},
    {Param::druckabfallPa_fest, "druckabfallPa_fest", K::Real, W::Hvac, 1.0L, 0, 100000, 0.1L, {"Fester Druckabfall in Pa", "Constant pressure drop in Pa"}, "Pa"},
    {Param::wirkungsgrad, "wirkungsgrad", K::Real, W::Hvac, 1.0L, 0.1L, 1.0L, 0.1L, {"Vent.-Wirkungsgrad", "Fan efficiency"}, ""},
    {Param::solltemp, "solltemp", K::Real, W::Hvac, 20.0L, 0, 50, 0.1L, {"Solltemperatur in °C", "Set point temperature in °C"}, "°C"},
    {Param::heizgrenztemp, "heizgrenztemp", K::Real, W::Hvac, 18.0L, 0, 50, 0.1L, {"Heizgrenztemp. in °C", "Boundary value for heating in °C"}, "°C"},
    {Param::kuehlgrenztemp, "kuehlgrenztemp", K::Real, W::Hvac, 25.0L, 0, 50, 0.1L, {"Kühlgrenztemp. in °C", "Boundary value for cooling in °C"}, "°C"},
    {Param::EWT_offset, "EWT_offset", K::Real, W::Hvac, 0, 0, 50, 0.1L, {"EWT-Temp.offset* in K", "EH-X temperature offset in K"}, "K"},
    {Param::EWT_Reg_offset, "EWT_Reg_offset", K::Option, W::Hvac, 1, 0, 1, 1, {"Temperaturbereich", "Temperature range"}, ""},
    // Costs
    {Param::rohrpreis, "rohrpreis", K::Real, W::Costs, 5.0L, 0, 1000, 0.1L, {"Rohrpreis in €/ m", "Costs for pipes in €/ m"}, "€/m"},
    {Param::grabungspreis, "grabungspreis", K::Integer, W::Costs, 70, 0, 200, 1, {"Grabungskosten in €/ m³", "Costs for groundwork in €/ m³"}, "€/m³"},
    {Param::fest_inv, "fest_inv", K::Integer, W::Costs, 1000, 0, 1000000, 1, {"Feste Investitionen in €", "Fixed investments in €"}, "€"},
    {Param::wartungskosten_pz, "wartungskosten_pz", K::Real, W::Costs, 2.0L, 0, 100, 0.1L, {"Wartungskosten in %", "Costs for maintenance in %"}, "%"},
    {Param::wartungskosten_dm, "wartungskosten_dm", K::Real, W::Costs, 20.0L, 0, 100000, 0.1L, {"Wartungskosten in €/ a", "Costs for maintenance in €/ a"}, "€/a"},
    {Param::lebensdauer, "lebensdauer", K::Integer, W::Costs, 25, 0, 10000, 1, {"Lebensdauer in Jahren", "Period of utilization"}, "a"},
    {Param::heizpreis, "heizpreis", K::Integer, W::Costs, 8, 0, 10000, 1, {"Heizpreis in ¢/ kWh", "Costs for heating in ¢/ kWh"}, "ct/kWh"},
    {Param::khlpreis, "khlpreis", K::Integer, W::Costs, 8, 0, 10000, 1, {"Kältepreis in ¢/ kWh", "Costs for cooling in ¢/ kWh"}, "ct/kWh"},
    {Param::strompreis, "strompreis", K::Integer, W::Costs, 8, 0, 100000, 1, {"Strompreis in ¢/ kWh", "Costs for electricity in ¢/ kWh"}, "ct/kWh"},
    {Param::zinssatz, "zinssatz", K::Real, W::Costs, 8.0L, 0, 100, 0.1L, {"Zinssatz in %", "Interest rate in %"}, "%"},
    {Param::inflation, "inflation", K::Real, W::Costs, 3.0L, 0, 100, 0.1L, {"Allgemeine Inflation in %", "Inflation rate (general) in %"}, "%"},
    {Param::einflation, "einflation", K::Real, W::Costs, 5.0L, 0, 100, 0.1L, {"Energiepreisinflation in %", "Inflation rate (energy) in %"}, "%"},
}};

constexpr bool tableIsInEnumOrder()
{
    for (std::size_t i = 0; i < kTable.size(); ++i)
        if (static_cast<std::size_t>(kTable[i].id) != i) return false;
    return true;
}
static_assert(tableIsInEnumOrder(), "parameter table must follow the order of Param");

}  // namespace

std::span<const ParamSpec> parameterTable() { return kTable; }

const ParamSpec& paramSpec(Param id) { return kTable[static_cast<std::size_t>(id)]; }

std::optional<ParamLookup> findParam(std::string_view controlName)
{
    if (controlName == "VentilatorNach") return ParamLookup{Param::VentilatorVor, true};
    if (controlName == "EWT_Reg_Zeitraum") return ParamLookup{Param::EWT_Reg_offset, true};
    for (const ParamSpec& s : kTable)
        if (s.name == controlName) return ParamLookup{s.id, false};
    return std::nullopt;
}

long double correctedValue(const ParamSpec& s, long double requested)
{
    long double value = requested;
    if (std::isnan(value)) value = s.defaultValue;
    if (s.kind != ParamKind::Real) value = std::nearbyint(value);
    if (value < s.minValue) value = s.minValue;
    if (value > s.maxValue) value = s.maxValue;
    return value;
}

}  // namespace talp
