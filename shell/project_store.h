#pragma once
// Where project records are read from and written to. The shell's commands own the file
// names, the title and the messages; the store only turns a file into a project and back.

#include <filesystem>
#include <string>

#include "core/project.h"
#include "files/file_fault.h"
#include "files/project_load.h"

namespace talp {

struct FileResult {
    bool ok = false;
    FileFault fault;        // what went wrong, for the I/O error box
    LoadFindings findings;  // after a load: the coupled files the windows must see to
};

class ProjectStore {
public:
    virtual ~ProjectStore() = default;
    // Reads the project in `file` (upgrading an older file first) into `project`; on
    // failure `project` is left as it was.
    virtual FileResult load(const std::filesystem::path& file, Project& project) = 0;
    virtual FileResult save(const std::filesystem::path& file, const Project& project) = 0;
};

}  // namespace talp
