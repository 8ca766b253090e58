#include "evaluation/optimisation_log.h"

#include <array>

#include "core/numeric.h"
#include "evaluation/economics.h"

namespace talp {

namespace {

constexpr std::array kColumnLabels{
    Text{"Rohranzahl", "Number of pipes"},
    Text{"Rohrlänge                   m", "Pipe length                 m"},
    Text{"Rohrdurchmesser             mm", "Pipe diameter               mm"},
    Text{"Rohrpreis                   €/m", "Costs for pipes             €/m"},
    Text{"Abstand zwischen den Rohren m", "Distance between pipes      m"},
    Text{"Verlegungstiefe             m", "Depth of pipes              m"},
    Text{"Ventilator vor/nach EWT     (0/1)", "Fan before/ after EHX     (0/1)"},
    Text{"Energiebeitrag              kWh/a", "Energy gains                kWh/a"},
    Text{"Interner Zinssatz           %", "Internal interest rate      %"},
};

std::string twoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

// The date as a German or an English short date, and the time of day.
std::string dateAndTime(Language language, const std::tm& t)
{
    const std::string day = twoDigits(t.tm_mday), month = twoDigits(t.tm_mon + 1), year = std::to_string(t.tm_year + 1900);
    const std::string date = language == Language::English ? year + "-" + month + "-" + day : day + "." + month + "." + year;
    return date + " @ " + twoDigits(t.tm_hour) + ":" + twoDigits(t.tm_min) + ":" + twoDigits(t.tm_sec);
}

}  // namespace

std::vector<std::string> optimisationLogHeader(Language language, const std::tm& calculatedAt)
{
    const auto in = [language](Text text) { return std::string(text.in(language)); };
    std::vector<std::string> lines{
        in({"TALP - Optimumberechnung -", "TALP - optimum calculation -"}),
        "",
        in({"Berechnet am ", "Date of calculation "}) + dateAndTime(language, calculatedAt) + ".",
        "",
        in({"Reihenfolge der Parameter:", "Order of parameters:"}),
        in({"Nr. der Variante", "Variant number"}),
    };
    for (const Text& label : kColumnLabels) lines.push_back(in(label));
    lines.push_back("Format = (I6, 1X, I2, 1X, F3.1, 1X, I4, 1X, F3.2, 1X, F2.1, 1X, F2.1, 1X, I1, 1X, F9.1, 1X, F3.1)");
    lines.push_back("");
    return lines;
}

namespace {

// The number field and the geometry's fields, each followed by a space.
std::string geometryFields(const std::string& number, const Combination& c, long double pipePrice)
{
    std::string line;
    const auto field = [&line](const std::string& text) { line += text + " "; };
    field(number);
    field(formatIntWidth(c.pipeCount, 2));
    field(formatFixedWidth(c.length, 5, 1));
    field(formatFixedWidth(c.diameter, 4, 0));
    field(formatFixedWidth(pipePrice, 6, 2));
    field(formatFixedWidth(c.spacing, 4, 1));
    field(formatFixedWidth(c.depth, 4, 1));
    field(formatIntWidth(c.fanBefore ? 0 : 1, 1));
    return line;
}

}  // namespace

std::string optimisationLogLine(long long number, const CombinationRecord& record, long double pipePrice)
{
    std::string line = geometryFields(formatIntWidth(number, 6), record.geometry, pipePrice);
    line += formatFixedWidth(record.energy, 11, 1) + " ";
    if (record.internalRate == kNoInternalRate) line += " ---.- ";
    else line += formatFixedWidth(record.internalRate, 5, 1) + " ";
    return line;
}

std::string optimisationSkippedLine(const Combination& combination, long double pipePrice, long double airVelocity,
                                    Language language)
{
    const Text skipped{"übersprungen, Luftgeschwindigkeit ", "skipped, air velocity "};
    return geometryFields(std::string(kSkippedMark), combination, pipePrice) + std::string(skipped.in(language)) +
           formatFixed(airVelocity, 2) + " m/s";
}

}  // namespace talp
