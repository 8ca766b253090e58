#pragma once
// Replacing a user's file without risking it: the new content goes into a temporary file
// in the same directory, which is then renamed over the original. A crash or a full disk
// in the middle leaves the original as it was.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "files/file_fault.h"

namespace talp {

// The file may be written: it does not exist yet (its directory does), or it is a regular
// file that carries a write permission and that this process may write. A file without
// any write permission bit counts as read-only even for the administrator, who could
// otherwise replace it.
bool mayReplaceFile(const std::filesystem::path& path);

// Writes `content` to `path` through a temporary file and a rename; an existing file keeps
// its permissions, and a symbolic link is followed to the file it names. A writable file in
// a folder that cannot be written is overwritten in place, and restored when that fails.
// Returns why when nothing was replaced.
std::optional<FileFault> replaceFileSafely(const std::filesystem::path& path, std::span<const std::uint8_t> content);

}  // namespace talp
