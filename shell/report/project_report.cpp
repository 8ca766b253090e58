#include "shell/report/project_report.h"

#include <filesystem>

#include "climate/climate_model.h"
#include "climate/regions.h"
#include "core/hvac.h"
#include "core/numeric.h"
#include "core/soil.h"
#include "shell/lang_haupt.h"

namespace talp {

std::string ReportLine::text() const
{
    std::string joined;
    for (const ReportRun& run : runs) joined += run.text;
    return joined;
}

namespace {

constexpr std::string_view kIndent = "    ";

// Builds the lines of one page after the other. Every line but the first heading is the
// indent, the label, a blank and the value with its unit; a label without a value ends
// with the blank.
class ReportWriter {
public:
    explicit ReportWriter(Language language) : language_(language) {}

    std::string label(std::size_t index) const { return std::string(TLang_Haupt(index, language_)); }

    void startPage(const std::string& header, std::size_t title)
    {
        report_.pages.emplace_back();
        add(ReportLine{kReportHeaderSize, true, {{header}}});
        for (int i = 0; i < 3; ++i) empty();
        add(ReportLine{kReportTitleSize, false, {{label(title) + " "}}});
        empty();
    }
    void firstHeading(std::size_t index) { add(ReportLine{kReportBodySize, false, {{label(index)}}}); }
    void labelOnly(std::size_t index) { line(label(index) + " "); }
    void value(std::size_t index, const std::string& value, std::string_view unit = {})
    {
        line(label(index) + " " + value + std::string(unit));
    }
    void line(const std::string& text) { add(ReportLine{kReportBodySize, false, {{std::string(kIndent) + text}}}); }
    void runs(std::vector<ReportRun> pieces)
    {
        pieces.front().text.insert(0, kIndent);
        add(ReportLine{kReportBodySize, false, std::move(pieces)});
    }
    void empty() { add(ReportLine{}); }

    ProjectReport take() { return std::move(report_); }

private:
    void add(ReportLine line) { report_.pages.back().push_back(std::move(line)); }

