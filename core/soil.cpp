#include "core/soil.h"

#include <array>

#include "core/numeric.h"

namespace talp {

namespace {
constexpr std::array<SoilPreset, 9> kPresets{{
    {{"grobkiesig", "coarse gravel"}, 2000, 1.84L, 0.52L},
    {{"kalkhaltige Erde", "calcareous soil"}, 1670, 2.23L, 0.714L},
    {{"Lehmboden", "loam soil"}, 1650, 2.85L, 2.3L},
    {{"lehmig feucht", "moist loamy soil"}, 1800, 1.34L, 1.49L},
    {{"Sand", "sand"}, 1780, 1.39L, 0.93L},
    {{"Sand trocken", "dry sand"}, 1500, 0.92L, 0.7L},
    {{"Sandboden", "sandy soil"}, 1520, 1.65L, 1.24L},
    {{"Sandstein", "sandstone"}, 2250, 0.71L, 1.87L},
    {{"Tonboden", "clay soil"}, 1500, 0.88L, 1.28L},
}};
}  // namespace

std::span<const SoilPreset> soilPresets() { return kPresets; }

void applySoilPreset(Project& project, int presetIndex, Language language)
{
    if (presetIndex < 0 || presetIndex >= static_cast<int>(kPresets.size())) return;
    const SoilPreset& preset = kPresets[static_cast<std::size_t>(presetIndex)];
    project.set(Param::dichte, preset.density);
    project.set(Param::wrmekapazitt, preset.heatCapacity);
    project.set(Param::wrmeleitfhigkeit, preset.conductivity);
    project.erdreich = std::string(preset.name.in(language));
}

void markSoilUserDefined(Project& project, Language language)
{
    project.erdreich = std::string(kUserDefinedSoil.in(language));
}

std::string soilTypeName(std::string_view stored, Language language)
{
    for (const SoilPreset& preset : kPresets)
        if (stored == preset.name.de || stored == preset.name.en) return std::string(preset.name.in(language));
    if (stored == kUserDefinedSoil.de || stored == kUserDefinedSoil.en) return std::string(kUserDefinedSoil.in(language));
    return std::string(stored);
}

std::string soilValueLabel(SoilValue which, long double value, Language language)
{
    struct LabelFormat {
        Text prefix;
        int decimals;
        std::string_view unit;
    };
    static constexpr std::array<LabelFormat, 3> kFormats{{
        {{" Dichte: ", " Density: "}, 1, " kg/m³ "},
        {{" Wärmekapazität: ", " Heat capacity: "}, 2, " kJ/(kg K) "},
        {{" Wärmeleitfähigkeit: ", " Thermal conductivity: "}, 2, " W/(m K) "},
    }};
    const LabelFormat& f = kFormats[static_cast<std::size_t>(which)];
    return cutToCharacters(std::string(f.prefix.in(language)) + formatFixed(value, f.decimals) + std::string(f.unit), 50);
}

std::string groundwaterLabel(long double depth, Language language)
{
    return " " + formatFixed(depth, 1) + (language == Language::English ? " m depth " : " m tief ");
}

}  // namespace talp
