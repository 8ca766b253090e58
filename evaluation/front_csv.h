#pragma once
// The Pareto front as a CSV file for a spreadsheet: UTF-8, a header line and one line per
// point of the front (pipe count, length, diameter, spacing, depth, fan position, energy
// contribution, internal rate of return, payback time, investment). German texts are
// separated by ';' with a decimal comma, English ones by ',' with a decimal point: what a
// spreadsheet of that language opens without an import dialog. The file begins with the
// UTF-8 byte order mark, by which such a spreadsheet recognises the encoding of "ä" and "€".

#include <filesystem>
#include <string>

#include "core/texts.h"
#include "evaluation/trade_off.h"

namespace talp {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

char csvSeparator(Language language);

// The header and the lines of the front of `view`, in its order.
std::string frontCsv(const TradeOff& tradeOff, FrontView view, Language language);
bool writeFrontCsv(const std::filesystem::path& file, const TradeOff& tradeOff, FrontView view, Language language);

}  // namespace talp
