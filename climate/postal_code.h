#pragma once
// The climate region of a German postal code, from the installation's table
// "sys/plz.txt": line k belongs to the three-digit prefix k (1..999) and holds four
// arbitrary characters, then the region number.

#include <filesystem>
#include <istream>
#include <optional>
#include <string_view>

#include "core/texts.h"

namespace talp {

inline constexpr std::string_view kPostalCodeFile = "sys/plz.txt";
// Shown for every code that finds no region (the dialog stays open).
inline constexpr Text kInvalidPostalCode{"Keine gültige Postleitzahl", "Keine gültige Postleitzahl"};
inline constexpr Text kPostalCodeErrorTitle{"Fehler", "Fehler"};
// The code the dialog offers first: Kassel, in the start region 4.
inline constexpr std::string_view kDefaultPostalCode = "34117";

// A code is five digits; only the first three choose the line of the table.
bool isPostalCodeForm(std::string_view code);
// The region 1..12 of a code; nothing for a malformed code, prefix 000, a prefix the
// table leaves without a region, and a table that cannot be read.
std::optional<int> regionOfPostalCode(std::string_view code, std::istream& table);
std::optional<int> regionOfPostalCode(std::string_view code, const std::filesystem::path& tableFile);

}  // namespace talp
