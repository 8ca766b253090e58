#pragma once
// Reads a CSV file back as a spreadsheet of the interface language does: the byte order
// mark, the language's separator, quoted texts, and numbers with its decimal mark.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/numeric.h"
#include "core/texts.h"
#include "files/csv_file.h"

namespace talp::testing {

using CsvRows = std::vector<std::vector<std::string>>;

// The fields of each line (without the byte order mark, which must lead the text).
inline CsvRows readCsv(std::string_view text, Language language)
{
    const char separator = csvDialect(language).separator;
    CsvRows rows;
    if (text.substr(0, kUtf8ByteOrderMark.size()) != kUtf8ByteOrderMark) return rows;
    text.remove_prefix(kUtf8ByteOrderMark.size());
    std::vector<std::string> row(1);
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') row.back() += text[++i];
            else if (c == '"') quoted = false;
            else row.back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            row.emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.push_back(std::move(row));
            row.assign(1, {});
            ++i;
        } else {
            row.back() += c;
        }
    }
    return rows;
}

// A field as a number of the language; false when the spreadsheet would take it for text.
inline bool csvNumberIn(std::string field, Language language, long double& value)
{
    const CsvDialect dialect = csvDialect(language);
    if (field.find(dialect.decimalMark == ',' ? '.' : ',') != std::string::npos) return false;
    std::replace(field.begin(), field.end(), dialect.decimalMark, '.');
    return parseNumber(field, value);
}

}  // namespace talp::testing
