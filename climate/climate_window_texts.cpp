#include "climate/climate_window_texts.h"

#include "core/numeric.h"

namespace talp {

std::string climateFileLabel(const CouplingRecord& file, Language language, const std::string& location)
{
    // A project written on Windows names its file with backslashes.
    const std::size_t folderEnd = file.fileName.find_last_of("/\\");
    const std::string name = folderEnd == std::string::npos ? file.fileName : file.fileName.substr(folderEnd + 1);
    std::string label = std::string(klima_text::kKlimadatei.in(language)) + " " + name;
    if (!location.empty()) label += " \u2013 " + location;
    return label;
}

std::string peakDayLabel(int peakDay, Language language)
{
    return std::string(klima_text::kSinusspitze.in(language)) + std::to_string(peakDay) +
           std::string(klima_text::kTag.in(language));
}

std::optional<int> peakMonthOfEntry(std::string_view text)
{
    if (const int named = MonatsIndex(text); named >= 0) return named;
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const int number = std::stoi(std::string(text));
    if (number < 1 || number > 12) return std::nullopt;
    return number - 1;
}

}  // namespace talp
