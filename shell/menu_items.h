#pragma once
// The main window's menu bar as data: every item under its component name, where it
// hangs, its shortcut and the separators. Captions come from TLang_Haupt (index 112 + the
// item's position). The five recent-file items R1..R5 follow "Beenden" and carry file
// names instead of captions.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "core/texts.h"

namespace talp {

enum class MenuItem : std::size_t {
    Datei1, Neu1, ffnen1, Speichern1, Speichernunter1, Drucken1, AktivesFormular1, GesamtesProjekt1, Beenden1,
    Bearbeiten1, Voreinstellungen1, Speichern2, TALPSicherung1,
    Ansicht1, Erdwrmeaustauscher1, Erdreich1, Klimawerte1, HeizungLftungKlimatisierung1, Wirtschaftlichkeit1,
    Jahresauswertung1, Tagesauswertung1, OptimierteErgebnisse1,
    Fenster1, Erdwrmeaustauscher2, Erdreich2, Klimawerte2, HeizungLftungKlimatisierung2, Wirtschaftlichkeit2,
    Jahresauswertung2, Tagesauswertung2, OptimierteErgebnisse2, Kaskade1,
    Hilfe1, Info1, Sprachewhlen1, Info2,
    // Later windows: their captions follow the earlier ones in the language table, and
    // their items the earlier ones of their menus.
    Variantenvergleich1, Variantenvergleich2,
    Count
};

inline constexpr std::size_t kMenuItemCount = static_cast<std::size_t>(MenuItem::Count);
inline constexpr int kRecentFileCount = 5;

struct MenuItemSpec {
    MenuItem id;
    std::string_view name;           // component name, the objectName of the action or menu
    std::optional<MenuItem> parent;  // none for the menus of the bar
    bool submenu;
    bool separatorBefore;
    std::string_view shortcut;       // portable key sequence text, e.g. "Ctrl+N"
};

// The items in menu order (a parent always comes before its children).
std::span<const MenuItemSpec> menuTable();
const MenuItemSpec& menuItem(MenuItem id);
Text menuCaption(MenuItem id);

}  // namespace talp
