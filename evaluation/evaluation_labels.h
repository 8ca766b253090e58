#pragma once
// The labelled figures of the annual and the daily evaluation, as the windows (and the
// report) show them: numbers in fixed notation with "." as decimal separator.

#include <string>

#include "core/simulation.h"
#include "core/texts.h"
#include "evaluation/economics.h"

namespace talp {

struct AnnualLabels {
    std::string LabelWAufnahme, LabelWAbgabe;
    std::string LabelMaxEWTTemp, LabelMinEWTTemp, LabelMaxEWTTempvor, LabelMinEWTTempvor;
    std::string LabelEffizienzHeizen, LabelEffizienzKuehlen, LabelBetriebsdauer;
    // The cost group: without payback the three others show their labels alone.
    std::string LabelAmortZeit, LabelIntZins, LabelAnnu, LabelEWTEPreis;
};
AnnualLabels annualLabels(const SimulationResults& results, const EconomicsResults& economics, Language language);
// "Lebensdauer: 25 a", set while the cost window is open.
std::string lifetimeLabel(long double lebensdauer, Language language);

struct DailyLabels {
    std::string LabelBetrieb, LabelVentOrt, Labelwrmefluss, LabelTvor, LabelTnach;
};
// The labels after the day was calculated, for hour 1..24.
DailyLabels dailyLabels(const SimulationResults& results, int hour, bool fanBefore, Language language);
// The labels after the hour was stepped within the day: the German texts are the short ones
// ("Temp. vor EWT: ").
DailyLabels dailyHourLabels(const SimulationResults& results, int hour, bool fanBefore, Language language);

}  // namespace talp
