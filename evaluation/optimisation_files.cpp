#include "evaluation/optimisation_files.h"

#include <fstream>

namespace talp {

namespace fs = std::filesystem;

OptimisationPaths OptimisationPaths::in(const fs::path& directory)
{
    return {directory / "sys" / "OptFile.dat", directory / "sys" / "OptKomb.dat", directory / "Optimum.log",
            directory / "sys" / "OptStand.txt"};
}

bool OptimisationFiles::open(const OptimisationPaths& paths, const char* mode)
{
    close();
    std::error_code ec;
    fs::create_directories(paths.economic.parent_path(), ec);
    fs::create_directories(paths.evaluated.parent_path(), ec);
    economic_ = std::fopen(paths.economic.c_str(), mode);
    evaluated_ = std::fopen(paths.evaluated.c_str(), mode);
    log_ = std::fopen(paths.log.c_str(), mode[0] == 'w' ? "w" : "a");
    statePath_ = paths.state;
    if (economic_ && evaluated_ && log_) return true;
    close();
    return false;
}

bool OptimisationFiles::create(const OptimisationPaths& paths, const std::vector<std::string>& logHeader)
{
    if (!open(paths, "wb")) return false;
    std::error_code ec;
    fs::remove(paths.state, ec);
    if (ec) return false;
    for (const std::string& line : logHeader)
        if (std::fputs((line + "\n").c_str(), log_) < 0) return false;
    return std::fflush(log_) == 0;
}

bool OptimisationFiles::openForAppend(const OptimisationPaths& paths) { return open(paths, "ab"); }

void OptimisationFiles::close()
{
    for (std::FILE** file : {&economic_, &evaluated_, &log_, &state_}) {
        if (*file) std::fclose(*file);
        *file = nullptr;
    }
}

namespace {
bool writeRecord(std::FILE* file, const CombinationRecord& record)
{
    const CombinationBytes bytes = encodeRecord(record);
    return file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
}
}  // namespace

bool OptimisationFiles::appendEconomic(const CombinationRecord& record) { return writeRecord(economic_, record); }

bool OptimisationFiles::appendEvaluated(const CombinationRecord& record, const std::string& logLine)
{
    return writeRecord(evaluated_, record) && appendLogLine(logLine);
}

bool OptimisationFiles::appendLogLine(const std::string& logLine)
{
    return log_ && std::fputs((logLine + "\n").c_str(), log_) >= 0 && std::fflush(log_) == 0;
}

bool OptimisationFiles::writeState(const std::string& text)
{
    if (!state_) state_ = std::fopen(statePath_.c_str(), "wb");
    else if (std::fseek(state_, 0, SEEK_SET) != 0) return false;
    return state_ && std::fputs(text.c_str(), state_) >= 0 && std::fflush(state_) == 0;
}

std::optional<std::vector<CombinationRecord>> readCombinationRecords(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<CombinationRecord> records;
    CombinationBytes bytes{};
    while (in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        records.push_back(decodeRecord(bytes));
    if (in.bad()) return std::nullopt;
    return records;
}

std::optional<CombinationRecord> readCombinationRecord(const fs::path& file, long long index)
{
    std::ifstream in(file, std::ios::binary);
    if (!in || index < 0) return std::nullopt;
    in.seekg(static_cast<std::streamoff>(index) * static_cast<std::streamoff>(kCombinationRecordSize));
    CombinationBytes bytes{};
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) return std::nullopt;
    return decodeRecord(bytes);
}

}  // namespace talp
