#pragma once
// `run --climate-file FILE [--format F] [--header N]`: the year is calculated on FILE with
// the file model, as the climate window does after the coupling dialog's OK, and the sine
// parameters for the soil come from the file's monthly means. FILE is a weather file (TRY
// or EPW, recognised by its content) or, with --format or --header or when it is no
// weather file, a fixed-column climate file.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "core/project.h"

namespace talp::cli {

struct ClimateFileOption {
    std::string file;  // empty: the project's own climate
    std::string format;
    int headerLines = 0;
    const CLI::Option* formatGiven = nullptr;
    const CLI::Option* headerGiven = nullptr;

    bool given() const { return !file.empty(); }
    bool fixedColumns() const { return formatGiven->count() > 0 || headerGiven->count() > 0; }
};

// Declares --climate-file, --format and --header on a command.
void addClimateFileOption(CLI::App& command, ClimateFileOption& option);

// A folder of its own for a converted weather file, removed with the object.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Couples the file of the option, if one is given, to the project for this run; a weather
// file is converted into a `scratch` folder first, which the caller keeps for the run.
// Throws UsageError for --format or --header without a file and when the name=value words
// choose a climate model besides the file, CommandFailure with the message of a file that
// cannot be used.
void applyClimateFileOption(Project& project, const ClimateFileOption& option,
                            const std::vector<std::string>& assignments, std::optional<ScratchFolder>& scratch);

}  // namespace talp::cli
