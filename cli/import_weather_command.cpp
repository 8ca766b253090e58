#include <iostream>
#include <memory>

#include "cli/climate_options.h"
#include "cli/climate_summary.h"
#include "cli/commands.h"
#include "core/numeric.h"
#include "files/weather_import.h"

namespace talp::cli {

namespace {

// Converts a weather file (TRY 2011, TRY 2015/2045, EPW) into a climate file of the
// installation's layout with its humidity file beside it, couples it as the coupling
// dialog would and prints what the file holds and the sine parameters derived from it.
void importWeather(const std::string& source, const std::string& target, bool json)
{
    const WeatherImport result = importWeatherFile(source, target);
    if (!result.ok()) throw CommandFailure{result.error.text(Language::German)};
    const ImportedWeather& imported = *result.imported;

    Project project;
    const Installation& installation = cliInstallation();
    // Only the derivation is wanted here: the file's own folder stands for a project's.
    const CouplingAcceptance acceptance = acceptCoupling(project, CouplingKind::Climate, imported.coupling, &installation,
                                                         imported.climateFile.parent_path());
    if (!acceptance.accepted()) throw CommandFailure{CouplingRefusal{CouplingKind::Climate, acceptance}.text(Language::German)};
    const auto sine = deriveClimateFileSine(project.climateCoupling, &installation);
    if (!sine) throw CommandFailure{std::string(kCannotOpenFile.de)};

    const WeatherYear& year = imported.year;
    nlohmann::ordered_json out = {
        {"kind", std::string(weatherKindName(year.kind))},
        {"details", year.details},
        {"location", year.location},
        {"hours", year.temperature.size()},
        {"sourceHours", year.sourceHours},
        {"climateFile", imported.climateFile.string()},
        {"humidityFile", imported.humidityFile ? nlohmann::ordered_json(imported.humidityFile->string()) : nullptr},
        {"format", imported.coupling.format},
        {"headerLines", imported.coupling.headerLines},
    };
    out.update(climateSineSummary(*sine, project));
    if (json) {
        std::cout << out.dump(2) << "\n";
        return;
    }
    std::cout << weatherKindName(year.kind) << (year.details.empty() ? "" : " (" + year.details + ")") << "\n"
              << "  location            " << (year.location.empty() ? "-" : year.location) << "\n"
              << "  hours               " << year.temperature.size()
              << (year.sourceHours != kHoursPerYear ? " (29 February left out)" : "") << "\n"
              << "  climate file        " << imported.climateFile.string() << "  (" << imported.coupling.format << ", "
              << imported.coupling.headerLines << " header lines)\n"
              << "  humidity file       " << (imported.humidityFile ? imported.humidityFile->string() : "-") << "\n"
              << "  monthly means      ";
    for (long double m : sine->monthlyMeans) std::cout << " " << formatFixed(m, 2);
    std::cout << "\n";
    for (const char* key : {"max_monatsmittel", "jahresmittel", "min_monatsmittel"})
        std::cout << "  " << key << std::string(20 - std::string(key).size(), ' ') << formatFixed(out[key].get<double>(), 2) << "\n";
    std::cout << "  Sinusspitze         " << project.getInt(Param::tag_sinusspitze) << ". "
              << monthName(project.getInt(Param::monat_sinusspitze), false) << "\n";
}

}  // namespace

CommandAction importWeatherCommand(CLI::App& command)
{
    struct Line {
        std::string source, target;
        bool json = false;
    };
    const auto line = std::make_shared<Line>();
    command.add_option("IN", line->source, "the weather file: a test reference year (TRY 2011, 2015/2045) or EPW")
        ->type_name("")
        ->required();
    command.add_option("OUT.met", line->target, "the climate file to write; the humidity goes into OUT.hum beside it")
        ->type_name("")
        ->required();
    command.add_flag("--json", line->json, "print what the file holds as JSON (else as a table)");
    return [line] {
        importWeather(line->source, line->target, line->json);
        return 0;
    };
}

}  // namespace talp::cli
