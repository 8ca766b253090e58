#include "tools/climate_data/csv.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/numeric.h"

namespace talp::climate_data {

namespace {

std::vector<std::string> splitRecord(const std::string& line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else if (c != '\r') {
            fields.back() += c;
        }
    }
    return fields;
}

}  // namespace

CsvTable CsvTable::read(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    CsvTable table;
    table.file_ = file;
    std::string line;
    std::getline(in, line);
    const std::vector<std::string> header = splitRecord(line);
    for (std::size_t i = 0; i < header.size(); ++i) table.columns_[header[i]] = i;
    while (std::getline(in, line)) {
        if (line.empty() || line == "\r") continue;
        std::vector<std::string> fields = splitRecord(line);
        if (fields.size() != header.size())
            throw std::runtime_error(file.string() + ": row " + std::to_string(table.rows_.size() + 2) + " has " +
                                     std::to_string(fields.size()) + " fields");
        table.rows_.push_back(std::move(fields));
    }
    return table;
}

const std::string& CsvTable::text(std::size_t row, const std::string& column) const
{
    const auto found = columns_.find(column);
    if (found == columns_.end()) throw std::runtime_error(file_.string() + ": no column " + column);
    return rows_.at(row)[found->second];
}

double CsvTable::number(std::size_t row, const std::string& column) const
{
    long double value = 0;
    if (!parseNumber(text(row, column), value))
        throw std::runtime_error(file_.string() + ": " + column + " is no number: " + text(row, column));
    return static_cast<double>(value);
}

int CsvTable::integer(std::size_t row, const std::string& column) const
{
    const double value = number(row, column);
    if (value != static_cast<double>(static_cast<int>(value)))
        throw std::runtime_error(file_.string() + ": " + column + " is no whole number: " + text(row, column));
    return static_cast<int>(value);
}

std::vector<double> CsvTable::monthly(std::size_t row, const std::string& prefix) const
{
    std::vector<double> values;
    for (int m = 1; m <= 12; ++m) values.push_back(number(row, prefix + (m < 10 ? "0" : "") + std::to_string(m)));
    return values;
}

}  // namespace talp::climate_data
