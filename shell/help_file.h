#pragma once
// The help of the run's language: one HTML file per language in the installation's sys/
// folder, a topic per context number (the anchor named by the number).

#include <filesystem>
#include <string>
#include <string_view>

#include "core/installation.h"
#include "core/texts.h"

namespace talp {

inline constexpr std::string_view kGermanHelpFile = "sys/talp_d.html";
inline constexpr std::string_view kEnglishHelpFile = "sys/talp_e.html";

inline std::filesystem::path helpFilePath(const Installation& installation, Language language)
{
    return installation.programDir / (language == Language::English ? kEnglishHelpFile : kGermanHelpFile);
}

// Shown with a line break and the full path of the file that was looked for.
inline constexpr std::string_view kHelpFileMissing = "Hilfe-Datei nicht gefunden";

inline std::string helpFileMissingMessage(const std::filesystem::path& file)
{
    return std::string(kHelpFileMissing) + "\n" + file.string();
}

}  // namespace talp
