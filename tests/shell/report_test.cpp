// The project report's lines: which inputs and results are listed, in which words, and
// when the second page is printed; the calculation the report runs first; the size of a
// window's picture on the page.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/hvac.h"
#include "core/numeric.h"
#include "core/parameters.h"
#include "shell/report/form_picture.h"
#include "shell/report/project_report.h"
#include "shell/report/report_calculation.h"

namespace talp {
namespace {

std::vector<std::string> texts(const ReportPage& page)
{
    std::vector<std::string> lines;
    for (const ReportLine& line : page) lines.push_back(line.text());
    return lines;
}

bool has(const ReportPage& page, const std::string& text)
{
    const std::vector<std::string> lines = texts(page);
    return std::find(lines.begin(), lines.end(), text) != lines.end();
}

bool mentions(const ReportPage& page, const std::string& part)
{
    for (const std::string& line : texts(page))
        if (line.find(part) != std::string::npos) return true;
    return false;
}

struct Inputs {
    Project project;
    SimulationResults results;
    EconomicsResults economics;

    Inputs()
    {
        economics.Amortisationszeit = 12.34L;
        economics.InternerZinssatz = 7.26L;
        economics.Annuitaet = 123.456L;
        economics.annuityHasValue = true;
        economics.Energiepreis = 0.0567L;
        economics.energyPriceHasValue = true;
        results.HeatingEnergy = 4321.06L;
        results.CoolingEnergy = 987.64L;
        results.MaxOutdoorTemp = 31.96L;
        results.MinOutdoorTemp = -12.04L;
        results.MaxOutletTemp = 22.5L;
        results.MinOutletTemp = 4.26L;
        results.OperatingHours = 3456;
    }

