#include "shell/help_contexts.h"

namespace talp {

namespace {

struct ControlHelp {
    std::string_view form;
    std::string_view control;
    int context;
};

constexpr ControlHelp kControlHelp[] = {
    {"ewtmenue", "rohranzahl", 701},
    {"ewtmenue", "rohrlnge", 702},
    {"ewtmenue", "rohrdurchmesser", 703},
    {"ewtmenue", "AbstandzwRohren", 704},
    {"ewtmenue", "verlegungstiefe", 705},
    {"ewtmenue", "AbsGebaeude", 706},
    {"ewtmenue", "VentilatorVor", 707},
    {"ewtmenue", "VentilatorNach", 707},
    {"erdemenue", "erdreich", 801},
    {"erdemenue", "dichte", 802},
    {"erdemenue", "wrmekapazitt", 803},
    {"erdemenue", "wrmeleitfhigkeit", 804},
    {"erdemenue", "Grundwassertiefe", 805},
    {"klimamenue", "klima_region", 902},
    {"klimamenue", "klima_sin", 903},
    {"klimamenue", "klima_sim", 904},
    {"klimamenue", "max_monatsmittel", 905},
    {"klimamenue", "jahresmittel", 906},
    {"klimamenue", "min_monatsmittel", 907},
    {"klimamenue", "monat_sinusspitze", 908},
    {"klimamenue", "tag_sinusspitze", 909},
    {"klimamenue", "klimaregion", 910},
    {"klimamenue", "plz", 911},
    {"hlkmenue", "hlk_quasistat", 1002},
    {"hlkmenue", "hlk_sim", 1003},
    {"hlkmenue", "geb_vol", 1004},
    {"hlkmenue", "luftwechsel", 1005},
    {"hlkmenue", "luftstrom", 1006},
    {"hlkmenue", "EWT_Reg_offset", 1008},
    {"hlkmenue", "solltemp", 1009},
    {"hlkmenue", "kuehlgrenztemp", 1010},
    {"hlkmenue", "heizgrenztemp", 1011},
    {"hlkmenue", "EWT_offset", 1012},
    {"hlkmenue", "EWT_Reg_Zeitraum", 1013},
    {"hlkmenue", "druckabfallPa_fest", 1015},
    {"hlkmenue", "wirkungsgrad", 1018},
    {"kostenmenue", "rohrpreis", 1102},
    {"kostenmenue", "grabungspreis", 1103},
    {"kostenmenue", "fest_inv", 1104},
    {"kostenmenue", "wartungskosten_pz", 1105},
    {"kostenmenue", "wartungskosten_dm", 1105},
    {"kostenmenue", "lebensdauer", 1106},
    {"kostenmenue", "heizpreis", 1108},
    {"kostenmenue", "khlpreis", 1109},
    {"kostenmenue", "strompreis", 1110},
    {"kostenmenue", "zinssatz", 1112},
    {"kostenmenue", "inflation", 1113},
    {"kostenmenue", "einflation", 1114},
    {"jahreswmenue", "temperatur", 1204},
    {"jahreswmenue", "jahreswrmeaustausch", 1205},
    {"tageswmenue", "monat", 1301},
    {"tageswmenue", "tag", 1302},
    {"tageswmenue", "stunde", 1304},
    {"tageswmenue", "temperaturen", 1307},
    {"tageswmenue", "wrmefluss", 1308},
    {"variantenmenue", "BtnMerken", 1501},
    {"variantenmenue", "VariantenName", 1501},
    {"variantenmenue", "VariantenTabelle", 1502},
    {"variantenmenue", "MonatsDiagramm", 1503},
    {"variantenmenue", "TemperaturDiagramm", 1503},
    {"variantenmenue", "BtnStudie", 1504},
    // Dialogs with a "Hilfe" button of their own.
    {"PLZSucheDlg", "Hilfe", 911},
    {"FKalender", "Hilfe", 1013},
    {"optdetailsdlg", "Hilfe", 1402},
    {"parameterstudiedlg", "Hilfe", 1504},
    // Dialogs whose topic depends on where they were opened are answered by their callers:
    // Details (705 or 706) and DlgSimulation (904 or 1003).
};

}  // namespace

std::optional<int> controlHelpContext(std::string_view formName, std::string_view controlName)
{
    for (const ControlHelp& entry : kControlHelp)
        if (entry.form == formName && entry.control == controlName) return entry.context;
    return std::nullopt;
}

}  // namespace talp
