#include "shell/menu_items.h"

#include <array>

#include "shell/lang_haupt.h"

namespace talp {

namespace {

using M = MenuItem;
constexpr bool kSub = true, kItem = false, kSep = true, kNoSep = false;

constexpr std::array<MenuItemSpec, kMenuItemCount> kMenu{{
    {M::Datei1, "Datei1", std::nullopt, kSub, kNoSep, ""},
    {M::Neu1, "Neu1", M::Datei1, kItem, kNoSep, "Ctrl+N"},
    {M::ffnen1, "ffnen1", M::Datei1, kItem, kNoSep, "Ctrl+O"},
    {M::Speichern1, "Speichern1", M::Datei1, kItem, kNoSep, "Ctrl+S"},
    {M::Speichernunter1, "Speichernunter1", M::Datei1, kItem, kNoSep, ""},
    {M::Drucken1, "Drucken1", M::Datei1, kSub, kSep, ""},
    {M::AktivesFormular1, "AktivesFormular1", M::Drucken1, kItem, kNoSep, ""},
    {M::GesamtesProjekt1, "GesamtesProjekt1", M::Drucken1, kItem, kNoSep, "Ctrl+P"},
    {M::Beenden1, "Beenden1", M::Datei1, kItem, kSep, ""},

    {M::Bearbeiten1, "Bearbeiten1", std::nullopt, kSub, kNoSep, ""},
    {M::Voreinstellungen1, "Voreinstellungen1", M::Bearbeiten1, kSub, kNoSep, ""},
    {M::Speichern2, "Speichern2", M::Voreinstellungen1, kItem, kNoSep, ""},
    {M::TALPSicherung1, "TALPSicherung1", M::Voreinstellungen1, kItem, kNoSep, ""},

    {M::Ansicht1, "Ansicht1", std::nullopt, kSub, kNoSep, ""},
    {M::Erdwrmeaustauscher1, "Erdwrmeaustauscher1", M::Ansicht1, kItem, kNoSep, ""},
    {M::Erdreich1, "Erdreich1", M::Ansicht1, kItem, kNoSep, ""},
    {M::Klimawerte1, "Klimawerte1", M::Ansicht1, kItem, kNoSep, ""},
    {M::HeizungLftungKlimatisierung1, "HeizungLftungKlimatisierung1", M::Ansicht1, kItem, kNoSep, ""},
    {M::Wirtschaftlichkeit1, "Wirtschaftlichkeit1", M::Ansicht1, kItem, kNoSep, ""},
    {M::Jahresauswertung1, "Jahresauswertung1", M::Ansicht1, kItem, kSep, ""},
    {M::Tagesauswertung1, "Tagesauswertung1", M::Ansicht1, kItem, kNoSep, ""},
    {M::OptimierteErgebnisse1, "OptimierteErgebnisse1", M::Ansicht1, kItem, kSep, ""},

    {M::Fenster1, "Fenster1", std::nullopt, kSub, kNoSep, ""},
    {M::Erdwrmeaustauscher2, "Erdwrmeaustauscher2", M::Fenster1, kItem, kNoSep, ""},
    {M::Erdreich2, "Erdreich2", M::Fenster1, kItem, kNoSep, ""},
    {M::Klimawerte2, "Klimawerte2", M::Fenster1, kItem, kNoSep, ""},
    {M::HeizungLftungKlimatisierung2, "HeizungLftungKlimatisierung2", M::Fenster1, kItem, kNoSep, ""},
    {M::Wirtschaftlichkeit2, "Wirtschaftlichkeit2", M::Fenster1, kItem, kNoSep, ""},
    {M::Jahresauswertung2, "Jahresauswertung2", M::Fenster1, kItem, kNoSep, ""},
    {M::Tagesauswertung2, "Tagesauswertung2", M::Fenster1, kItem, kNoSep, ""},
    {M::OptimierteErgebnisse2, "OptimierteErgebnisse2", M::Fenster1, kItem, kNoSep, ""},
    {M::Kaskade1, "Kaskade1", M::Fenster1, kItem, kSep, ""},

    {M::Hilfe1, "Hilfe1", std::nullopt, kSub, kNoSep, ""},
    {M::Info1, "Info1", M::Hilfe1, kItem, kNoSep, ""},
    {M::Sprachewhlen1, "Sprachewhlen1", M::Hilfe1, kItem, kNoSep, ""},
    {M::Info2, "Info2", M::Hilfe1, kItem, kSep, ""},

    {M::Variantenvergleich1, "Variantenvergleich1", M::Ansicht1, kItem, kSep, ""},
    {M::Variantenvergleich2, "Variantenvergleich2", M::Fenster1, kItem, kSep, ""},
}};

constexpr bool tableIsInEnumOrder()
{
    for (std::size_t i = 0; i < kMenu.size(); ++i)
        if (static_cast<std::size_t>(kMenu[i].id) != i) return false;
    return true;
}
static_assert(tableIsInEnumOrder(), "menu table must follow the order of MenuItem");
static_assert(haupt::kFirstMenuCaption + kMenuItemCount == kLangHauptSize, "menu captions end the main table");

}  // namespace

std::span<const MenuItemSpec> menuTable() { return kMenu; }

const MenuItemSpec& menuItem(MenuItem id) { return kMenu[static_cast<std::size_t>(id)]; }

Text menuCaption(MenuItem id) { return TLang_Haupt.row(haupt::kFirstMenuCaption + static_cast<std::size_t>(id)); }

}  // namespace talp