    Language language_;
    ProjectReport report_;
};

std::string fixed(long double value, int decimals) { return formatFixed(value, decimals); }
std::string whole(const Project& p, Param id) { return std::to_string(p.getInt(id)); }
std::string fileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

std::string pageHeader(const ReportSource& s, const ReportWriter& w)
{
    if (s.projectPath.empty()) return w.label(6);
    return "TALP - " + fileNameOf(s.projectPath) + " " + w.label(8);
}

void pipeSection(ReportWriter& w, const Project& p)
{
    w.firstHeading(10);
    w.value(11, whole(p, Param::rohranzahl));
    w.value(12, fixed(p.get(Param::rohrlnge), 2), " m");
    w.value(13, fixed(p.get(Param::rohrdurchmesser), 0), " mm");
    // A single pipe has no neighbour: its spacing means nothing and is not listed.
    if (p.getInt(Param::rohranzahl) > 1) w.value(76, fixed(p.get(Param::AbstandzwRohren), 1), " m");
    w.value(14, fixed(p.get(Param::verlegungstiefe), 2), " m");
    w.value(15, fixed(p.get(Param::AbsGebaeude), 2), " m");
    w.labelOnly(p.isChecked(Param::VentilatorVor) ? 16 : 77);
    w.empty();
}

void soilSection(ReportWriter& w, const Project& p, Language language)
{
    w.labelOnly(17);
    w.value(18, soilTypeName(p.erdreich, language));
    w.value(19, fixed(p.get(Param::dichte), 2), " kg/m³");
    w.value(20, fixed(p.get(Param::wrmekapazitt), 2), " kJ/(kg K)");
    w.value(21, fixed(p.get(Param::wrmeleitfhigkeit), 2), " W/(m K)");
    w.value(22, fixed(p.get(Param::Grundwassertiefe), 2), " m");
    w.empty();
}

std::string regionBoxText(const Project& p)
{
    const int region = p.getInt(Param::klimaregion) + 1;
    return std::string(isRegionNumber(region) ? climateRegion(region).item : kNoRegionChosen);
}

void climateSection(ReportWriter& w, const Project& p, Language language)
{
    w.labelOnly(23);
    if (p.klimaModell == kRegionModel) w.value(24, regionBoxText(p));
    else if (p.klimaModell == kFileModel || p.klimaModell == kStationModel)
        w.value(79, fileNameOf(p.lastClimateCoupling.fileName));
    else w.labelOnly(78);
    w.value(25, fixed(p.get(Param::max_monatsmittel), 1), " °C");
    w.value(26, fixed(p.get(Param::jahresmittel), 1), " °C");
    w.value(27, fixed(p.get(Param::min_monatsmittel), 1), " °C");
    w.value(28, std::string(monthName(p.getInt(Param::monat_sinusspitze), language == Language::English)));
    w.value(29, whole(p, Param::tag_sinusspitze));
    w.empty();
}

// An HVAC input the building file supplies is listed as coming from the file.
void valueOrFromFile(ReportWriter& w, bool visible, std::size_t index, const std::string& value, std::string_view unit)
{
    if (visible) w.value(index, value, unit);
    else w.value(index, w.label(87) + " ");
}

void hvacSection(ReportWriter& w, const Project& p)
{
    const HvacVisibility shown = hvacVisibility(p);
    const FanDisplay fan = VentLstgUpdate(p);
    const bool byRange = shown.controlChoice && p.isChecked(Param::EWT_Reg_offset);

    w.labelOnly(30);
    if (p.HlkModus == "sim") w.value(31, fileNameOf(p.buildingCoupling.fileName));
    else w.labelOnly(80);
    const auto flowInput = [&](std::size_t index, std::size_t fromFile, Param id, std::string_view unit) {
        if (shown.flowInputs) w.value(index, fixed(p.get(id), 2), unit);
        else w.labelOnly(fromFile);
    };
    flowInput(32, 81, Param::geb_vol, " m³");
    flowInput(33, 82, Param::luftwechsel, " 1/h");
    flowInput(34, 83, Param::luftstrom, " m³/h");

    if (byRange) {
        w.labelOnly(35);
        valueOrFromFile(w, shown.setPoint, 36, fixed(p.get(Param::solltemp), 1), " °C");
        w.value(37, fixed(p.get(Param::heizgrenztemp), 1), " °C");
        w.value(38, fixed(p.get(Param::kuehlgrenztemp), 1), " °C");
        w.value(39, fixed(p.get(Param::EWT_offset), 1), " K");
    } else {
        w.labelOnly(shown.controlChoice ? 84 : 85);
    }

    if (shown.fixedPressureDrop) w.value(40, fixed(p.get(Param::druckabfallPa_fest), 2), " Pa");
    else w.labelOnly(86);

    if (shown.fanDisplays) {
        // The pressure drop of the whole pipe is taken unrounded, so that it adds up with
        // the fixed pressure drop to the total below; the shortened per-metre value would not.
        const long double pipeDrop = BerechneVentLstg(p, p.getInt(Param::rohranzahl), p.get(Param::rohrdurchmesser) / 2.0L,
                                                      p.get(Param::rohrlnge), p.get(Param::luftstrom))
                                         .pipePressureDrop;
        w.runs({{w.label(41) + " " + fan.druckabfallPam + " Pa/m "}, {"≈ ", true}, {fixed(pipeDrop, 2) + " Pa"}});
        w.value(42, fan.druckabfallPa_Ges, " Pa");
    } else {
        w.value(41, w.label(87) + " ");
        w.value(42, w.label(87) + " ");
    }
    valueOrFromFile(w, shown.efficiency, 43, fixed(p.get(Param::wirkungsgrad), 2), "");
    if (shown.fanDisplays) {
        w.value(44, fan.ventilatorleistungW, " W; ");
        w.value(45, fan.ventilatorleistung, " Wh/m³");
    } else {
        w.value(44, w.label(87));
        w.value(45, w.label(87));
    }
    if (byRange) {
        w.empty();
        w.line(w.label(46));
    }
}

void costSection(ReportWriter& w, const Project& p)
{
    w.empty();
    w.labelOnly(47);
    w.value(48, fixed(p.get(Param::rohrpreis), 2), " € / m");
    w.value(49, fixed(p.get(Param::grabungspreis), 2), " € / m³");
    w.value(50, whole(p, Param::fest_inv), " €");
    w.value(51, fixed(p.get(Param::wartungskosten_pz), 2) + "% " + w.label(52) + " " +
                    fixed(p.get(Param::wartungskosten_dm), 2),
            " € / a");
    w.value(53, whole(p, Param::lebensdauer), " a");
    w.empty();
    w.labelOnly(54);
    w.value(55, whole(p, Param::heizpreis), " ct/kWh");
    w.value(56, whole(p, Param::khlpreis), " ct/kWh");
    w.value(57, whole(p, Param::strompreis), " ct/kWh");
    w.empty();
    w.labelOnly(58);
    w.value(59, fixed(p.get(Param::zinssatz), 2), " %");
    w.value(60, fixed(p.get(Param::inflation), 2), " %");
    w.value(61, fixed(p.get(Param::einflation), 2), " %");
}

// The outlet extremes keep their start values (-100 °C, 100 °C) when the exchanger never
// ran: there is no temperature after it to report.
void annualSection(ReportWriter& w, const SimulationResults& r)
{
    w.labelOnly(63);
    w.value(64, fixed(r.HeatingEnergy, 1), " kWh");
    w.value(65, fixed(r.CoolingEnergy, 1), " kWh");
    w.value(66, fixed(r.MaxOutdoorTemp, 1), " °C");
    if (r.MaxOutletTemp <= -100) w.labelOnly(67);
    else w.value(67, fixed(r.MaxOutletTemp, 1), " °C");
    w.value(68, fixed(r.MinOutdoorTemp, 1), " °C");
    if (r.MinOutletTemp >= 100) w.labelOnly(69);
    else w.value(69, fixed(r.MinOutletTemp, 1), " °C");
    w.value(70, fixed(r.OperatingHours, 0), " h/a");
    w.empty();
}

// An indicator without a value (no internal rate found, no lifetime, no energy delivered)
// prints dashes instead of its stand-in number.
void economicsSection(ReportWriter& w, const EconomicsResults& e)
{
    constexpr std::string_view kNone = "--";
    w.labelOnly(71);
    if (!e.paysBack()) {
        w.value(72, "> 100 a");
        for (std::size_t index : {73, 74, 75}) w.value(index, std::string(kNone));
        return;
    }
    w.value(72, fixed(e.Amortisationszeit, 1), " a");
    if (e.annuityHasValue) w.value(73, fixed(e.Annuitaet, 2), " € pro Jahr");
    else w.value(73, std::string(kNone));
    if (e.hasInternalRate()) w.value(74, fixed(e.InternerZinssatz, 1), " %");
    else w.value(74, std::string(kNone));
    if (e.energyPriceHasValue) w.value(75, fixed(e.Energiepreis, 2), " € pro kWh");
    else w.value(75, std::string(kNone));
}

}  // namespace

ProjectReport projectReport(const ReportSource& source)
{
    const Project& p = source.project;
    ReportWriter w(source.language);
    const std::string header = pageHeader(source, w);

    w.startPage(header, 9);
    pipeSection(w, p);
    soilSection(w, p, source.language);
    climateSection(w, p, source.language);
    hvacSection(w, p);
    costSection(w, p);

    if (source.results && source.economics) {
        w.startPage(header, 62);
        annualSection(w, *source.results);
        economicsSection(w, *source.economics);
    }
    return w.take();
}

}  // namespace talp
