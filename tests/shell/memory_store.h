#pragma once
// A project store in memory for the shell's tests: files are entries of a map, a missing
// entry fails to load, and writes to paths listed as read-only fail.

#include <map>
#include <set>
#include <string>

#include "shell/project_store.h"

namespace talp {

class MemoryStore : public ProjectStore {
public:
    FileResult load(const std::filesystem::path& file, Project& project) override
    {
        ++loads;
        loaded.push_back(file.string());
        const auto found = files.find(file.string());
        if (found == files.end()) return FileResult{false, {FileFault::Kind::CannotRead, file, 0, {}}, {}};
        project = found->second;
        return FileResult{true, {}, {}};
    }
    FileResult save(const std::filesystem::path& file, const Project& project) override
    {
        if (readOnly.count(file.string())) return FileResult{false, {FileFault::Kind::ReadOnly, file, 0, {}}, {}};
        files[file.string()] = project;
        saved.push_back(file.string());
        return FileResult{true, {}, {}};
    }

    // A project that differs from the defaults by its number of pipes.
    static Project projectWithPipes(int pipes)
    {
        Project project;
        project.set(Param::rohranzahl, pipes);
        return project;
    }

    std::map<std::string, Project> files;
    std::set<std::string> readOnly;
    std::vector<std::string> loaded;
    std::vector<std::string> saved;
    int loads = 0;
};

}  // namespace talp
