#include "cli/command_line.h"

#include <optional>

#include "core/numeric.h"

namespace talp::cli {

namespace {

// The number, or what is wrong with the text.
std::optional<int> parseWholeNumber(const std::string& text, int min, int max, std::string& fault)
{
    long double value = 0;
    if (parseNumber(text, value) && value == static_cast<long double>(static_cast<long long>(value)) && value >= min &&
        value <= max)
        return static_cast<int>(value);
    fault = "must be a whole number within " + std::to_string(min) + " .. " + std::to_string(max) + ", not '" + text + "'";
    return std::nullopt;
}

}  // namespace

int wholeNumber(const std::string& text, int min, int max, const std::string& what)
{
    std::string fault;
    const std::optional<int> value = parseWholeNumber(text, min, max, fault);
    if (!value) throw UsageError{what + " " + fault};
    return *value;
}

CLI::Validator WholeNumber(int min, int max)
{
    // No description: the bounds are in the option's own help line.
    return CLI::Validator(
        [min, max](std::string& text) {
            std::string fault;
            if (const std::optional<int> value = parseWholeNumber(text, min, max, fault)) text = std::to_string(*value);
            return fault;
        },
        "");
}

}  // namespace talp::cli
