#include <iostream>

#include "cli/commands.h"
#include "files/project_file.h"

namespace talp::cli {

// Brings an older project file to the current layout, as opening it in the program does.
int upgradeCommand(Arguments& args)
{
    if (args.positional.size() != 1) throw UsageError{"upgrade needs exactly one project file"};
    const std::string path = args.positional[0];
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
    return 0;
}

}  // namespace talp::cli
