#pragma once
// The comma-separated fact tables of the installation data (RFC 4180 quoting), read by
// column name.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace talp::climate_data {

class CsvTable {
public:
    // Throws std::runtime_error when the file cannot be read or a row is short.
    static CsvTable read(const std::filesystem::path& file);

    std::size_t rows() const { return rows_.size(); }
    const std::string& text(std::size_t row, const std::string& column) const;
    double number(std::size_t row, const std::string& column) const;
    int integer(std::size_t row, const std::string& column) const;
    // The values of columns prefix01..prefix12 (e.g. "t_01".."t_12").
    std::vector<double> monthly(std::size_t row, const std::string& prefix) const;

private:
    std::map<std::string, std::size_t> columns_;
    std::vector<std::vector<std::string>> rows_;
    std::filesystem::path file_;
};

}  // namespace talp::climate_data