    ProjectReport report(Language language = Language::German, std::string path = {}, bool calculated = true) const
    {
        return projectReport(ReportSource{project, std::move(path), language, calculated ? &results : nullptr,
                                          calculated ? &economics : nullptr});
    }
};

TEST(ProjectReport, FirstPageListsThePipesSoilAndCostsWithTheirUnits)
{
    Inputs in;
    in.project.set(Param::rohranzahl, 3);
    in.project.set(Param::AbstandzwRohren, 1.3L);
    in.project.set(Param::wartungskosten_pz, 2.5L);
    in.project.set(Param::wartungskosten_dm, 25);
    const ReportPage page = in.report().pages.at(0);

    EXPECT_EQ(page.at(0).text(), "Talp - [Unbenannt] Projektdaten -");
    EXPECT_EQ(page.at(0).fontSize, kReportHeaderSize);
    EXPECT_TRUE(page.at(0).centred);
    EXPECT_TRUE(page.at(1).runs.empty() && page.at(2).runs.empty() && page.at(3).runs.empty());
    EXPECT_EQ(page.at(4).text(), "Eingabedaten: ");
    EXPECT_EQ(page.at(4).fontSize, kReportTitleSize);
    EXPECT_TRUE(page.at(5).runs.empty());
    // The first heading stands at the margin; every later line is indented.
    EXPECT_EQ(page.at(6).text(), "Eigenschaften des Erdwärmeaustauschers");
    EXPECT_EQ(page.at(7).text(), "    Rohranzahl: 3");
    EXPECT_EQ(page.at(8).text(), "    Rohrlänge: 50.00 m");
    EXPECT_EQ(page.at(9).text(), "    Rohrdurchmesser: 500 mm");
    EXPECT_EQ(page.at(10).text(), "    Abstand zwischen den Rohren: 1.3 m");
    EXPECT_EQ(page.at(11).text(), "    Verlegungstiefe: 2.00 m");
    EXPECT_EQ(page.at(12).text(), "    Abstand zum Gebäude: 5.00 m");
    EXPECT_EQ(page.at(13).text(), "    Ventilator vor Erdwärmeaustauscher: ");

    EXPECT_TRUE(has(page, "    Eigenschaften des Erdreichs "));
    EXPECT_TRUE(has(page, "    Bodentyp: lehmig feucht"));
    EXPECT_TRUE(has(page, "    Dichte: 1800.00 kg/m³"));
    EXPECT_TRUE(has(page, "    Wärmeleitfähigkeit: 1.00 W/(m K)"));
    EXPECT_TRUE(has(page, "    Rohrpreis: 5.00 € / m"));
    EXPECT_TRUE(has(page, "    Grabungskosten: 70.00 € / m³"));
    EXPECT_TRUE(has(page, "    Feste Investitionen: 1000 €"));
    EXPECT_TRUE(has(page, "    Wartungskosten: 2.50% der festen Investitionen = 25.00 € / a"));
    EXPECT_TRUE(has(page, "    Heizpreis: 8 ct/kWh"));
    EXPECT_TRUE(has(page, "    Zinssatz: 8.00 %"));
    EXPECT_EQ(page.back().text(), "    Energiepreisinflation: 5.00 %");
    for (std::size_t i = 5; i < page.size(); ++i) EXPECT_EQ(page[i].fontSize, kReportBodySize) << i;
}

TEST(ProjectReport, OnePipeHasNoSpacingAndAFanAfterTheExchangerIsNamed)
{
    Inputs in;
    in.project.set(Param::rohranzahl, 1);
    in.project.set(Param::VentilatorVor, 0);
    const ReportPage page = in.report().pages.at(0);
    EXPECT_FALSE(mentions(page, "Abstand zwischen den Rohren"));
    EXPECT_EQ(page.at(10).text(), "    Verlegungstiefe: 2.00 m");
    EXPECT_TRUE(has(page, "    Ventilator nach Erdwärmeaustauscher: "));
}

// The soil type prints as the soil window shows it: a preset's and "user-defined"'s name
// in the report's language whichever language stored it, a name the user typed as typed.
TEST(ProjectReport, SoilTypeIsPrintedInTheReportsLanguage)
{
    struct Case {
        std::string stored;
        Language language;
        std::string printed;
    };
    for (const Case& c : {Case{"Sand trocken", Language::English, "    Type of soil: dry sand"},
                          Case{"lehmig feucht", Language::English, "    Type of soil: moist loamy soil"},
                          Case{"dry sand", Language::German, "    Bodentyp: Sand trocken"},
                          Case{"Sand trocken", Language::German, "    Bodentyp: Sand trocken"},
                          Case{"benutzerdefiniert", Language::English, "    Type of soil: user-defined"},
                          Case{"user-defined", Language::German, "    Bodentyp: benutzerdefiniert"},
                          Case{"Löss am Hang", Language::English, "    Type of soil: Löss am Hang"},
                          Case{"", Language::English, "    Type of soil: "}}) {
        Inputs in;
        in.project.erdreich = c.stored;
        EXPECT_TRUE(has(in.report(c.language).pages.at(0), c.printed)) << c.stored;
    }
}

TEST(ProjectReport, NamedProjectHeaderCarriesTheFileNameWithoutItsFolder)
{
    Inputs in;
    const ProjectReport report = in.report(Language::German, "/home/planer/Projekte/Schule Nord.tlp");
    EXPECT_EQ(report.pages.at(0).at(0).text(), "TALP - Schule Nord.tlp Projektdaten - ");
    EXPECT_EQ(report.pages.at(1).at(0).text(), "TALP - Schule Nord.tlp Projektdaten - ");
}

TEST(ProjectReport, ClimateModelLineNamesTheRegionTheSineOrTheFile)
{
    Inputs in;
    in.project.klimaModell = "region";
    in.project.set(Param::klimaregion, 5);
    in.project.set(Param::monat_sinusspitze, 6);
    in.project.set(Param::tag_sinusspitze, 20);
    ReportPage page = in.report().pages.at(0);
    EXPECT_TRUE(mentions(page, "    Temperaturmodell: Klimaregion, Name: 6   Nördlicher Oberrheingraben"));
    EXPECT_TRUE(has(page, "    Monat mit Sinusspitze: Juli"));
    EXPECT_TRUE(has(page, "    Tag mit Sinusspitze: 20"));
    EXPECT_TRUE(has(page, "    maximale Monatsmitteltemperatur: 18.0 °C"));

    in.project.klimaModell = "sin";
    EXPECT_TRUE(has(in.report().pages.at(0), "    Temperaturmodell: Sinusverlauf "));

    in.project.klimaModell = "euro";
    in.project.lastClimateCoupling.fileName = "sys/_klima10384.met";
    EXPECT_TRUE(has(in.report().pages.at(0), "    Temperaturmodell: Datei, Dateiname: _klima10384.met"));
    in.project.klimaModell = "sim";
    in.project.lastClimateCoupling.fileName = "/daten/wetter/station.dat";
    page = in.report(Language::English).pages.at(0);
    EXPECT_TRUE(has(page, "    Temperature model: file, filename: station.dat"));
    EXPECT_TRUE(has(page, "    Month with maximum temperature: July"));
}

TEST(ProjectReport, TemperatureRangeControlListsItsLimitsAndTheOffsetFootnote)
{
    Inputs in;
    in.project.set(Param::EWT_Reg_offset, 1);
    in.project.set(Param::EWT_offset, 1.5L);
    ReportPage page = in.report().pages.at(0);
    EXPECT_TRUE(has(page, "    Gebäudeberechnung: Quasi-stationär "));
    EXPECT_TRUE(has(page, "    Gebäudevolumen: 1000.00 m³"));
    EXPECT_TRUE(has(page, "    künstlicher Luftwechsel: 1.00 1/h"));
    EXPECT_TRUE(has(page, "    Ventilationsstrom: 1000.00 m³/h"));
    EXPECT_TRUE(has(page, "    EWT-Regelung über Temperaturbereich: "));
    EXPECT_TRUE(has(page, "    Solltemperatur: 20.0 °C"));
    EXPECT_TRUE(has(page, "    Heizgrenztemperatur: 18.0 °C"));
    EXPECT_TRUE(has(page, "    Kühlgrenztemperatur: 25.0 °C"));
    EXPECT_TRUE(has(page, "    EWT-Temperaturoffset*: 1.5 K"));
    EXPECT_TRUE(has(page, "    Fester Druckabfall: 1.00 Pa"));
    EXPECT_TRUE(has(page, "    Ventilatorwirkungsgrad: 1.00"));
    EXPECT_TRUE(mentions(page, "    * Der EWT wird benutzt, wenn die Zuluft"));

    in.project.set(Param::EWT_Reg_offset, 0);
    page = in.report().pages.at(0);
    EXPECT_TRUE(has(page, "    EWT-Regelung nach Zeitraum "));
    EXPECT_FALSE(mentions(page, "Solltemperatur"));
    EXPECT_FALSE(mentions(page, "* Der EWT"));
}

TEST(ProjectReport, PipePressureDropShowsTheWholePipeBehindARaisedApproximateSign)
{
    Inputs in;
    in.project.set(Param::rohrdurchmesser, 200);
    in.project.set(Param::rohrlnge, 40);
    const FanDisplay fan = VentLstgUpdate(in.project);
    const ReportPage page = in.report().pages.at(0);
    const auto line = std::find_if(page.begin(), page.end(), [](const ReportLine& l) { return l.runs.size() > 1; });
    ASSERT_NE(line, page.end());
    ASSERT_EQ(line->runs.size(), 3u);
    EXPECT_EQ(line->runs[0].text, "    Druckabfall im Rohr: " + fan.druckabfallPam + " Pa/m ");
    EXPECT_TRUE(line->runs[1].raised);
    EXPECT_EQ(line->runs[1].text, "≈ ");
    // The whole pipe's drop and the fixed drop add up to the total.
    const long double pipeDrop = BerechneVentLstg(in.project, 2, 100, 40, 1000).pipePressureDrop;
    EXPECT_EQ(line->runs[2].text, formatFixed(pipeDrop, 2) + " Pa");
    EXPECT_EQ(fan.druckabfallPa_Ges, KuerzeDezimalen(formatGeneral(1 + pipeDrop)));
    EXPECT_FALSE(line->runs[0].raised || line->runs[2].raised);
    EXPECT_TRUE(has(page, "    Gesamter Druckabfall: " + fan.druckabfallPa_Ges + " Pa"));
    EXPECT_TRUE(has(page, "    Ventilatorleistung " + fan.ventilatorleistungW + " W; "));
    EXPECT_TRUE(has(page, "    Spez. Energie: " + fan.ventilatorleistung + " Wh/m³"));
}

TEST(ProjectReport, ValuesFromTheBuildingFileArePrintedAsComingFromTheFile)
{
    Inputs in;
    in.project.HlkModus = "sim";
    in.project.buildingCoupling.valid = true;
    in.project.buildingCoupling.fileName = "/sim/buero_lueftung.txt";
    in.project.buildingCoupling.columnCount = 2;
    in.project.buildingCoupling.columns[0] = ColumnDescriptor{9, 4, 1, 'V'};
    in.project.buildingCoupling.columns[1] = ColumnDescriptor{1, 4, 1, 'P'};
    ReportPage page = in.report().pages.at(0);
    EXPECT_TRUE(has(page, "    Gebäudeberechnung: Datei, Dateiname: buero_lueftung.txt"));
    EXPECT_TRUE(has(page, "    Gebäudevolumen: aus Datei "));
    EXPECT_TRUE(has(page, "    künstlicher Luftwechsel: aus Datei "));
    EXPECT_TRUE(has(page, "    Ventilationsstrom: aus Datei "));
    EXPECT_TRUE(has(page, "    EWT-Regelung aus Datei "));
    EXPECT_TRUE(has(page, "    Fester Druckabfall: aus Datei "));
    EXPECT_TRUE(has(page, "    Druckabfall im Rohr: aus Datei "));
    EXPECT_TRUE(has(page, "    Gesamter Druckabfall: aus Datei "));
    EXPECT_TRUE(has(page, "    Ventilatorleistung aus Datei"));
    EXPECT_TRUE(has(page, "    Spez. Energie: aus Datei"));
    EXPECT_FALSE(mentions(page, "≈"));

    // Only the set point from the file: the range control stays, its set point comes from the file.
    in.project.buildingCoupling.columnCount = 1;
    in.project.buildingCoupling.columns[0] = ColumnDescriptor{9, 4, 1, 'S'};
    page = in.report(Language::English).pages.at(0);
    EXPECT_TRUE(has(page, "    Ventilation flow: 1000.00 m³/h"));
    EXPECT_TRUE(has(page, "    EHX control by temperature range: "));
    EXPECT_TRUE(has(page, "    Set point temperature: from file "));
    EXPECT_TRUE(has(page, "    Boundary value for heating: 18.0 °C"));
}

TEST(ProjectReport, SecondPageListsTheAnnualAndEconomicResults)
{
    Inputs in;
    const ProjectReport report = in.report();
    ASSERT_EQ(report.pages.size(), 2u);
    const ReportPage& page = report.pages[1];
    EXPECT_EQ(page.at(4).text(), "Ausgabedaten: ");
    EXPECT_EQ(page.at(4).fontSize, kReportTitleSize);
    EXPECT_EQ(page.at(6).text(), "    Jahresauswertung - Erdwärmeaustauscher ");
    const std::vector<std::string> expected{
        "    Wärmeaufnahme: 4321.1 kWh", "    Wärmeabgabe: 987.6 kWh",        "    Max. Temp. vor EWT: 32.0 °C",
        "    Max. Temp. nach EWT: 22.5 °C", "    Min. Temp. vor EWT: -12.0 °C", "    Min Temp. nach EWT: 4.3 °C",
        "    Betriebsdauer: 3456 h/a",  "",
        "    Jahresauswertung - Kosten ", "    Amortisationszeit: 12.3 a",    "    Annuität: 123.46 € pro Jahr",
        "    interner Zinssatz: 7.3 %",  "    Energiepreis: 0.06 € pro kWh"};
    const std::vector<std::string> lines = texts(page);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 7, lines.end()), expected);
}

