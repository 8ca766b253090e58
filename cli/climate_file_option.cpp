#include "cli/climate_file_option.h"

#include <cstdlib>
#include <system_error>

#include "cli/climate_options.h"
#include "climate/climate_model.h"
#include "files/coupling_acceptance.h"
#include "files/weather_import.h"

namespace talp::cli {

namespace fs = std::filesystem;

void addClimateFileOption(CLI::App& command, ClimateFileOption& option)
{
    option.format = kImportedClimateFormat;
    option.headerLines = kImportedHeaderLines;
    command.add_option("--climate-file", option.file,
                       "calculate on this climate file: a TRY or EPW weather file, or a fixed-column file read with "
                       "--format and --header")
        ->type_name("FILE");
    option.formatGiven = command.add_option("--format", option.format,
                                            "the columns of a line of a fixed-column climate file (default XXXXXXXXXAAAA.A)")
                             ->type_name("F");
    option.headerGiven = command.add_option("--header", option.headerLines,
                                            "the lines before the first hour of a fixed-column climate file, 0..100 "
                                            "(default 4)")
                             ->type_name("N")
                             ->transform(WholeNumber(0, 100));
}

ScratchFolder::ScratchFolder()
{
    std::string name = (fs::temp_directory_path() / "talp-weather-XXXXXX").string();
    if (::mkdtemp(name.data())) path_ = name;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
}

void applyClimateFileOption(Project& project, const ClimateFileOption& option,
                            const std::vector<std::string>& assignments, std::optional<ScratchFolder>& scratch)
{
    if (!option.given()) {
        if (option.fixedColumns()) throw UsageError{"--format and --header belong to --climate-file"};
        return;
    }
    for (const std::string& assignment : assignments)
        for (const char* name : {"klima=", "klimaregion=", "station="})
            if (assignment.rfind(name, 0) == 0)
                throw UsageError{"--climate-file calculates with the file model; leave out " + assignment};

    std::error_code ec;
    const fs::path file = fs::absolute(option.file, ec);
    CouplingChoice choice{file.string(), option.format, option.headerLines};
    if (!option.fixedColumns() && recogniseWeatherFile(file)) {
        const fs::path folder = scratch.emplace().path();
        if (folder.empty()) throw CommandFailure{"Kein Ordner für die umgewandelte Wetterdatei"};
        const WeatherImport imported = importWeatherFile(file, folder / "weather.met");
        if (!imported.ok()) throw CommandFailure{imported.error.text(Language::German)};
        choice = imported.imported->coupling;
    }
    // Nothing of this run is saved: the file's own folder stands for the project's, so that
    // a long path is no reason to refuse the file.
    const Installation& installation = cliInstallation();
    const CouplingAcceptance acceptance =
        acceptCoupling(project, CouplingKind::Climate, choice, &installation, fs::path(choice.fileName).parent_path());
    if (!acceptance.accepted()) throw CommandFailure{CouplingRefusal{CouplingKind::Climate, acceptance}.text(Language::German)};
    ClimateContext context;
    context.installation = installation;
    selectFileModel(project, context, true);
}

}  // namespace talp::cli
