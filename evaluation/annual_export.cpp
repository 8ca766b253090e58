#include "evaluation/annual_export.h"

#include <functional>

#include "core/numeric.h"
#include "evaluation/export_text_file.h"

namespace talp {

namespace {

constexpr int kSoilAtMiddle = 5;  // the sample of segment 50
constexpr Text kFileError{"Fehler beim Erstellen der Datei.", "File creation error"};

struct Writer {
    Language language;
    std::string text;
    void line(std::string_view content)
    {
        text += content;
        text += '\n';
    }
    // A line in the file's language.
    void heading(const Text& content) { line(content.in(language)); }
};

void head(Writer& w, const Text& title, const std::filesystem::path& projectFile)
{
    w.heading(title);
    w.line("");
    w.line(projectNameLine(Text{"Projektname: ", "Project name: "}.in(w.language), projectFile, " Unbenannt"));
    w.line("");
    w.heading({"Reihenfolge der Parameter:", "Order of parameters:"});
    w.heading({"Monat/Tag/Stunde", "Month/day/hour"});
}

// Every hour of the year in calendar order, with its month, day of the month and day of
// the year.
void forEveryHour(const std::function<void(int month, int day, int dayOfYear, int hour)>& visit)
{
    int dayOfYear = 0;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= kMonthLengths[static_cast<std::size_t>(month - 1)]; ++day) {
            ++dayOfYear;
            for (int hour = 1; hour <= kHoursPerDay; ++hour) visit(month, day, dayOfYear, hour);
        }
}

// Each field is followed by one blank, so that a line ends with a blank.
std::string whole(long long value, int width) { return formatIntWidth(value, width) + " "; }
std::string real(long double value, int width, int decimals) { return formatFixedField(value, width, decimals) + " "; }

// The share of the difference between soil (at segment 50) and outdoor air the exchanger
// brought to the outlet; 0 while it is off, and 0 when soil and outdoor air are equally
// warm, since there was then nothing to exchange.
long double efficiency(const SimulationResults& r, int day, int hour)
{
    if (r.HourlyAirFlow(day, hour) == 0) return 0;
    const long double outdoor = r.HourlyOutdoorTemp(day, hour);
    const long double available = r.SampleSoilTemp(kSoilAtMiddle, (day - 1) * kHoursPerDay + hour) - outdoor;
    return available == 0 ? 0 : (r.HourlyOutletTemp(day, hour) - outdoor) / available;
}

}  // namespace

std::string annualFileText(const SimulationResults& r, const std::filesystem::path& projectFile, Language language)
{
    Writer w{language, {}};
    head(w, {"TALP - Jahresauswertung -", "TALP - annual analysis -"}, projectFile);
    w.heading({"Regelung: EWT an/aus (1/0)", "Control: EHX on/off (1/0)"});
    w.heading({"Ventilationsstrom            m3/h", "Ventilation flow           m3/h"});
    w.heading({"Temperatur vor EWT           °C", "EHX inlet temperature       °C"});
    w.heading({"Temperatur nach EWT          °C", "EHX outlet temperature      °C"});
    w.heading({"Wärmefluß                    kW", "Heat flow                    kW"});
    w.heading({"Ventilatorleistung           W", "Fan power                     W"});
    w.line("");
    w.line("Format = (3(I2,1X), I1, 1X, F6.1, 1X, F4.1, 1X, F4.1, 1X, F6.1, 1X, F4.4, 1X)");
    w.line("");
    forEveryHour([&](int month, int day, int d, int h) {
        const long double flow = r.HourlyAirFlow(d, h);
        w.line(whole(month, 2) + whole(day, 2) + whole(h, 2) + whole(flow != 0 ? 1 : 0, 1) + real(flow, 8, 1) +
               real(r.HourlyOutdoorTemp(d, h), 6, 1) + real(r.HourlyOutletTemp(d, h), 6, 1) +
               real(r.HourlyHeatGain(d, h), 8, 1) + real(r.HourlyFanPower(d, h), 9, 4));
    });
    return w.text;
}

std::string segmentFileText(const SimulationResults& r, long double pipeLength,
                            const std::filesystem::path& projectFile, Language language)
{
    Writer w{language, {}};
    head(w, {"TALP - Segmentauswertung -", "TALP - segmental analysis -"}, projectFile);
    w.heading({"Temperatur vor EWT           °C", "EHX inlet temperature       °C"});
    w.heading({"Temperatur nach EWT          °C", "EHX outlet temperature      °C"});
    w.heading({"Effizienzfaktor              -", "Efficiency factor             -"});
    w.heading({"9x für Segmente 1, 8, 22, 36, 50, 64, 78, 92, 100", "9x for segments 1, 8, 22, 36, 50, 64, 78, 92, 100"});
    w.heading({"   Segmentnummer", "   Segment number"});
    w.heading({"   EWT-Rohrlänge       m", "   EHX pipe length           m"});
    w.heading({"   Lufttemperatur      °C", "   Air temperature           °C"});
    w.heading({"   Rohrtemperatur      °C", "   Pipe temperature          °C"});
    w.heading({"   Erdreichtemperatur  °C", "   Soil temperature          °C"});
    w.line("");
    w.line("Format = (3(I2,1X), F4.1, 1X, F4.1, 1X, F3.2, 1X, 9(I3, 1X, F4.1, 1X, F4.1, 1X, F4.1, 1X, F4.1, 1X))");
    w.line("");
    forEveryHour([&](int month, int day, int d, int h) {
        const int x = (d - 1) * kHoursPerDay + h;
        std::string line = whole(month, 2) + whole(day, 2) + whole(h, 2) + real(r.HourlyOutdoorTemp(d, h), 6, 1) +
                           real(r.HourlyOutletTemp(d, h), 6, 1) + real(efficiency(r, d, h), 6, 2);
        for (int k = 1; k <= kSamples; ++k) {
            const int segment = kSampleSegments[static_cast<std::size_t>(k - 1)];
            line += whole(segment, 3) + real(pipeLength * segment / 100, 6, 1) + real(r.SampleAirTemp(k, x), 6, 1) +
                    real(r.SampleWallTemp(k, x), 6, 1) + real(r.SampleSoilTemp(k, x), 6, 1);
        }
        w.line(line);
    });
    return w.text;
}

std::filesystem::path segmentFileName(const std::filesystem::path& annualFile)
{
    const std::string name = annualFile.string();
    return name.substr(0, name.size() >= 3 ? name.size() - 3 : 0) + "tps";
}

std::vector<Message> exportAnnualEvaluation(const std::filesystem::path& annualFile, const SimulationResults& results,
                                            long double pipeLength, const std::filesystem::path& projectFile,
                                            Language language)
{
    std::vector<Message> failures;
    const Message failed{{"TALP", "TALP"}, kFileError, MessageKind::Error};
    if (!writeExportFile(annualFile, annualFileText(results, projectFile, language))) failures.push_back(failed);
    if (!writeExportFile(segmentFileName(annualFile), segmentFileText(results, pipeLength, projectFile, language)))
        failures.push_back(failed);
    return failures;
}

}  // namespace talp
