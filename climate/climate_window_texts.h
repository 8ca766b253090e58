#pragma once
// What the climate window writes at run time: the label of the climate file in use, the
// label of the peak day under the sine chart, and the peak month as the planner types it.

#include <optional>
#include <string>
#include <string_view>

#include "core/texts.h"
#include "files/coupling_record.h"

namespace talp {

namespace klima_text {
inline constexpr Text kKlimadatei{"Klimadatei:", "Climate file:"};
inline constexpr Text kSinusspitze{" Sinusspitze: ", " Peak: "};
inline constexpr Text kTag{". Tag ", ". day "};
}  // namespace klima_text

// LabelKlimadatei: "Klimadatei: " and the file's name without its folder, then the site of
// an imported weather file when it names one ("Klimadatei: kassel.met – Kassel, 51.3° N").
std::string climateFileLabel(const CouplingRecord& file, Language language, const std::string& location = {});

// LabelTag for the scroll bar at day `peakDay` of the year: " Sinusspitze: 201. Tag ".
std::string peakDayLabel(int peakDay, Language language);

// The month index 0..11 of a peak month typed into monat_sinusspitze: a month's name in
// either language, or its number "1" to "12" (which the field then replaces by the name).
// Nothing for any other text.
std::optional<int> peakMonthOfEntry(std::string_view text);

}  // namespace talp
