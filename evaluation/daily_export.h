#pragma once
// The daily evaluation's export (.tpt): the profile along the pipe of the shown hour,
// segment by segment.

#include <filesystem>
#include <optional>
#include <string>

#include "core/simulation.h"
#include "core/texts.h"

namespace talp {

// The day and hour the daily window shows.
struct ShownHour {
    int day;    // of the month, 1..31
    int month;  // index 0..11
    int hour;   // 1..24
};

std::string dailyFileText(const SimulationResults& results, const ShownHour& shown, long double pipeLength,
                          const std::filesystem::path& projectFile, Language language);

// The message to show when the file cannot be written.
std::optional<Message> exportDailyEvaluation(const std::filesystem::path& file, const SimulationResults& results,
                                             const ShownHour& shown, long double pipeLength,
                                             const std::filesystem::path& projectFile, Language language);

}  // namespace talp
