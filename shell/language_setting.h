#pragma once
// The language of the run: German unless the settings file talp.ini says "EN"; settled once
// it is read from that file or chosen in the language window, and then kept for the whole run.

#include <filesystem>
#include <optional>

#include "core/texts.h"

namespace talp {

struct LanguageState {
    Language language = Language::German;
    bool settled = false;
};

// A settings file (Installation::readableSetting): sys/talp.ini in the build folder,
// ~/.config/talp/talp.ini for an installed program.
inline constexpr std::string_view kLanguageSettingsFile = "talp.ini";

// The language in a settings file: English for a first line "EN", German for any other
// content; nothing when the file does not exist.
std::optional<Language> readLanguageSetting(const std::filesystem::path& file);
// Writes "DE" or "EN" as the only line; write errors are ignored.
void writeLanguageSetting(const std::filesystem::path& file, Language language);

// First step of the language start-up: an unsettled language is taken from the settings
// file when there is one. Returns whether the language is settled afterwards.
bool settleLanguageFromSettings(LanguageState& state, const std::filesystem::path& settingsFile);

// A button of the language window: stores the choice for the next start. The first
// choice of a run also becomes this run's language; a later one needs a restart (the
// return value says so) and the run keeps its language.
bool chooseLanguage(LanguageState& state, Language chosen, const std::filesystem::path& settingsFile);

inline constexpr std::string_view kLanguageWindowCaption = "Sprache/ Language";
inline constexpr std::string_view kLanguagePromptGerman = "Bitte wählen Sie die Sprache:";
inline constexpr std::string_view kLanguagePromptEnglish = "Please select the language:";
inline constexpr std::string_view kRestartForLanguage =
    "Zum Übernehmen der neuen Spracheinstellung muss TALP neu gestartet werden.\r\r"
    "                    To take over the new language, please restart TALP.";

}  // namespace talp
