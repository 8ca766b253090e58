#pragma once
// The Pareto front as a CSV file for a spreadsheet: a header line and one line per point of
// the front (pipe count, length, diameter, spacing, depth, fan position, energy
// contribution, internal rate of return, payback time, investment), in the separators of
// the interface language (files/csv_file.h).

#include <filesystem>
#include <string>

#include "core/texts.h"
#include "evaluation/trade_off.h"
#include "files/csv_file.h"

namespace talp {

// The header and the lines of the front of `view`, in its order.
CsvTable frontTable(const TradeOff& tradeOff, FrontView view, Language language);
std::string frontCsv(const TradeOff& tradeOff, FrontView view, Language language);
bool writeFrontCsv(const std::filesystem::path& file, const TradeOff& tradeOff, FrontView view, Language language);

}  // namespace talp
