#include "shell/recent_files.h"

#include <fstream>

#include "shell/window_title.h"

namespace talp {

void RecentFiles::add(const std::string& path)
{
    int slot = kRecentFileCount;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        if (entry(i) == path) {
            slot = i;
            break;
        }
    }
    for (int i = slot; i > 1; --i) setEntry(i, entry(i - 1));
    setEntry(1, path);
}

std::string RecentFiles::menuCaption(int i) const
{
    return "&" + std::to_string(i) + " " + fileNameWithoutDirectory(entry(i));
}

void RecentFiles::read(const std::filesystem::path& file)
{
    entries_ = {};
    std::ifstream in(file);
    std::string line;
    for (int i = 1; i <= kRecentFileCount && std::getline(in, line); ++i) {
        // A list edited on another system may end its lines with CR.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        setEntry(i, line);
    }
}

bool RecentFiles::write(const std::filesystem::path& file) const
{
    std::ofstream out(file, std::ios::trunc);
    for (const std::string& path : entries_) out << path << '\n';
    out.close();
    return static_cast<bool>(out);
}

}  // namespace talp
