#include "files/csv_file.h"

#include <algorithm>

#include "core/numeric.h"
#include "files/safe_write.h"

namespace talp {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string written(const CsvCell& cell, const CsvDialect& dialect)
{
    std::string text = cell.text;
    if (cell.number) {
        std::replace(text.begin(), text.end(), '.', dialect.decimalMark);
        return text;
    }
    if (text.find_first_of(std::string{dialect.separator, '"', '\r', '\n'}) == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

void appendLine(std::string& out, const std::vector<CsvCell>& cells, const CsvDialect& dialect)
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) out += dialect.separator;
        out += written(cells[i], dialect);
    }
    out += kLineEnd;
}

}  // namespace

CsvDialect csvDialect(Language language)
{
    return language == Language::German ? CsvDialect{';', ','} : CsvDialect{',', '.'};
}

CsvCell csvText(std::string_view text) { return {std::string(text), false}; }

CsvCell csvNumber(long double value, int decimals) { return {formatFixed(value, decimals), true}; }

CsvCell csvNumber(long double value) { return {formatGeneral(value), true}; }

std::string csvText(const CsvTable& table, Language language)
{
    const CsvDialect dialect = csvDialect(language);
    std::string out(kUtf8ByteOrderMark);
    std::vector<CsvCell> header;
    for (const std::string& title : table.header) header.push_back(csvText(title));
    appendLine(out, header, dialect);
    for (const std::vector<CsvCell>& row : table.rows) appendLine(out, row, dialect);
    return out;
}

std::optional<FileFault> writeCsvFile(const std::filesystem::path& file, const CsvTable& table, Language language)
{
    const std::string text = csvText(table, language);
    return replaceFileSafely(file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace talp
