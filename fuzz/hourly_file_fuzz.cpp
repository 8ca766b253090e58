// libFuzzer target: the first line of the input is a format string, the rest an hourly
// data file read through the file check and the line reader (long lines, CR/LF, tabs,
// NUL bytes, missing lines).

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <unistd.h>

#include "files/hourly_file.h"
#include "files/hourly_format.h"

namespace {

const std::string& scratchFile()
{
    static const std::string path = "/tmp/talp-hourly-fuzz-" + std::to_string(::getpid()) + ".txt";
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace talp;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string format = input.substr(0, newline);
    const std::string body = newline == std::string::npos ? std::string() : input.substr(newline + 1);

    for (const std::string_view letters : {kClimateLetters, kBuildingLetters}) {
        const auto parsed = parseFormat(format, letters);
        if (!parsed) continue;
        HourlyValues values{};
        std::size_t start = 0;
        while (start <= body.size()) {
            const std::size_t end = body.find('\n', start);
            convertLine(std::string_view(body).substr(start, end - start), parsed->columns.data(), parsed->count, values);
            if (end == std::string::npos) break;
            start = end + 1;
        }
        std::ofstream(scratchFile(), std::ios::binary) << body;
        CouplingRecord record;
        record.fileName = scratchFile();
        record.columns = parsed->columns;
        record.columnCount = parsed->count;
        record.headerLines = static_cast<int>(size % 5);
        checkHourlyFile(record, nullptr);
    }
    return 0;
}
