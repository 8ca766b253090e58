#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "files/project_file.h"

namespace talp::cli {

namespace {

// Brings an older project file to the current layout, as opening it in the program does.
void upgradeFile(const std::string& path)
{
    RecordVersion version = RecordVersion::Current;
    const UpgradeResult result = upgradeProjectFile(path, &version);
    if (result == UpgradeResult::NotUpgraded) {
        std::string fault;
        const auto record = readRecord(path, fault);
        throw CommandFailure{std::string(kProjectFileUnreadable.de) + "\n" +
                             (record || fault.empty() ? path + " could not be upgraded (read-only, or no project file)"
                                                      : fault)};
    }
    const std::string from = version == RecordVersion::Untagged ? "untagged" : std::string(versionName(version));
    std::cout << nlohmann::ordered_json{{"file", path},
                                        {"from", from},
                                        {"to", std::string(kCurrentVersionTag)},
                                        {"upgraded", result == UpgradeResult::Upgraded}}
                     .dump(2)
              << "\n";
}

}  // namespace

CommandAction upgradeCommand(CLI::App& command)
{
    const auto path = std::make_shared<std::string>();
    command.add_option("FILE", *path, "the project file, rewritten in place")->type_name("")->required();
    return [path] {
        upgradeFile(*path);
        return 0;
    };
}

}  // namespace talp::cli
