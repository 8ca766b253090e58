#include "evaluation/front_csv.h"

#include <array>

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

}  // namespace

CsvTable frontTable(const TradeOff& tradeOff, FrontView view, Language language)
{
    CsvTable table;
    for (const Text& column : kColumns) table.header.emplace_back(column.in(language));
    for (std::size_t index : tradeOff.front(view)) {
        const TradeOffPoint& p = tradeOff.points[index];
        const Combination& c = p.record.geometry;
        const std::optional<long double>& payback = tradeOff.payback[index];
        table.rows.push_back({
            csvNumber(c.pipeCount, 0),
            csvNumber(c.length),
            csvNumber(c.diameter),
            c.pipeCount >= 2 ? csvNumber(c.spacing) : csvEmpty(),  // a single pipe has no spacing
            csvNumber(c.depth),
            csvText((c.fanBefore ? kFanBefore : kFanAfter).in(language)),
            csvNumber(p.record.energy, 1),
            csvNumber(p.record.internalRate, 2),
            payback ? csvNumber(*payback, 1) : csvEmpty(),
            csvNumber(p.investment, 2),
        });
    }
    return table;
}

std::string frontCsv(const TradeOff& tradeOff, FrontView view, Language language)
{
    return csvText(frontTable(tradeOff, view, language), language);
}

bool writeFrontCsv(const std::filesystem::path& file, const TradeOff& tradeOff, FrontView view, Language language)
{
    return !writeCsvFile(file, frontTable(tradeOff, view, language), language);
}

}  // namespace talp
