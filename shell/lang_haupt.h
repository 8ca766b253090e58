#pragma once
// The main window's language table: its messages, the project report's labels and the
// menu captions, at the indices the program has always used for them.

#include <cstddef>

#include "shell/language_table.h"

namespace talp {

inline constexpr std::size_t kLangHauptSize = 150;

namespace haupt {
inline constexpr std::size_t kPresetsMissing = 0;
inline constexpr std::size_t kBackupMissingAtStart = 1;
inline constexpr std::size_t kUnnamedTitle = 2;
// The project report (page 1 the inputs, page 2 the results).
inline constexpr std::size_t kReportUnnamedHeader = 6;
inline constexpr std::size_t kReportProject = 7;
inline constexpr std::size_t kReportNamedHeader = 8;
inline constexpr std::size_t kReportCalculating = 88;
inline constexpr std::size_t kSavePresetsQuestion = 109;
inline constexpr std::size_t kBackupMissingOnRestore = 110;
inline constexpr std::size_t kCommandLineFileMissing = 111;
// Menu captions: 112 + the position of the item in MenuItem (shell/menu_items.h).
inline constexpr std::size_t kFirstMenuCaption = 112;
}  // namespace haupt

extern const LanguageTable<kLangHauptSize> TLang_Haupt;

}  // namespace talp
