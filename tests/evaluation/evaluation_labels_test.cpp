#include <gtest/gtest.h>

#include "evaluation/evaluation_labels.h"

namespace talp {
namespace {

SimulationResults knownSummary()
{
    SimulationResults r;
    r.HeatingEnergy = 1234.56L;
    r.CoolingEnergy = 78.04L;
    r.MaxOutletTemp = 17.26L;
    r.MinOutletTemp = -1.04L;
    r.MaxOutdoorTemp = 24;
    r.MinOutdoorTemp = -6;
    r.HeatingEfficiency = 0.5678L;
    r.CoolingEfficiency = 0.3L;
    r.OperatingHours = 5432;
    return r;
}

EconomicsResults paying()
{
    EconomicsResults e;
    e.Amortisationszeit = 12.345L;
    e.InternerZinssatz = 9.87L;
    e.Annuitaet = 321.456L;
    e.Energiepreis = 0.0456L;
    e.annuityHasValue = e.energyPriceHasValue = true;
    return e;
}

TEST(AnnualLabels, FiguresInBothLanguages)
{
    const AnnualLabels de = annualLabels(knownSummary(), paying(), Language::German);
    EXPECT_EQ(de.LabelWAufnahme, "Wärmeaufnahme: 1234.6 kWh");
    EXPECT_EQ(de.LabelWAbgabe, "Wärmeabgabe: 78.0 kWh");
    EXPECT_EQ(de.LabelMaxEWTTemp, "Max. Temp. nach EWT: 17.3 °C");
    EXPECT_EQ(de.LabelMinEWTTemp, "Min. Temp. nach EWT: -1.0 °C");
    EXPECT_EQ(de.LabelMaxEWTTempvor, "Max. Temp. vor EWT: 24.0 °C");
    EXPECT_EQ(de.LabelMinEWTTempvor, "Min. Temp. vor EWT: -6.0 °C");
    EXPECT_EQ(de.LabelEffizienzHeizen, "Effizienzfaktor Heizbetrieb: 0.57");
    EXPECT_EQ(de.LabelEffizienzKuehlen, "Effizienzfaktor Kühlbetrieb: 0.30");
    EXPECT_EQ(de.LabelBetriebsdauer, "Betriebsdauer: 5432 h/a");
    EXPECT_EQ(de.LabelAmortZeit, "Amortisationszeit: 12.3 a");
    EXPECT_EQ(de.LabelIntZins, "Interner Zinssatz: 9.9 %");
    EXPECT_EQ(de.LabelAnnu, "Annuität: 321.46 € / a");
    EXPECT_EQ(de.LabelEWTEPreis, "Energiepreis: 0.05 € / kWh");
    EXPECT_EQ(lifetimeLabel(25, Language::German), "Lebensdauer: 25 a");

    const AnnualLabels en = annualLabels(knownSummary(), paying(), Language::English);
    EXPECT_EQ(en.LabelWAufnahme, "Heat gain: 1234.6 kWh");
    EXPECT_EQ(en.LabelMaxEWTTemp, "Max. outlet air temp. of EHX: 17.3 °C");
    EXPECT_EQ(en.LabelBetriebsdauer, "Period of use: 5432 h/a");
    EXPECT_EQ(en.LabelEWTEPreis, "Energy costs: 0.05 € / kWh");
    EXPECT_EQ(lifetimeLabel(25, Language::English), "Time of operation: 25 a");
}

TEST(AnnualLabels, AYearWithoutOperationShowsTheOutletPrefixesOnly)
{
    SimulationResults r = knownSummary();
    r.MaxOutletTemp = -100;
    r.MinOutletTemp = 100;
    const AnnualLabels l = annualLabels(r, paying(), Language::German);
    EXPECT_EQ(l.LabelMaxEWTTemp, "Max. Temp. nach EWT: ");
    EXPECT_EQ(l.LabelMinEWTTemp, "Min. Temp. nach EWT: ");
}

TEST(AnnualLabels, IndicatorsWithoutValue)
{
    EconomicsResults never = paying();
    never.Amortisationszeit = 150;
    AnnualLabels l = annualLabels(knownSummary(), never, Language::German);
    EXPECT_EQ(l.LabelAmortZeit, "Amortisationszeit:  > 100 a");
    EXPECT_EQ(l.LabelIntZins, "Interner Zinssatz: ");
    EXPECT_EQ(l.LabelAnnu, "Annuität: ");
    EXPECT_EQ(l.LabelEWTEPreis, "Energiepreis: ");

    EconomicsResults noRate = paying();
    noRate.InternerZinssatz = kNoInternalRate;
    noRate.annuityHasValue = false;  // no lifetime
    noRate.energyPriceHasValue = false;
    l = annualLabels(knownSummary(), noRate, Language::English);
    EXPECT_EQ(l.LabelAmortZeit, "Payback time: 12.3 a");
    EXPECT_EQ(l.LabelIntZins, "Internal interest rate:  -");
    EXPECT_EQ(l.LabelAnnu, "Annuity: ");
    EXPECT_EQ(l.LabelEWTEPreis, "Energy costs: ");
}

TEST(DailyLabels, TheHourShown)
{
    SimulationResults r;
    r.DayHeatGain[13] = 1.26L;
    r.DayOutdoorTemp[13] = 24.04L;
    r.DayAirTemp(14, 100) = 19.56L;
    const DailyLabels de = dailyLabels(r, 14, true, Language::German);
    EXPECT_EQ(de.LabelBetrieb, "Betrieb: an");
    EXPECT_EQ(de.LabelVentOrt, "Ventilator: vor EWT");
    EXPECT_EQ(de.Labelwrmefluss, "Wärmefluß: 1.3 kW");
    EXPECT_EQ(de.LabelTvor, "Temperatur vor EWT: 24.0 °C");
    EXPECT_EQ(de.LabelTnach, "Temperatur nach EWT: 19.6 °C");

    const DailyLabels stepped = dailyHourLabels(r, 14, false, Language::German);
    EXPECT_EQ(stepped.LabelTvor, "Temp. vor EWT: 24.0 °C");
    EXPECT_EQ(stepped.LabelTnach, "Temp. nach EWT: 19.6 °C");
    EXPECT_EQ(stepped.LabelVentOrt, "Ventilator: nach EWT");

    const DailyLabels off = dailyLabels(r, 3, false, Language::English);
    EXPECT_EQ(off.LabelBetrieb, "Operation: off");
    EXPECT_EQ(off.LabelVentOrt, "Ventilator: after EHX");
    EXPECT_EQ(off.Labelwrmefluss, "Heat flux: 0.0 kW");
    EXPECT_EQ(dailyHourLabels(r, 14, true, Language::English).LabelTvor, "EHX inlet air temperature: 24.0 °C");
}

}  // namespace
}  // namespace talp
