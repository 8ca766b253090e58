#pragma once
// The annual evaluation's two export files: the annual file (.tpj) with the exchanger's
// operation, flow, temperatures, heat flow and fan power of every hour, and the segment
// file (.tps) with the air, pipe and soil temperatures of nine segments along the pipe.

#include <filesystem>
#include <string>
#include <vector>

#include "core/simulation.h"
#include "core/texts.h"

namespace talp {

// The files' texts; `projectFile` names the project (empty for an unnamed one).
std::string annualFileText(const SimulationResults& results, const std::filesystem::path& projectFile,
                           Language language);
std::string segmentFileText(const SimulationResults& results, long double pipeLength,
                            const std::filesystem::path& projectFile, Language language);

// The segment file beside the annual one: the name with its last three characters
// replaced by "tps".
std::filesystem::path segmentFileName(const std::filesystem::path& annualFile);

// Writes both files; a failure of one does not stop the other. One message for each
// file that could not be written.
std::vector<Message> exportAnnualEvaluation(const std::filesystem::path& annualFile, const SimulationResults& results,
                                            long double pipeLength, const std::filesystem::path& projectFile,
                                            Language language);

}  // namespace talp
