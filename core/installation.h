#pragma once
// Where the program's files are: the installation data (the sys/ and images/ trees)
// beside the executable, and a writable place for what the program writes (settings,
// recent files, presets, optimisation files).

#include <filesystem>
#include <string_view>

namespace talp {

struct Installation {
    std::filesystem::path programDir;   // holds sys/ and images/
    std::filesystem::path writableDir;  // programDir when it is writable, else the user's data directory

    // An installation file to read, e.g. "sys/_klima_4.met". A copy the program wrote
    // into the writable directory (saved presets, settings) comes first.
    std::filesystem::path readable(std::string_view relative) const;
    // A file the program writes; its folder is created when missing.
    std::filesystem::path writable(std::string_view relative) const;
};

// The installation of the executable at `executablePath`.
Installation locateInstallation(const std::filesystem::path& executablePath);
// The installation found from a program's argv[0] (resolved through /proc/self/exe).
Installation locateInstallationOfRunningProgram(const char* argv0);

}  // namespace talp
