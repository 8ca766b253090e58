#include "evaluation/export_text_file.h"

#include <fstream>
#include <system_error>
#include <unistd.h>

namespace talp {

namespace fs = std::filesystem;

bool writeExportFile(const fs::path& file, std::string_view text)
{
    if (file.filename().empty()) return false;
    fs::path temporary = file;
    temporary.replace_filename("." + file.filename().string() + "." + std::to_string(::getpid()) + ".part");
    std::error_code ec;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            fs::remove(temporary, ec);
            return false;
        }
    }
    fs::rename(temporary, file, ec);
    if (!ec) return true;
    fs::remove(temporary, ec);
    return false;
}

std::string projectNameLine(std::string_view prefix, const fs::path& projectFile, std::string_view unnamed)
{
    return std::string(prefix) + (projectFile.empty() ? std::string(unnamed) : projectFile.filename().string());
}

}  // namespace talp
