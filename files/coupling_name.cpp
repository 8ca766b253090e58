#include "files/coupling_name.h"

namespace talp {

namespace fs = std::filesystem;

namespace {

// Characters of the record's code page: one per UTF-8 sequence.
std::size_t characters(const std::string& text)
{
    std::size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

bool fits(const std::string& name) { return characters(name) <= kCouplingNameCapacity; }

// Installation files are named relative to the installation ("sys/_klima_4.met"); names
// relative to the project's folder are told apart by their leading "./" or "../".
bool relativeToProject(const std::string& name) { return name.starts_with("./") || name.starts_with("../"); }

}  // namespace

std::optional<std::string> storedCouplingName(const std::string& name, const fs::path& projectFolder)
{
    if (fits(name)) return name;
    const fs::path full(name);
    if (projectFolder.empty() || !full.is_absolute()) return std::nullopt;
    const fs::path relative = full.lexically_normal().lexically_relative(fs::absolute(projectFolder).lexically_normal());
    if (relative.empty()) return std::nullopt;
    std::string stored = relative.string();
    if (!relativeToProject(stored)) stored = "./" + stored;
    if (!fits(stored)) return std::nullopt;
    return stored;
}

std::string loadedCouplingName(const std::string& stored, const fs::path& projectFolder)
{
    if (!relativeToProject(stored) || projectFolder.empty()) return stored;
    return (fs::absolute(projectFolder) / stored).lexically_normal().string();
}

}  // namespace talp