TEST(ProjectReport, PaybackOfAHundredYearsOrMorePrintsDashes)
{
    Inputs in;
    in.economics.Amortisationszeit = kPaybackHorizon;
    for (Language language : {Language::German, Language::English}) {
        const ReportPage page = in.report(language).pages.at(1);
        const std::vector<std::string> lines = texts(page);
        const std::vector<std::string> tail(lines.end() - 4, lines.end());
        if (language == Language::German)
            EXPECT_EQ(tail, (std::vector<std::string>{"    Amortisationszeit: > 100 a", "    Annuität: --",
                                                       "    interner Zinssatz: --", "    Energiepreis: --"}));
        else
            EXPECT_EQ(tail, (std::vector<std::string>{"    Payback time: > 100 a", "    Annuity: --",
                                                       "    Internal interest rate: --", "    Energy costs: --"}));
    }
}

TEST(ProjectReport, IndicatorsWithoutAValuePrintDashesInsteadOfTheirStandIns)
{
    Inputs in;
    in.economics.InternerZinssatz = kNoInternalRate;
    in.economics.annuityHasValue = false;
    in.economics.energyPriceHasValue = false;
    const std::vector<std::string> lines = texts(in.report().pages.at(1));
    EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
              (std::vector<std::string>{"    Amortisationszeit: 12.3 a", "    Annuität: --", "    interner Zinssatz: --",
                                        "    Energiepreis: --"}));
}

