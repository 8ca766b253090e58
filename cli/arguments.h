#pragma once
// The command line of talp-cli: positional arguments, name=value parameters and options.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace talp::cli {

// A command-line mistake: the message for stderr; the program exits with code 2.
struct UsageError {
    std::string message;
};

// A failure the user's data causes (a parameter error, a file that cannot be read): the
// message for stderr; the program exits with code 1.
struct CommandFailure {
    std::string message;
};

struct Arguments {
    std::vector<std::string> positional;
    std::vector<std::string> assignments;  // name=value
    std::map<std::string, std::string> options;  // --name value
    std::set<std::string> flags;                 // --name

    bool flag(const std::string& name) const { return flags.count(name) != 0; }
    std::optional<std::string> option(const std::string& name) const;
    // An option's whole-number value within bounds; the default when it is absent.
    int intOption(const std::string& name, int min, int max, int fallback) const;
};

// Options that take no value; every other --option takes the next argument.
inline const std::set<std::string> kFlagOptions{"json", "continue", "help"};

Arguments parseArguments(int argc, char** argv, int first);

int wholeNumber(const std::string& text, int min, int max, const std::string& what);

}  // namespace talp::cli
