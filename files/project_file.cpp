#include "files/project_file.h"

#include <array>
#include <fstream>
#include <iterator>
#include <vector>

#include "files/coupling_name.h"
#include "files/safe_write.h"

namespace talp {

namespace fs = std::filesystem;

namespace {

// Anything larger is no project file: the records of every version are under 4 KB.
constexpr std::uintmax_t kMaxProjectFileSize = 1 << 20;

std::optional<std::vector<std::uint8_t>> readWholeFile(const fs::path& path)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec) || fs::file_size(path, ec) > kMaxProjectFileSize) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return content;
}

std::optional<RecordBytes> recordOf(std::span<const std::uint8_t> content)
{
    if (content.size() < kRecordSize) return std::nullopt;
    RecordBytes record{};
    std::copy(content.begin(), content.begin() + kRecordSize, record.begin());
    return record;
}

std::string shortFileFault(std::size_t size)
{
    return "shorter than a project record (" + std::to_string(size) + " of " + std::to_string(kRecordSize) + " bytes)";
}

// The climate file, the building file and the last accepted climate file.
std::array<CouplingRecord*, 3> couplingsOf(Project& p)
{
    return {&p.climateCoupling, &p.buildingCoupling, &p.lastClimateCoupling};
}

}  // namespace

UpgradeResult upgradeProjectFile(const fs::path& path, RecordVersion* versionFound)
{
    const auto content = readWholeFile(path);
    if (!content) return UpgradeResult::NotUpgraded;
    const RecordVersion version = recordVersionOf(*content);
    if (versionFound) *versionFound = version;
    if (version == RecordVersion::Current) return UpgradeResult::Current;
    if (!mayReplaceFile(path)) return UpgradeResult::NotUpgraded;

    // A file that would not become a sound record (too short, or no project file at all)
    // is left as it is: rewriting it would only damage it.
    const std::vector<std::uint8_t> upgraded = upgradedContent(*content);
    const auto record = recordOf(upgraded);
    if (!record || recordFault(*record)) return UpgradeResult::NotUpgraded;
    return replaceFileSafely(path, upgraded) ? UpgradeResult::NotUpgraded : UpgradeResult::Upgraded;
}

std::optional<RecordBytes> readRecord(const fs::path& path, std::string& fault)
{
    const auto content = readWholeFile(path);
    if (!content) {
        fault = "cannot read " + path.string();
        return std::nullopt;
    }
    const auto record = recordOf(*content);
    if (!record) fault = path.string() + " is " + shortFileFault(content->size());
    return record;
}

ProjectFileLoad loadProjectFile(const fs::path& path, const LoadContext& context)
{
    ProjectFileLoad load;
    load.upgrade = upgradeProjectFile(path, &load.version);
    const auto content = readWholeFile(path);
    using Kind = FileFault::Kind;
    if (!content) {
        load.fault = {Kind::CannotRead, path, 0, {}};
        return load;
    }
    const RecordVersion version = recordVersionOf(*content);
    if (version != RecordVersion::Current) {
        load.fault = {Kind::OldVersionReadOnly, path, 0,
                      version == RecordVersion::Untagged ? std::string("no version tag") : std::string(versionName(version))};
        return load;
    }
    const auto record = recordOf(*content);
    if (!record) {
        load.fault = {Kind::NoProjectRecord, path, 0, shortFileFault(content->size())};
        return load;
    }
    if (auto fault = recordFault(*record)) {
        load.fault = {Kind::NoProjectRecord, path, 0, *fault};
        return load;
    }
    load.findings = applyRecord(load.project, *record, context);
    for (CouplingRecord* coupling : couplingsOf(load.project))
        coupling->fileName = loadedCouplingName(coupling->fileName, path.parent_path());
    load.ok = true;
    return load;
}

std::optional<FileFault> saveProjectFile(const fs::path& path, Project& project)
{
    Project stored = project;
    for (CouplingRecord* coupling : couplingsOf(stored)) {
        const std::optional<std::string> name = storedCouplingName(coupling->fileName, path.parent_path());
        if (!name) return FileFault{FileFault::Kind::CouplingPathTooLong, path, 0, coupling->fileName};
        coupling->fileName = *name;
    }
    const RecordBytes record = encodeProject(stored);
    if (auto failure = replaceFileSafely(path, record)) return failure;
    project.modified = false;
    return std::nullopt;
}

}  // namespace talp