TEST(ProjectReport, AnExchangerThatNeverRanHasNoOutletTemperatures)
{
    Inputs in;
    in.results.MaxOutletTemp = -100;
    in.results.MinOutletTemp = 100;
    const ReportPage page = in.report().pages.at(1);
    EXPECT_TRUE(has(page, "    Max. Temp. nach EWT: "));
    EXPECT_TRUE(has(page, "    Min Temp. nach EWT: "));
}

TEST(ProjectReport, WithoutASuccessfulCalculationTheReportEndsAfterTheInputs)
{
    Inputs in;
    EXPECT_EQ(in.report(Language::German, {}, false).pages.size(), 1u);
}

TEST(ReportCalculation, OutOfDateResultsAreCalculatedAndGiveTheSecondPage)
{
    Session session{Installation{}};
    session.project.set(Param::rohrlnge, 30);
    ASSERT_TRUE(session.project.RecalcNeeded);
    const CalculationOutcome outcome = calculateForReport(session);
    EXPECT_TRUE(outcome.success);
    EXPECT_FALSE(session.project.RecalcNeeded);
    EXPECT_FALSE(session.BerechnungFehler);
    EXPECT_GT(session.results->OperatingHours, 0);
    EXPECT_GT(session.economics.Investition, 0);

    const ProjectReport report = sessionReport(session);
    ASSERT_EQ(report.pages.size(), 2u);
    EXPECT_TRUE(has(report.pages[1], "    Betriebsdauer: " + formatFixed(session.results->OperatingHours, 0) + " h/a"));

    // Results that are up to date are not calculated again.
    session.results->OperatingHours = 1;
    calculateForReport(session);
    EXPECT_EQ(session.results->OperatingHours, 1);
}

