#include "files/coupling_acceptance.h"

#include "files/climate_file_sine.h"
#include "files/hourly_format.h"

namespace talp {

namespace {
// Capacity of the file name and format strings of the project file.
constexpr std::size_t kCouplingTextLength = 100;
}  // namespace

CouplingChoice couplingChoiceOf(const Project& project, CouplingKind kind)
{
    const CouplingRecord& r = kind == CouplingKind::Climate ? project.lastClimateCoupling : project.buildingCoupling;
    return {r.fileName, r.format, r.headerLines};
}

CouplingAcceptance acceptCoupling(Project& project, CouplingKind kind, const CouplingChoice& choice,
                                  const Installation* installation)
{
    using Result = CouplingAcceptance::Result;
    const bool climate = kind == CouplingKind::Climate;
    CouplingRecord& record = climate ? project.climateCoupling : project.buildingCoupling;

    const auto parsed = parseFormat(choice.format, climate ? kClimateLetters : kBuildingLetters);
    if (!parsed) {
        record.valid = false;
        if (climate) project.lastClimateCoupling.valid = false;
        return {Result::SyntaxError, {}};
    }

    CouplingRecord candidate;
    candidate.valid = true;
    candidate.fileName = cutToCharacters(choice.fileName, kCouplingTextLength);
    candidate.format = cutToCharacters(choice.format, kCouplingTextLength);
    candidate.columns = parsed->columns;
    candidate.columnCount = parsed->count;
    candidate.headerLines = choice.headerLines;
    const HourlyFileCheck check = checkHourlyFile(candidate, installation);
    if (!check.ok()) return {Result::FileRejected, check};

    record = candidate;
    if (climate) {
        project.lastClimateCoupling = candidate;
        if (const auto sine = deriveClimateFileSine(candidate, installation)) applyClimateFileSine(project, *sine);
    }
    return {Result::Accepted, check};
}

}  // namespace talp

namespace talp {

std::string CouplingRefusal::text(Language language) const
{
    if (acceptance.result == CouplingAcceptance::Result::SyntaxError) return std::string(kFormatSyntaxError.in(language));
    return acceptance.check.text(language);
}

std::optional<CouplingRefusal> reacceptLoadedCouplings(Project& project, bool climateFile, bool buildingFile,
                                                       const Installation* installation)
{
    for (const CouplingKind kind : {CouplingKind::Climate, CouplingKind::Building}) {
        if (!(kind == CouplingKind::Climate ? climateFile : buildingFile)) continue;
        const CouplingAcceptance acceptance = acceptCoupling(project, kind, couplingChoiceOf(project, kind), installation);
        if (!acceptance.accepted()) return CouplingRefusal{kind, acceptance};
    }
    return std::nullopt;
}

}  // namespace talp
