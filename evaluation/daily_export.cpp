#include "evaluation/daily_export.h"

#include "core/numeric.h"
#include "evaluation/export_text_file.h"

namespace talp {

namespace {
std::string real(long double value, int width, int decimals) { return formatFixedField(value, width, decimals) + " "; }
}  // namespace

std::string dailyFileText(const SimulationResults& r, const ShownHour& shown, long double pipeLength,
                          const std::filesystem::path& projectFile, Language l)
{
    const int h = shown.hour;
    std::string text;
    const auto line = [&text](std::string_view content) {
        text += content;
        text += '\n';
    };
    line(Text{"TALP - Tagesauswertung -", "TALP - daily analysis -"}.in(l));
    line("");
    line(projectNameLine(Text{"Projektname: ", "Project name: "}.in(l), projectFile, "Unbenannt"));
    line("");
    line(std::to_string(shown.day) + ". " + std::string(monthName(shown.month, l == Language::English)) + ", " +
         std::to_string(h) + ":00");
    line("");
    for (const Text& heading : {Text{"Reihenfolge der Parameter:", "Order of parameters:"},
                                Text{"Segmentnummer", "Segment number"},
                                Text{"EWT-Rohrlänge       m", "EHX pipe length     m"},
                                Text{"Lufttemperatur      °C", "Air temperature     °C"},
                                Text{"Rohrtemperatur      °C", "Pipe temperature    °C"},
                                Text{"Erdreichtemperatur  °C", "Soil temperature    °C"},
                                Text{"Wärmefluß           W/m2", "Heat flux           W/m2"}})
        line(heading.in(l));
    line("");
    line("Format = (I3, 1X, F4.1, 1X, F4.1, 1X, F4.1, 1X, F4.1, 1X, F6.1, 1X)");
    line("");
    for (int s = 1; s <= kSegments; ++s)
        line(formatIntWidth(s, 3) + " " + real(pipeLength * s * 0.01L, 6, 1) + real(r.DayAirTemp(h, s), 6, 1) +
             real(r.DayWallTemp(h, s), 6, 1) + real(r.DaySoilTemp(h, s), 6, 1) +
             real(r.DayHeatFluxDensity(h, s), 8, 1));
    return text;
}

std::optional<Message> exportDailyEvaluation(const std::filesystem::path& file, const SimulationResults& results,
                                             const ShownHour& shown, long double pipeLength,
                                             const std::filesystem::path& projectFile, Language language)
{
    if (writeExportFile(file, dailyFileText(results, shown, pipeLength, projectFile, language))) return std::nullopt;
    return Message{{"TALP", "TALP"}, {"Fehler beim Erstellen der Datei!", "Error while creating file!"}, MessageKind::Error};
}

}  // namespace talp
