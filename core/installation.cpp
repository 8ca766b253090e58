#include "core/installation.h"

#include <cstdlib>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace talp {

namespace fs = std::filesystem;

namespace {

// Every installation ships the backup of the presets, and the program never writes it: a
// folder that holds it is installation data, not a user's folder with saved presets.
constexpr std::string_view kInstallationMarker = "sys/TalpPre.sav";

bool holdsInstallationData(const fs::path& dir)
{
    std::error_code ec;
    return !dir.empty() && fs::is_regular_file(dir / kInstallationMarker, ec);
}

bool isWritableDirectory(const fs::path& dir)
{
    std::error_code ec;
    return fs::is_directory(dir, ec) && ::access(dir.c_str(), W_OK) == 0;
}

// An XDG base-directory variable; relative values are invalid and ignored.
fs::path xdgVariable(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || !*value) return {};
    fs::path path(value);
    return path.is_absolute() ? path : fs::path();
}

// The user's own folder of one kind: $XDG_..._HOME/talp, else ~/<homeRelative>/talp.
fs::path userFolder(const char* xdgName, const char* homeRelative)
{
    if (fs::path xdg = xdgVariable(xdgName); !xdg.empty()) return xdg / "talp";
    if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / homeRelative / "talp";
    return fs::temp_directory_path() / "talp";
}

fs::path userDataFolder() { return userFolder("XDG_DATA_HOME", ".local/share"); }
fs::path userSettingsFolder() { return userFolder("XDG_CONFIG_HOME", ".config"); }

// The "talp" folders of $XDG_DATA_DIRS, in their order of preference.
std::vector<fs::path> systemDataFolders()
{
    const char* value = std::getenv("XDG_DATA_DIRS");
    const std::string dirs = value && *value ? value : "/usr/local/share/:/usr/share/";
    std::vector<fs::path> folders;
    std::size_t begin = 0;
    while (begin <= dirs.size()) {
        std::size_t end = dirs.find(':', begin);
        if (end == std::string::npos) end = dirs.size();
        const fs::path dir(dirs.substr(begin, end - begin));
        if (dir.is_absolute()) folders.push_back(dir / "talp");
        begin = end + 1;
    }
    return folders;
}

// The build folder: the data beside the executable, written there while it is writable.
Installation besideExecutable(const fs::path& dir)
{
    std::error_code ec;
    const bool writable = isWritableDirectory(dir / "sys") || (!fs::exists(dir / "sys", ec) && isWritableDirectory(dir));
    if (writable) return {dir, dir, {}};
    return {dir, userDataFolder(), userSettingsFolder()};
}

}  // namespace

fs::path Installation::readable(std::string_view relative) const
{
    std::error_code ec;
    const fs::path written = writableDir / relative;
    if (writableDir != programDir && fs::exists(written, ec)) return written;
    return programDir / relative;
}

fs::path Installation::writable(std::string_view relative) const
{
    const fs::path path = writableDir / relative;
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    return path;
}

fs::path Installation::readableSetting(std::string_view name) const
{
    std::error_code ec;
    const fs::path own = (settingsDir.empty() ? writableDir / "sys" : settingsDir) / name;
    if (fs::exists(own, ec)) return own;
    return programDir / "sys" / name;
}

fs::path Installation::writableSetting(std::string_view name) const
{
    const fs::path path = (settingsDir.empty() ? writableDir / "sys" : settingsDir) / name;
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    return path;
}

InstallLayout configuredInstallLayout() { return {TALP_DATA_FROM_EXECUTABLE, TALP_INSTALLED_DATA}; }

Installation locateInstallation(const fs::path& executablePath, const InstallLayout& layout)
{
    std::error_code ec;
    const fs::path dir = fs::absolute(executablePath, ec).parent_path();
    if (holdsInstallationData(dir)) return besideExecutable(dir);

    std::vector<fs::path> installed;
    if (!layout.dataFromExecutable.empty()) installed.push_back((dir / layout.dataFromExecutable).lexically_normal());
    installed.push_back(layout.data);
    for (fs::path& folder : systemDataFolders()) installed.push_back(std::move(folder));
    // Nothing is ever written into an installed data folder, even by a user who could.
    for (const fs::path& data : installed)
        if (holdsInstallationData(data)) return {data, userDataFolder(), userSettingsFolder()};

    // No data anywhere: the program looks beside itself and reports what is missing.
    return besideExecutable(dir);
}

Installation locateInstallationOfRunningProgram(const char* argv0)
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return locateInstallation(ec ? fs::path(argv0 ? argv0 : ".") : self);
}

}  // namespace talp
