#pragma once
// Runs talp-cli as a user's script does: through its process, with its exit code and
// everything it printed.

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace talp::testing {

struct CliResult {
    int exitCode;
    std::string out;
};

// With `withErrors` false only what the program prints on stdout is kept (progress and
// messages on stderr are dropped).
inline CliResult runTalpCli(const std::string& arguments, bool withErrors = true)
{
    const std::string command = std::string(TALP_CLI) + " " + arguments + (withErrors ? " 2>&1" : " 2>/dev/null");
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {-1, ""};
    std::string out;
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe)) out += buffer.data();
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

}  // namespace talp::testing
