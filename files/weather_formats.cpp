#include "files/weather_formats.h"

#include <cmath>

#include "core/numeric.h"
#include "files/windows1252.h"

namespace talp::weather {

namespace {

// A value quoted in a message is cut so that a line of garbage stays readable.
constexpr std::size_t kQuotedValueLength = 20;

std::string quoted(std::string_view token) { return textOfFile(trimmed(token).substr(0, kQuotedValueLength)); }

// Well-formed UTF-8 as the standard defines it: no overlong forms, no surrogates, nothing
// beyond U+10FFFF (the JSON output refuses anything else).
bool isValidUtf8(std::string_view text)
{
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = at(i);
        std::size_t length = 1;
        unsigned char low = 0x80, high = 0xBF;  // range of the second byte
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
        else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
        else return false;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
        if (i + length > text.size() || at(i + 1) < low || at(i + 1) > high) return false;
        for (std::size_t k = 2; k < length; ++k)
            if ((at(i + k) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

std::string coordinate(long double degrees, char positive, char negative)
{
    return formatFixed(std::fabs(degrees), 2) + " " + (degrees < 0 ? negative : positive);
}

}  // namespace

std::vector<std::string_view> splitLines(std::string_view content)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(content.substr(start));
            break;
        }
        lines.push_back(content.substr(start, end - start));
        start = end + (content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::optional<WeatherFileError> readValue(std::string_view token, const ValueRange& range, int line, long double& value)
{
    if (!parseNumber(token, value)) return WeatherFileError{line, kNotANumber, range.field, quoted(token)};
    if (range.missingFrom && value >= *range.missingFrom) return WeatherFileError{line, kValueMissing, range.field, quoted(token)};
    if (value < range.min || value > range.max) return WeatherFileError{line, kValueOutOfRange, range.field, quoted(token)};
    return std::nullopt;
}

std::optional<WeatherFileError> readWhole(std::string_view token, Text field, int min, int max, int line, int& value)
{
    long double number = 0;
    if (const auto error = readValue(token, {field, static_cast<long double>(min), static_cast<long double>(max), {}}, line, number))
        return error;
    if (number != std::floor(number)) return WeatherFileError{line, kNotANumber, field, quoted(token)};
    value = static_cast<int>(number);
    return std::nullopt;
}

std::string siteText(std::optional<long double> latitude, std::optional<long double> longitude,
                     std::optional<long double> elevation)
{
    std::string text;
    if (latitude && longitude) text = coordinate(*latitude, 'N', 'S') + " " + coordinate(*longitude, 'E', 'W');
    if (elevation) text += (text.empty() ? "" : ", ") + formatFixed(*elevation, 0) + " m";
    return text;
}

std::string textOfFile(std::string_view bytes)
{
    std::string text = isValidUtf8(bytes) ? std::string(bytes) : utf8FromWindows1252(bytes);
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return text;
}

}  // namespace talp::weather
