#pragma once
// The five most recently saved projects, entry 1 the most recent, kept in the settings file RList
// (five lines, an empty line for an empty slot).

#include <array>
#include <filesystem>
#include <string>

#include "shell/menu_items.h"

namespace talp {

class RecentFiles {
public:
    // Entries are numbered 1..5 as the menu shows them.
    const std::string& entry(int i) const { return entries_.at(static_cast<std::size_t>(i - 1)); }
    void setEntry(int i, std::string path) { entries_.at(static_cast<std::size_t>(i - 1)) = std::move(path); }

    // A saved project goes to entry 1: an entry already holding it leaves its slot (else
    // the oldest drops out) and the entries before that slot move one place down.
    void add(const std::string& path);

    // "&1 " .. "&5 " and the entry's file name without directory.
    std::string menuCaption(int i) const;
    bool enabled(int i) const { return !entry(i).empty(); }

    // Reads the first five lines; a missing file leaves all entries empty.
    void read(const std::filesystem::path& file);
    // Writes the five lines; false when the file cannot be written.
    bool write(const std::filesystem::path& file) const;

    bool operator==(const RecentFiles&) const = default;

private:
    std::array<std::string, kRecentFileCount> entries_{};
};

}  // namespace talp
