#pragma once
// Tables for a spreadsheet as CSV files: the annual hours, the daily profile, the variant
// comparison, the parameter study and the Pareto front are all written here. UTF-8 with the byte order mark
// by which a spreadsheet recognises the encoding of "ä" and "€", a header line, one line per
// row, each closed by CR LF. The separators follow the interface language, so that a
// spreadsheet of that language opens the file without an import dialog and reads the
// numbers as numbers: German ';' with a decimal comma, English ',' with a decimal point.
// A text holding the separator, a quote or a line break is quoted.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/texts.h"
#include "files/file_fault.h"

namespace talp {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
// The file type of the save dialogs.
inline constexpr Text kCsvFileFilter{"CSV-Datei (*.csv)", "CSV file (*.csv)"};

struct CsvDialect {
    char separator;
    char decimalMark;
};
CsvDialect csvDialect(Language language);

// One cell: a text as it is, or a number, written with the dialect's decimal mark.
struct CsvCell {
    std::string text;  // a number's text has "." as its decimal point
    bool number = false;
};
CsvCell csvText(std::string_view text);
// With a fixed number of decimals.
CsvCell csvNumber(long double value, int decimals);
// In full: the shortest text that reads back to the value, up to 15 significant digits.
CsvCell csvNumber(long double value);
// A figure the inputs leave without a value: an empty cell.
inline CsvCell csvEmpty() { return {}; }

struct CsvTable {
    std::vector<std::string> header;
    std::vector<std::vector<CsvCell>> rows;
};

// The file's bytes.
std::string csvText(const CsvTable& table, Language language);

// Writes the file through a temporary file beside it, so that the name never holds half a
// table; why nothing was written.
std::optional<FileFault> writeCsvFile(const std::filesystem::path& file, const CsvTable& table, Language language);

}  // namespace talp
