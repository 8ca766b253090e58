#include "shell/window_title.h"

#include <filesystem>

#include "shell/lang_haupt.h"

namespace talp {

std::string fileNameWithoutDirectory(std::string_view path)
{
    return std::filesystem::path(path).filename().string();
}

std::string windowTitle(std::string_view projectPath, Language language)
{
    if (projectPath.empty()) return std::string(TLang_Haupt(haupt::kUnnamedTitle, language));
    return "TALP - " + fileNameWithoutDirectory(projectPath);
}

}  // namespace talp
