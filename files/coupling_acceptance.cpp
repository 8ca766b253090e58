#include "files/coupling_acceptance.h"

#include "files/climate_file_sine.h"
#include "files/coupling_name.h"
#include "files/hourly_format.h"

namespace talp {

namespace {
// Capacity of the format string of the project file.
constexpr std::size_t kFormatLength = 100;
}  // namespace

CouplingChoice couplingChoiceOf(const Project& project, CouplingKind kind)
{
    const CouplingRecord& r = kind == CouplingKind::Climate ? project.lastClimateCoupling : project.buildingCoupling;
    return {r.fileName, r.format, r.headerLines};
}

CouplingAcceptance acceptCoupling(Project& project, CouplingKind kind, const CouplingChoice& choice,
                                  const Installation* installation, const std::filesystem::path& projectFolder)
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
    // The whole path is checked and kept: a path cut to the record's length would name
    // another file, or none.
    candidate.fileName = choice.fileName;
    candidate.format = cutToCharacters(choice.format, kFormatLength);
    candidate.columns = parsed->columns;
    candidate.columnCount = parsed->count;
    candidate.headerLines = choice.headerLines;
    const HourlyFileCheck check = checkHourlyFile(candidate, installation);
    if (!check.ok()) return {Result::FileRejected, check};
    if (!storedCouplingName(candidate.fileName, projectFolder))
        return {Result::FileRejected, {HourlyFileCheck::Status::NameTooLong, 0}};

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
                                                       const Installation* installation,
                                                       const std::filesystem::path& projectFolder)
{
    for (const CouplingKind kind : {CouplingKind::Climate, CouplingKind::Building}) {
        if (!(kind == CouplingKind::Climate ? climateFile : buildingFile)) continue;
        const CouplingAcceptance acceptance = acceptCoupling(project, kind, couplingChoiceOf(project, kind), installation, projectFolder);
        if (!acceptance.accepted()) return CouplingRefusal{kind, acceptance};
    }
    return std::nullopt;
}

}  // namespace talp
