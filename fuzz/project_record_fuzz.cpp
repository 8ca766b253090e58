// libFuzzer target: any bytes as a project file's content, through the upgrade, the
// record checks and the load. Nothing may read or write outside the record.

#include <cstddef>
#include <cstdint>
#include <span>

#include "files/project_load.h"
#include "files/project_record.h"
#include "files/record_upgrade.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace talp;
    const std::vector<std::uint8_t> content = upgradedContent(std::span<const std::uint8_t>(data, size));
    if (content.size() < kRecordSize) return 0;
    RecordBytes bytes{};
    std::copy(content.begin(), content.begin() + kRecordSize, bytes.begin());
    if (recordFault(bytes)) return 0;
    Project project;
    applyRecord(project, bytes, {});
    // A loaded project saves to a record that loads again.
    const RecordBytes saved = encodeProject(project);
    if (recordFault(saved)) __builtin_trap();
    Project again;
    applyRecord(again, saved, {});
    return 0;
}
