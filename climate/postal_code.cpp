#include "climate/postal_code.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <string>

#include "climate/regions.h"

namespace talp {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool isPostalCodeForm(std::string_view code)
{
    return code.size() == 5 && std::all_of(code.begin(), code.end(), isDigit);
}

std::optional<int> regionOfPostalCode(std::string_view code, std::istream& table)
{
    if (!isPostalCodeForm(code)) return std::nullopt;
    const int prefix = (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
    if (prefix == 0) return std::nullopt;  // no line belongs to 000
    std::string line;
    for (int k = 1; k <= prefix; ++k)
        if (!std::getline(table, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() <= 4) return std::nullopt;
    std::string_view rest = std::string_view(line).substr(4);
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
    int region = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), region);
    // Region numbers beyond the table would choose no list item; such a line is as
    // invalid as one without a region.
    if (ec != std::errc{} || end != rest.data() + rest.size() || !isRegionNumber(region)) return std::nullopt;
    return region;
}

std::optional<int> regionOfPostalCode(std::string_view code, const std::filesystem::path& tableFile)
{
    if (!isPostalCodeForm(code)) return std::nullopt;
    std::ifstream table(tableFile, std::ios::binary);
    if (!table) return std::nullopt;
    return regionOfPostalCode(code, table);
}

}  // namespace talp
