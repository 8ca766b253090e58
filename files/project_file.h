#pragma once
// Project files on disk: saving a project, upgrading an older file, loading a file. The
// project files, the presets "sys/TalpPre.tlp" and their backup "sys/TalpPre.sav" all
// hold one project record.

#include <filesystem>
#include <optional>
#include <string>

#include "core/project.h"
#include "core/texts.h"
#include "files/file_fault.h"
#include "files/project_load.h"
#include "files/record_upgrade.h"

namespace talp {

// The message of a project that cannot be opened; the presets are loaded after it.
inline constexpr Text kProjectFileUnreadable{"Datei nicht gefunden oder defekt. Talp-Voreinstellungen werden geöffnet.",
                                             "File not found or unreadable. TALP-defaults opened instead."};

enum class UpgradeResult {
    Current,      // a 1.00 file: nothing to do
    Upgraded,     // the file now holds the 1.00 record
    NotUpgraded,  // unreadable, read-only, or its upgrade would be no project record
};

// Brings an older file to the current layout on disk, through a temporary file and a
// rename. The upgrade never reports a failure: the load that follows decides.
UpgradeResult upgradeProjectFile(const std::filesystem::path& path, RecordVersion* versionFound = nullptr);

struct ProjectFileLoad {
    bool ok = false;
    FileFault fault;    // what is wrong with the file, when it did not load
    Project project;    // the loaded project (the defaults when the load failed)
    LoadFindings findings;
    UpgradeResult upgrade = UpgradeResult::Current;
    RecordVersion version = RecordVersion::Current;  // the version the file had
};

// Upgrade, read one record, push it into a new project. Fails when the file is missing,
// shorter than a record, still in an old layout (a read-only old file), or its record is
// unsound (see recordFault).
ProjectFileLoad loadProjectFile(const std::filesystem::path& path, const LoadContext& context = {});

// Reads the record of a file (any length beyond the record is ignored); the reason when
// there is none.
std::optional<RecordBytes> readRecord(const std::filesystem::path& path, std::string& fault);

// Writes the project's record through a temporary file and clears the modified flag;
// why nothing was written (the flag then stays as it was).
std::optional<FileFault> saveProjectFile(const std::filesystem::path& path, Project& project);

}  // namespace talp