TEST(ReportCalculation, AFailedCalculationLeavesTheReportAtThePageOfInputs)
{
    Session session{Installation{}};
    session.project.set(Param::verlegungstiefe, 3);
    session.project.set(Param::Grundwassertiefe, 2);
    const CalculationOutcome outcome = calculateForReport(session);
    EXPECT_FALSE(outcome.success);
    ASSERT_FALSE(outcome.messages.empty());
    EXPECT_EQ(outcome.messages.front().text.de, kGroundwaterTooShallow.de);
    EXPECT_TRUE(session.BerechnungFehler);
    // Still out of date: the evaluations must not take the failed run for a result.
    EXPECT_TRUE(session.project.RecalcNeeded);
    EXPECT_EQ(sessionReport(session).pages.size(), 1u);
}

TEST(FormPicture, PortraitPagesTakeThePageWidthLandscapePagesThePageHeight)
{
    // A 640 x 386 window on a portrait A4 page at 600 dpi.
    EXPECT_EQ(formPictureSize(4960, 7016, 640, 386), (PictureSize{4960, 2992}));
    // A tall picture on landscape paper fills the height.
    EXPECT_EQ(formPictureSize(7016, 4960, 400, 500), (PictureSize{3968, 4960}));
}

TEST(FormPicture, APictureNeverRunsOffThePage)
{
    // The wide window on landscape A4: scaled to the height it would be 8224 wide.
    EXPECT_EQ(formPictureSize(7016, 4960, 640, 386), (PictureSize{7016, 4232}));
    // A tall picture on a portrait page.
    EXPECT_EQ(formPictureSize(1000, 1400, 500, 1000), (PictureSize{700, 1400}));
    EXPECT_EQ(formPictureSize(1000, 1400, 0, 10), PictureSize{});
}

}  // namespace
}  // namespace talp
