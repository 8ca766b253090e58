#pragma once
// The project's numeric inputs: every control of the input windows that holds a number,
// named by its control name, with its kind, default, bounds and step. One table drives the
// model, the file record, the command line and the windows. The three text inputs (soil
// type, climate model key, HVAC mode) are fields of the project itself.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "core/texts.h"

namespace talp {

enum class ParamKind {
    Real,     // edit field with up/down stepping
    Integer,  // the same for whole numbers
    Choice,   // drop-down list; the value is the item index
    Option,   // pair of radio buttons; 1 = the named button is checked
};

enum class InputWindow { Pipe, Soil, Details, Climate, Hvac, Costs };

enum class Param : std::size_t {
    // pipe system (ewtmenue)
    rohranzahl, rohrlnge, rohrdurchmesser, verlegungstiefe, AbstandzwRohren, AbsGebaeude,
    VentilatorVor,
    // soil (erdemenue)
    dichte, wrmekapazitt, wrmeleitfhigkeit, Grundwassertiefe,
    // basement (Details)
    kellerinnentemp, kellerkwert,
    // climate (klimamenue)
    klimaregion, AuswKlimastation, jahresmittel, max_monatsmittel, min_monatsmittel,
    tag_sinusspitze, monat_sinusspitze,
    // heating, ventilation, air-conditioning (hlkmenue)
    geb_vol, luftwechsel, luftstrom, druckabfallPa_fest, wirkungsgrad, solltemp,
    heizgrenztemp, kuehlgrenztemp, EWT_offset, EWT_Reg_offset,
    // costs (kostenmenue)
    rohrpreis, grabungspreis, fest_inv, wartungskosten_pz, wartungskosten_dm, lebensdauer,
    heizpreis, khlpreis, strompreis, zinssatz, inflation, einflation,
    Count
};

inline constexpr std::size_t kParamCount = static_cast<std::size_t>(Param::Count);

struct ParamSpec {
    Param id;
    std::string_view name;  // control name
    ParamKind kind;
    InputWindow window;
    long double defaultValue;
    long double minValue;
    long double maxValue;
    long double step;
    Text caption;
    std::string_view unit;
};

std::span<const ParamSpec> parameterTable();
const ParamSpec& paramSpec(Param id);

// Looks a parameter up by its control name. The second control of an option pair
// ("VentilatorNach", "EWT_Reg_Zeitraum") is found too; `negated` then tells that its
// value is the opposite of the stored one.
struct ParamLookup {
    Param id;
    bool negated;
};
std::optional<ParamLookup> findParam(std::string_view controlName);

// The value the model stores for a requested one: whole numbers rounded for integer,
// choice and option kinds, then corrected to the nearest bound.
long double correctedValue(const ParamSpec& entry, long double requested);

}  // namespace talp
