#include "shell/language_setting.h"

#include <fstream>
#include <string>

namespace talp {

std::optional<Language> readLanguageSetting(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return std::nullopt;
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    // Tolerate the line end of an editor on another system.
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    return line == "EN" ? Language::English : Language::German;
}

void writeLanguageSetting(const std::filesystem::path& file, Language language)
{
    std::ofstream out(file, std::ios::trunc);
    out << (language == Language::English ? "EN" : "DE") << '\n';
}

bool settleLanguageFromSettings(LanguageState& state, const std::filesystem::path& settingsFile)
{
    if (!state.settled) {
        if (const std::optional<Language> stored = readLanguageSetting(settingsFile)) {
            state.language = *stored;
            state.settled = true;
        }
    }
    return state.settled;
}

bool chooseLanguage(LanguageState& state, Language chosen, const std::filesystem::path& settingsFile)
{
    const bool restartNeeded = state.settled;
    if (!restartNeeded) state.language = chosen;
    writeLanguageSetting(settingsFile, chosen);
    state.settled = true;
    return restartNeeded;
}

}  // namespace talp
