#pragma once
// Where the program's files are: the installation data (the sys/ and images/ trees), a
// writable place for the data the program writes (saved presets, optimisation files) and
// one for the user's settings (language, recent files).
//
// In the build folder everything stays beside the executable, as it always did. An installed
// program reads its data from PREFIX/share/talp and never writes there: what it writes goes
// to the user's XDG data folder (~/.local/share/talp), the settings to the XDG config folder
// (~/.config/talp).

#include <filesystem>
#include <string_view>

namespace talp {

struct Installation {
    std::filesystem::path programDir;   // holds sys/ and images/
    std::filesystem::path writableDir;  // programDir when it is writable, else the user's data folder
    // The user's settings folder; empty: the settings are kept in writableDir/sys, as in the
    // build folder.
    std::filesystem::path settingsDir{};

    // An installation file to read, e.g. "sys/_klima_4.met". A copy the program wrote
    // into the writable directory (saved presets) comes first.
    std::filesystem::path readable(std::string_view relative) const;
    // A file the program writes; its folder is created when missing.
    std::filesystem::path writable(std::string_view relative) const;

    // A settings file to read, e.g. "talp.ini": the user's own, else one that came with the
    // installation (an administrator's default).
    std::filesystem::path readableSetting(std::string_view name) const;
    // A settings file to write; its folder is created when missing.
    std::filesystem::path writableSetting(std::string_view name) const;
};

// Where an installed TALP keeps its data, as the build was configured.
struct InstallLayout {
    // From the folder of the installed executable, e.g. "../share/talp": an installation
    // that was moved or staged under DESTDIR still finds its own data.
    std::filesystem::path dataFromExecutable;
    // The absolute folder, PREFIX/share/talp.
    std::filesystem::path data;
};
InstallLayout configuredInstallLayout();

// The installation of the executable at `executablePath`: the data beside the executable
// when it is there (the build folder), else the installed data of `layout`, else the first
// "talp" folder of $XDG_DATA_DIRS that holds installation data.
Installation locateInstallation(const std::filesystem::path& executablePath,
                                const InstallLayout& layout = configuredInstallLayout());
// The installation found from a program's argv[0] (resolved through /proc/self/exe).
Installation locateInstallationOfRunningProgram(const char* argv0);

}  // namespace talp
