#include "shell/record_store.h"

#include "files/project_file.h"

namespace talp {

FileResult RecordProjectStore::load(const std::filesystem::path& file, Project& project)
{
    ProjectFileLoad loaded = loadProjectFile(file, LoadContext{session_.language(), &session_.climate});
    if (!loaded.ok) return FileResult{false, loaded.fault, {}};
    project = std::move(loaded.project);
    return FileResult{true, {}, loaded.findings};
}

FileResult RecordProjectStore::save(const std::filesystem::path& file, const Project& project)
{
    Project written = project;
    if (const std::optional<FileFault> fault = saveProjectFile(file, written)) return FileResult{false, *fault, {}};
    return FileResult{true, {}, {}};
}

}  // namespace talp
