#include "core/installation.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace talp {

namespace fs = std::filesystem;

namespace {

bool isWritableDirectory(const fs::path& dir)
{
    std::error_code ec;
    return fs::is_directory(dir, ec) && ::access(dir.c_str(), W_OK) == 0;
}

fs::path userDataDirectory()
{
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg) / "talp";
    if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".local" / "share" / "talp";
    return fs::temp_directory_path() / "talp";
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

Installation locateInstallation(const fs::path& executablePath)
{
    Installation installation;
    std::error_code ec;
    fs::path dir = fs::absolute(executablePath, ec).parent_path();
    installation.programDir = dir;
    installation.writableDir = isWritableDirectory(dir / "sys") || (!fs::exists(dir / "sys", ec) && isWritableDirectory(dir))
                                   ? dir
                                   : userDataDirectory();
    return installation;
}

Installation locateInstallationOfRunningProgram(const char* argv0)
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return locateInstallation(ec ? fs::path(argv0 ? argv0 : ".") : self);
}

}  // namespace talp
