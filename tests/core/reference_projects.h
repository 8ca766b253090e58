#pragma once
// The reference projects of tests/reference, opened as their generator opens them.

#include <filesystem>

#include "tools/reference/reference_run.h"

namespace talp::testing {

inline const std::filesystem::path kReferenceDir = std::filesystem::path(TALP_SOURCE_DIR) / "tests" / "reference";
inline const Installation kReferenceInstallation =
    reference::referenceInstallation(std::filesystem::path(TALP_SOURCE_DIR) / "data");

inline reference::OpenedReference openReferenceProject(const std::string& name)
{
    return reference::openReference(kReferenceDir / (name + ".tlp"), kReferenceInstallation);
}

}  // namespace talp::testing
