#pragma once
// Soil and basement: the soil-type presets and the texts of the soil window.

#include <span>
#include <string>
#include <string_view>

#include "core/project.h"

namespace talp {

struct SoilPreset {
    Text name;
    long double density;       // kg/m³
    long double heatCapacity;  // kJ/(kg K)
    long double conductivity;  // W/(m K)
};

// The nine soil types in the order of the list (index 3, "lehmig feucht", is the start).
std::span<const SoilPreset> soilPresets();
inline constexpr int kDefaultSoilPreset = 3;
inline constexpr Text kUserDefinedSoil{"benutzerdefiniert", "user-defined"};

// Choosing a soil type: its three values and its name.
void applySoilPreset(Project& project, int presetIndex, Language language);
// A value the user typed replaces the soil-type text.
void markSoilUserDefined(Project& project, Language language);
// The soil type as the soil window and the report show it: the name of a preset or of
// "user-defined" in the given language, whichever language stored it in the project; a
// name the user typed as typed.
std::string soilTypeName(std::string_view stored, Language language);

enum class SoilValue { Density, HeatCapacity, Conductivity };
// The label beside a soil value's scroll bar, e.g. " Dichte: 1800.0 kg/m³ ".
std::string soilValueLabel(SoilValue which, long double value, Language language);
// The groundwater label, e.g. " 20.0 m tief ".
std::string groundwaterLabel(long double depth, Language language);

}  // namespace talp
