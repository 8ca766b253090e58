#pragma once
// Writing an evaluation's export file so that the chosen name never holds half a file: the
// text goes to a temporary file beside it, which then takes the name.

#include <filesystem>
#include <string>
#include <string_view>

namespace talp {

// False when the file cannot be written; a file of that name written before then stays
// as it was.
bool writeExportFile(const std::filesystem::path& file, std::string_view text);

// `prefix` with the project file's name without its folders, or with `unnamed` for a
// project that has no file yet.
std::string projectNameLine(std::string_view prefix, const std::filesystem::path& projectFile,
                            std::string_view unnamed);

}  // namespace talp
