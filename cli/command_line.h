#pragma once
// What every command of talp-cli shares about its command line: the two kinds of failure
// and the check of whole-number values.

#include <CLI/CLI.hpp>
#include <string>

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

// The whole number `text` names within min .. max ("3.0" is 3); throws UsageError naming
// `what` otherwise.
int wholeNumber(const std::string& text, int min, int max, const std::string& what);

// An option's check that its value is such a whole number; the value is handed on as the
// plain integer.
CLI::Validator WholeNumber(int min, int max);

}  // namespace talp::cli
