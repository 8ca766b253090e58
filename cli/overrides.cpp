#include "cli/overrides.h"

#include "core/numeric.h"

namespace talp::cli {

namespace {

long double parseValue(const ParamSpec& entry, std::string_view name, std::string_view text)
{
    long double value = 0;
    if (parseNumber(text, value)) return value;
    // A month may be given by name as well as by its index.
    if (entry.id == Param::monat_sinusspitze && MonatsIndex(text) >= 0) return MonatsIndex(text);
    throw UsageError{"value of '" + std::string(name) + "' is not a number: '" + std::string(text) + "'"};
}

}  // namespace

void applyOverrides(Project& project, const std::vector<std::string>& assignments)
{
    for (const std::string& assignment : assignments) {
        const std::size_t eq = assignment.find('=');
        const std::string name = assignment.substr(0, eq);
        const std::string text = assignment.substr(eq + 1);
        const auto lookup = findParam(name);
        if (!lookup) throw UsageError{"unknown parameter '" + name + "'"};
        const ParamSpec& s = paramSpec(lookup->id);
        long double value = parseValue(s, name, text);
        if (lookup->negated) {
            if (value != 0 && value != 1) throw UsageError{"'" + name + "' takes 0 or 1, not '" + text + "'"};
            value = 1 - value;
        }
        if (!project.setExact(lookup->id, value)) {
            throw UsageError{"value of '" + name + "' must be " +
                             (s.kind == ParamKind::Real ? std::string() : std::string("a whole number ")) +
                             "within " + formatGeneral(s.minValue) + " .. " + formatGeneral(s.maxValue) +
                             ", not '" + text + "'"};
        }
    }
}

}  // namespace talp::cli
