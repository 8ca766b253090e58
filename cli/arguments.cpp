#include "cli/arguments.h"

#include "core/numeric.h"

namespace talp::cli {

std::optional<std::string> Arguments::option(const std::string& name) const
{
    const auto it = options.find(name);
    if (it == options.end()) return std::nullopt;
    return it->second;
}

int Arguments::intOption(const std::string& name, int min, int max, int fallback) const
{
    const auto text = option(name);
    return text ? wholeNumber(*text, min, max, "--" + name) : fallback;
}

Arguments parseArguments(int argc, char** argv, int first)
{
    Arguments a;
    for (int i = first; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--", 0) == 0) {
            const std::string name = arg.substr(2);
            if (kFlagOptions.count(name)) {
                a.flags.insert(name);
            } else {
                if (i + 1 >= argc) throw UsageError{arg + " needs a value"};
                a.options[name] = argv[++i];
            }
        } else if (arg.find('=') != std::string::npos) {
            a.assignments.push_back(arg);
        } else {
            a.positional.push_back(arg);
        }
    }
    return a;
}

int wholeNumber(const std::string& text, int min, int max, const std::string& what)
{
    long double value = 0;
    if (!parseNumber(text, value) || value != static_cast<long double>(static_cast<long long>(value)) || value < min ||
        value > max)
        throw UsageError{what + " must be a whole number within " + std::to_string(min) + " .. " + std::to_string(max) +
                         ", not '" + text + "'"};
    return static_cast<int>(value);
}

}  // namespace talp::cli
