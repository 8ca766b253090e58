#include "files/hourly_format.h"

#include <cctype>

#include "core/numeric.h"

namespace talp {

namespace {

std::size_t runOf(std::string_view text, std::size_t position, char c)
{
    std::size_t end = position;
    while (end < text.size() && text[end] == c) ++end;
    return end - position;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<ParsedFormat> parseFormat(std::string_view format, std::string_view allowedLetters)
{
    ParsedFormat parsed;
    std::string used;
    std::size_t pos = 0;
    // The loop stops before the last character: a single trailing character is no column.
    while (pos + 1 < format.size()) {
        ColumnDescriptor column;
        const std::size_t skip = runOf(format, pos, 'X');
        pos += skip;
        if (pos >= format.size()) return std::nullopt;
        const char letter = format[pos];
        if (letter == ' ' || allowedLetters.find(letter) == std::string_view::npos ||
            used.find(letter) != std::string::npos)
            return std::nullopt;
        const std::size_t width = runOf(format, pos, letter);
        pos += width;
        std::size_t decimals = 0;
        if (pos < format.size() && format[pos] == '.') {
            ++pos;
            decimals = runOf(format, pos, letter);
            if (decimals == 0) return std::nullopt;
            pos += decimals;
        }
        if (parsed.count == kMaxColumns) return std::nullopt;
        column.skip = static_cast<std::int32_t>(skip);
        column.width = static_cast<std::int32_t>(width);
        column.decimals = static_cast<std::int32_t>(decimals);
        column.letter = letter;
        used += letter;
        parsed.columns[static_cast<std::size_t>(parsed.count++)] = column;
    }
    if (parsed.count == 0) return std::nullopt;
    return parsed;
}

bool convertLine(std::string_view line, const ColumnDescriptor* columns, int count, HourlyValues& values)
{
    if (line.size() > kMaxLineLength) line = line.substr(0, kMaxLineLength);
    std::size_t pos = 0;
    for (int i = 0; i < count && i < kMaxColumns; ++i) {
        const ColumnDescriptor& c = columns[i];
        if (c.skip < 0 || c.width < 0 || c.decimals < 0) return false;
        const std::size_t width = static_cast<std::size_t>(c.width);
        const std::size_t decimals = static_cast<std::size_t>(c.decimals);
        const std::size_t fieldLength = width + (decimals > 0 ? decimals + 1 : 0);
        pos += static_cast<std::size_t>(c.skip);
        if (pos > line.size() || fieldLength > line.size() - pos) return false;
        const std::string_view field = line.substr(pos, fieldLength);
        for (std::size_t k = 0; k < width; ++k)
            if (!isDigit(field[k]) && field[k] != ' ' && field[k] != '-') return false;
        if (decimals > 0) {
            if (field[width] != '.') return false;
            for (std::size_t k = width + 1; k < fieldLength; ++k)
                if (!isDigit(field[k]) && field[k] != ' ') return false;
        }
        // Blanks may pad the number but not split it: "-12.5" and " 7.0" read, "1 2.5" does not.
        const std::size_t first = field.find_first_not_of(' ');
        if (first == std::string_view::npos) return false;
        const std::size_t last = field.find_last_not_of(' ');
        const std::string_view number = field.substr(first, last - first + 1);
        if (number.find(' ') != std::string_view::npos) return false;
        long double value = 0;
        if (!parseNumber(number, value)) return false;
        values[static_cast<std::size_t>(i)] = value;
        pos += fieldLength;
    }
    return true;
}

}  // namespace talp
