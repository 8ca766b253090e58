// talp-cli sweep: the parameter study, one line per variant of the grid.

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/figures_json.h"
#include "cli/project_source.h"
#include "cli/climate_options.h"
#include "core/numeric.h"
#include "evaluation/parameter_study.h"
#include "files/hourly_file.h"

namespace talp::cli {

namespace {

// A grid beyond this runs for hours on a desktop machine; the user confirms it with --yes.
constexpr std::uint64_t kConfirmedGrid = 100000;

struct Line {
    ProjectArguments project;  // its name=value words hold the ranges as well
    std::string csv;
    std::string language = "de";
    bool json = false;
    bool yes = false;
    int threads = 0;
};

bool isRange(const std::string& word) { return word.find("..") != std::string::npos; }

std::vector<StudyAxis> axesOf(const std::vector<std::string>& words)
{
    std::vector<StudyAxis> axes;
    for (const std::string& word : words) {
        if (!isRange(word)) continue;
        auto parsed = parseStudyAxis(word);
        if (const auto* fault = std::get_if<std::string>(&parsed)) throw UsageError{*fault};
        const StudyAxis& axis = std::get<StudyAxis>(parsed);
        if (const auto fault = axisFault(axis)) throw UsageError{*fault};
        for (const StudyAxis& earlier : axes)
            if (earlier.param == axis.param) throw UsageError{"'" + axis.name + "' is given two ranges"};
        axes.push_back(axis);
    }
    if (axes.empty()) throw UsageError{"no range NAME=FROM..TO:STEP given"};
    return axes;
}

// One variant as a line of the text table: its inputs and the figures, 3 decimals each.
std::string textLine(const StudyPoint& point)
{
    std::string line;
    for (const long double value : point.values) line += formatGeneral(value) + "\t";
    if (!point.run.ok) return line + (point.run.messages.empty() ? std::string() : std::string(point.run.messages.front().text.de));
    const nlohmann::ordered_json figures = figuresJson(point.run.figures, true);
    for (const auto& [key, value] : figures.items())
        line += (value.is_null() ? std::string("-") : formatFixed(value.get<double>(), 3)) + "\t";
    line.pop_back();
    return line;
}

int sweep(const Line& line)
{
    const std::vector<StudyAxis> axes = axesOf(line.project.assignments);
    ProjectArguments baseArguments = line.project;
    std::erase_if(baseArguments.assignments, isRange);
    const Project base = projectOf(baseArguments);

    const std::uint64_t size = gridSize(axes);
    if (size > kConfirmedGrid && !line.yes)
        throw UsageError{"the grid has " + std::to_string(size) + " variants; give --yes to calculate them all"};

    StudyRequest request;
    request.threads = line.threads;
    request.variant.openHourlyFile = hourlyFileOpener(&cliInstallation());
    request.variant.installation = &cliInstallation();
    const std::vector<StudyPoint> points = runStudy(base, axes, request);

    bool failed = false;
    if (!line.json) {
        std::string header;
        for (const StudyAxis& axis : axes) header += axis.name + "\t";
        for (const FigureSpec& entry : figureTable()) header += std::string(entry.key) + "\t";
        header.pop_back();
        std::cout << header << "\n";
    }
    for (const StudyPoint& point : points) {
        failed = failed || !point.run.ok;
        if (!line.json) {
            std::cout << textLine(point) << "\n";
            continue;
        }
        nlohmann::ordered_json json;
        for (std::size_t a = 0; a < axes.size(); ++a) json[axes[a].name] = num(point.values[a]);
        if (point.run.ok) json.update(figuresJson(point.run.figures, true));
        else json["error"] = point.run.messages.empty() ? std::string() : std::string(point.run.messages.front().text.de);
        std::cout << json.dump() << "\n";
    }
    if (!line.csv.empty()) {
        const Language language = line.language == "en" ? Language::English : Language::German;
        if (const auto fault = writeCsvFile(line.csv, studyTable(axes, points, language), language))
            throw CommandFailure{fault->technical()};
    }
    return failed ? 1 : 0;
}

}  // namespace

CommandAction sweepCommand(CLI::App& command)
{
    const auto line = std::make_shared<Line>();
    addProjectArguments(command, line->project);
    command.add_option("--csv", line->csv, "write the study as a CSV file for a spreadsheet")->type_name("OUT.csv");
    command.add_option("--lang", line->language, "the CSV file's headings and separators: de (the default) or en")
        ->type_name("de|en")
        ->check(CLI::IsMember({"de", "en"}).description(""));
    command.add_flag("--json", line->json, "print each variant as one line of JSON (else as a table)");
    command.add_flag("--yes", line->yes, "calculate a grid of more than 100 000 variants");
    command.add_option("--threads", line->threads, "variants calculated side by side (default: one per core)")
        ->type_name("N")
        ->transform(WholeNumber(1, 1024));
    command.footer(command.get_footer() + "\n" + "Ranges are NAME=FROM..TO:STEP (without :STEP the input's own step), e.g. rohrlnge=40..60:5\n"
                   "rohrdurchmesser=200..300:50; each is an input by its control name (talp-cli params lists them).\n"
                   "Other name=value words set an input of every variant. Each line has the inputs and the\n"
                   "figures of run --json, and the air velocity in the pipes (AirVelocity, m/s).");
    return [line] { return sweep(*line); };
}

}  // namespace talp::cli
