#pragma once
// Setting an input as if the user had typed it: the value is stored (corrected to its
// bounds) and, when it changed, the input's consistency rule runs, as its change handler
// does in the window. A load and a derived climate set their values this way, so that
// the order in which they are set has the effect it has in the windows.

#include "core/project.h"

namespace talp {

// Returns whether the stored value changed. The soil values' rule (the soil type becomes
// "benutzerdefiniert") is not run: whoever sets soil values this way sets the soil type
// after them.
bool setAsTyped(Project& project, Param id, long double value);

}  // namespace talp
