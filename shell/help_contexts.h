#pragma once
// Help topics by context number: the window itself has the number ending in 00, its main
// inputs the numbers above it. F1 on a control opens the control's topic, elsewhere on
// the window the window's topic.

#include <optional>
#include <string_view>

namespace talp {

inline constexpr int kHelpContents = 100;  // "?" > "Inhalt"
// Topics of the climate file's weather import and of the annual evaluation's condensation
// estimate, for the controls that show them.
inline constexpr int kHelpWeatherImport = 912;
inline constexpr int kHelpCondensation = 1206;

// The topic of a control (component name) on a window (component name, e.g.
// "ewtmenue"); nothing when the control has no topic of its own.
std::optional<int> controlHelpContext(std::string_view formName, std::string_view controlName);

}  // namespace talp
