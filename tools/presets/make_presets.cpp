// Writes the presets of a new project, sys/TalpPre.tlp, and their backup sys/TalpPre.sav
// into an installation's data folder: a plausible project of today on the pipes and the
// ventilation of the parameter table, in the climate of the reference region 4 with its
// sine parameters and data file.
//
//     talp-make-presets <data folder>

#include <filesystem>
#include <iostream>

#include "climate/climate_model.h"
#include "core/soil.h"
#include "files/project_file.h"

namespace {

struct PresetValue {
    talp::Param input;
    long double value;
};

// Where the parameter table's defaults are no project of today. The help's costs topic
// names these figures and where they come from; the fan and the air system's own pressure
// drop stand in its HVAC topics.
constexpr PresetValue kTodaysProject[] = {
    // A ventilation fan of this size with its motor; 1.0 would be a fan without losses.
    {talp::Param::wirkungsgrad, 0.5L},
    // The exchanger's own intake tower with its grille and coarse filter. The rest of the
    // air system is there with or without the exchanger and is not charged to it.
    {talp::Param::druckabfallPa_fest, 50},
    // Smooth-walled plastic pipe of 500 mm, laid, per metre; the optimisation scales it with
    // the square of the diameter (about 16 €/m at 200 mm).
    {talp::Param::rohrpreis, 100},
    // Intake tower with filter, condensate drain, wall duct and design.
    {talp::Param::fest_inv, 3000},
    // Prices of 2024 in cents per kWh: useful heat from gas or oil after the boiler's losses,
    // electricity of a non-domestic customer, cooling by a chiller of a coefficient of 3.
    {talp::Param::heizpreis, 12},
    {talp::Param::khlpreis, 10},
    {talp::Param::strompreis, 30},
    // Long-term loans, the central bank's inflation target, energy prices somewhat faster.
    {talp::Param::zinssatz, 3.5L},
    {talp::Param::inflation, 2},
    {talp::Param::einflation, 3},
};

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: talp-make-presets <data folder>\n";
        return 2;
    }
    const std::filesystem::path data = argv[1];
    talp::Project presets;
    talp::initialiseClimate(presets);
    // A new project opens on the region model, so the climate window shows region 4 chosen.
    presets.klimaModell = std::string(talp::kRegionModel);
    // The soil the list shows, with its own density, heat capacity and conductivity.
    talp::applySoilPreset(presets, talp::kDefaultSoilPreset, talp::Language::German);
    for (const PresetValue& v : kTodaysProject) presets.set(v.input, v.value);
    for (const char* name : {"sys/TalpPre.tlp", "sys/TalpPre.sav"}) {
        if (const std::optional<talp::FileFault> fault = talp::saveProjectFile(data / name, presets)) {
            std::cerr << "talp-make-presets: " << fault->technical() << '\n';
            return 1;
        }
    }
    return 0;
}
