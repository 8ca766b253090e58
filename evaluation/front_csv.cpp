#include "evaluation/front_csv.h"

#include <algorithm>
#include <array>
#include <fstream>

#include "core/numeric.h"

namespace talp {

namespace {

constexpr std::array kColumns{
    Text{"Rohranzahl", "Number of pipes"},
    Text{"Rohrlänge in m", "Pipe length in m"},
    Text{"Rohrdurchmesser in mm", "Pipe diameter in mm"},
    Text{"Abstand zwischen den Rohren in m", "Distance between pipes in m"},
    Text{"Verlegungstiefe in m", "Depth of pipes in m"},
    Text{"Ventilator", "Fan"},
    Text{"Energiebeitrag in kWh/a", "Energy gains in kWh/a"},
    Text{"Interner Zinssatz in %", "Internal interest rate in %"},
    Text{"Amortisationszeit in a", "Payback time in a"},
    Text{"Investition in €", "Investment in €"},
};
constexpr Text kFanBefore{"vor EWT", "before EHX"};
constexpr Text kFanAfter{"nach EWT", "after EHX"};

// A number with the language's decimal mark.
std::string number(std::string text, Language language)
{
    if (language == Language::German) std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

}  // namespace

char csvSeparator(Language language) { return language == Language::German ? ';' : ','; }

std::string frontCsv(const TradeOff& tradeOff, FrontView view, Language language)
{
    const std::string separator(1, csvSeparator(language));
    std::string csv(kUtf8ByteOrderMark);
    for (std::size_t i = 0; i < kColumns.size(); ++i) csv += (i ? separator : "") + std::string(kColumns[i].in(language));
    csv += "\r\n";
    for (std::size_t index : tradeOff.front(view)) {
        const TradeOffPoint& p = tradeOff.points[index];
        const Combination& c = p.record.geometry;
        const std::optional<long double>& payback = tradeOff.payback[index];
        const std::array<std::string, kColumns.size()> fields{
            std::to_string(c.pipeCount),
            number(formatGeneral(c.length), language),
            number(formatGeneral(c.diameter), language),
            c.pipeCount >= 2 ? number(formatGeneral(c.spacing), language) : "",  // a single pipe has no spacing
            number(formatGeneral(c.depth), language),
            std::string((c.fanBefore ? kFanBefore : kFanAfter).in(language)),
            number(formatFixed(p.record.energy, 1), language),
            number(formatFixed(p.record.internalRate, 2), language),
            payback ? number(formatFixed(*payback, 1), language) : "",
            number(formatFixed(p.investment, 2), language),
        };
        for (std::size_t i = 0; i < fields.size(); ++i) csv += (i ? separator : "") + fields[i];
        csv += "\r\n";
    }
    return csv;
}

bool writeFrontCsv(const std::filesystem::path& file, const TradeOff& tradeOff, FrontView view, Language language)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    const std::string csv = frontCsv(tradeOff, view, language);
    out.write(csv.data(), static_cast<std::streamsize>(csv.size()));
    return static_cast<bool>(out.flush());
}

}  // namespace talp
