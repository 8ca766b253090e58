#pragma once
// Pushing a project record back into the model, as loading a project file does: the
// values are set in the order of the input windows, each as if typed, so that the rules
// that keep inputs consistent fire as they do in the windows; then the climate model of
// the stored key is applied. A loaded project counts as unmodified and out of date.

#include <optional>
#include <string>

#include "climate/climate_model.h"
#include "core/project.h"
#include "core/texts.h"
#include "files/project_record.h"

namespace talp {

struct LoadContext {
    Language language = Language::German;  // the soil type's name follows the interface
    // The climate window's state for the climate actions (regions, stations); without it
    // they run on an empty installation.
    ClimateContext* climate = nullptr;
};

// What a load leaves for the windows to do.
struct LoadFindings {
    // The climate model "sim": the coupling dialog confirms the stored file again (its
    // re-import timer) before the file is used; when the last accepted climate file is not
    // valid, the climate window opens so that the user can choose one.
    bool reacceptClimateFile = false;
    bool chooseClimateFile = false;
    // The same for the building file of the HVAC mode "sim" and the HVAC window.
    bool reacceptBuildingFile = false;
    bool chooseBuildingFile = false;
    // A climate action's message (for example a missing station list).
    std::optional<Message> climateMessage;
};

// A fault that makes the record unusable: a text longer than its field. None for a sound
// record; unknown model keys are sound (they select no climate model, or the building file).
std::optional<std::string> recordFault(const RecordBytes& bytes);

// Applies a sound record to `project` (which a load starts from the defaults).
LoadFindings applyRecord(Project& project, const RecordBytes& bytes, const LoadContext& context);

}  // namespace talp
