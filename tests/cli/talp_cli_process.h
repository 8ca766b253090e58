#pragma once
// Runs talp-cli as a user's script does: through its process, with its exit code and
// everything it printed.

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

namespace talp::testing {

struct CliResult {
    int exitCode;
    std::string out;
};

// A shell command line's exit code and stdout.
inline CliResult runShellCommand(const std::string& command)
{
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {-1, ""};
    std::string out;
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe)) out += buffer.data();
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// With `withErrors` false only what the program prints on stdout is kept (progress and
// messages on stderr are dropped).
inline CliResult runTalpCli(const std::string& arguments, bool withErrors = true)
{
    return runShellCommand(std::string(TALP_CLI) + " " + arguments + (withErrors ? " 2>&1" : " 2>/dev/null"));
}

struct CliStreams {
    int exitCode;
    std::string out;
    std::string err;
};

// stdout and stderr apart, as a script that reads one and logs the other sees them; stderr
// passes through `errorFile`.
inline CliStreams runTalpCliApart(const std::string& arguments, const std::filesystem::path& errorFile)
{
    const CliResult r = runShellCommand(std::string(TALP_CLI) + " " + arguments + " 2>'" + errorFile.string() + "'");
    std::ifstream in(errorFile, std::ios::binary);
    return {r.exitCode, r.out, std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())};
}

}  // namespace talp::testing
