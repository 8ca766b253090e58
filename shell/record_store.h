#pragma once
// The project store of the running program: project records in files, loaded in the
// run's language and with the climate window's station list.

#include "shell/project_store.h"
#include "shell/session.h"

namespace talp {

class RecordProjectStore : public ProjectStore {
public:
    explicit RecordProjectStore(Session& session) : session_(session) {}
    FileResult load(const std::filesystem::path& file, Project& project) override;
    FileResult save(const std::filesystem::path& file, const Project& project) override;

private:
    Session& session_;
};

}  // namespace talp
