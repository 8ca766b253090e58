#pragma once
// The mean speed of the air in the pipes: the air flow shared by the pipes through the
// cross-section of one. Fast air is loud and costs fan power; planners keep it to a few
// metres per second, and the geometry search can leave out combinations above a limit.

#include <string>

#include "core/project.h"
#include "core/texts.h"

namespace talp {

// m/s for an air flow in m³/h through `pipeCount` pipes of the inner diameter in mm, as the
// simulation computes it for the heat transfer.
long double airVelocity(long double airFlow, int pipeCount, long double diameterMm);

// The velocity at the project's air flow through the pipes of the pipe form.
long double airVelocityOf(const Project& project);

// "Luftgeschwindigkeit in den Rohren: 1.77 m/s", for the pipe window.
std::string airVelocityText(long double velocity, Language language);

}  // namespace talp
