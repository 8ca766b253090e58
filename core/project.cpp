#include "core/project.h"

namespace talp {

Project::Project()
{
    for (const ParamSpec& s : parameterTable()) values_[static_cast<std::size_t>(s.id)] = s.defaultValue;
}

long double Project::set(Param id, long double value)
{
    const long double stored = correctedValue(paramSpec(id), value);
    values_[static_cast<std::size_t>(id)] = stored;
    return stored;
}

bool Project::setExact(Param id, long double value)
{
    const ParamSpec& s = paramSpec(id);
    if (!(value >= s.minValue && value <= s.maxValue)) return false;
    if (s.kind != ParamKind::Real && correctedValue(s, value) != value) return false;
    values_[static_cast<std::size_t>(id)] = value;
    return true;
}

void Project::markChanged(InputWindow window)
{
    modified = true;
    RecalcNeeded = true;
    if (window != InputWindow::Pipe) OptRecalcNeeded = true;
}

bool Project::operator==(const Project& o) const
{
    return values_ == o.values_ && erdreich == o.erdreich && klimaModell == o.klimaModell &&
           HlkModus == o.HlkModus && SegmentDepth == o.SegmentDepth &&
           SegmentBuildingDistance == o.SegmentBuildingDistance && calendar == o.calendar &&
           climateCoupling == o.climateCoupling && buildingCoupling == o.buildingCoupling &&
           lastClimateCoupling == o.lastClimateCoupling;
}

bool ventilationFileInUse(const Project& project)
{
    return project.HlkModus == "sim" && project.buildingCoupling.valid;
}

bool climateFileInUse(const Project& project)
{
    return project.climateCoupling.valid;
}

}  // namespace talp
