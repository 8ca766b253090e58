#pragma once
// The three files of a search, in the writable directory: "sys/OptFile.dat" with the
// economic combinations in the order found (the record number is the combination's display
// index), "sys/OptKomb.dat" with every evaluated combination in evaluation order, and the
// text log "Optimum.log". Every record is on disk before the search goes on, so a cancel or
// a crash keeps all combinations committed so far.

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "evaluation/combination_record.h"

namespace talp {

struct OptimisationPaths {
    std::filesystem::path economic;   // sys/OptFile.dat
    std::filesystem::path evaluated;  // sys/OptKomb.dat
    std::filesystem::path log;        // Optimum.log
    std::filesystem::path state;      // sys/OptStand.txt, the exhaustive search's place in its order

    static OptimisationPaths in(const std::filesystem::path& directory);
};

class OptimisationFiles {
public:
    OptimisationFiles() = default;
    OptimisationFiles(const OptimisationFiles&) = delete;
    OptimisationFiles& operator=(const OptimisationFiles&) = delete;
    ~OptimisationFiles() { close(); }

    // A new search: the three files created anew, the log's header written; the state of an
    // earlier exhaustive search belongs to the old files and goes.
    bool create(const OptimisationPaths& paths, const std::vector<std::string>& logHeader);
    // A continued search: the files opened to append after their last records.
    bool openForAppend(const OptimisationPaths& paths);
    void close();

    bool appendEconomic(const CombinationRecord& record);
    bool appendEvaluated(const CombinationRecord& record, const std::string& logLine);
    // A line of the log without a record: a combination the exhaustive search skipped.
    bool appendLogLine(const std::string& logLine);
    // The exhaustive search's state, written over the previous one.
    bool writeState(const std::string& text);

private:
    bool open(const OptimisationPaths& paths, const char* mode);
    std::FILE* economic_ = nullptr;
    std::FILE* evaluated_ = nullptr;
    std::FILE* log_ = nullptr;
    std::FILE* state_ = nullptr;  // opened at the first state written after the files
    std::filesystem::path statePath_;
};

// All records of a record file; nullopt when it cannot be read. A trailing partial record
// (a file cut short) is ignored.
std::optional<std::vector<CombinationRecord>> readCombinationRecords(const std::filesystem::path& file);
// Record `index` (from 0) of a record file, as the combination view reads it.
std::optional<CombinationRecord> readCombinationRecord(const std::filesystem::path& file, long long index);

}  // namespace talp
