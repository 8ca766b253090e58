#pragma once
// The main window's title: "TALP - " and the project file's name, or the unnamed title.

#include <string>
#include <string_view>

#include "core/texts.h"

namespace talp {

// The file name of a path without its directory.
std::string fileNameWithoutDirectory(std::string_view path);

std::string windowTitle(std::string_view projectPath, Language language);

}  // namespace talp
