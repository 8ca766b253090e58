#include "core/air_velocity.h"

#include "core/numeric.h"

namespace talp {

namespace {
// The simulation's value of π, so that the velocity shown is the one it works with.
constexpr long double kPi = 3.141592654L;
}  // namespace

long double airVelocity(long double airFlow, int pipeCount, long double diameterMm)
{
    const long double radius = diameterMm * 0.5L / 1000.0L;  // m, rounded as the simulation rounds it
    return airFlow / pipeCount / 3600.0L / (kPi * radius * radius);
}

long double airVelocityOf(const Project& project)
{
    return airVelocity(project.get(Param::luftstrom), project.getInt(Param::rohranzahl),
                       project.get(Param::rohrdurchmesser));
}

std::string airVelocityText(long double velocity, Language language)
{
    const Text caption{"Luftgeschwindigkeit in den Rohren: ", "Air velocity in the pipes: "};
    return std::string(caption.in(language)) + formatFixed(velocity, 2) + " m/s";
}

}  // namespace talp
