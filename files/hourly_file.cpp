#include "files/hourly_file.h"

#include "files/coupling_name.h"

#include <system_error>

#include "core/numeric.h"
#include "files/hourly_format.h"

namespace talp {

namespace fs = std::filesystem;

namespace {

bool isFile(const fs::path& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

}  // namespace

fs::path locateHourlyFile(const std::string& fileName, const Installation* installation)
{
    std::string name = fileName;
    for (char& c : name)
        if (c == '\\') c = '/';
    // A name with a drive letter or a backslash is a Windows path; on this system it is
    // only found through its installation part below.
    const bool windowsName = name != fileName || name.find(':') != std::string::npos;
    if (!windowsName && isFile(fileName) && (fs::path(fileName).is_absolute() || !installation)) return fileName;
    const fs::path path(name);
    if (path.is_relative() && !windowsName) return installation ? installation->readable(name) : path;
    if (!installation) return path;
    // An installation file of another machine: its part from the last "sys/" on.
    const std::size_t sys = name.rfind("sys/");
    if (sys != std::string::npos && (sys == 0 || name[sys - 1] == '/')) {
        const fs::path here = installation->readable(name.substr(sys));
        if (isFile(here)) return here;
    }
    return path;
}

TextLineSource::TextLineSource(const fs::path& path)
{
    // A directory opens as a stream on some systems but reads nothing: it is no file.
    if (isFile(path)) in_.open(path, std::ios::binary);
}

bool TextLineSource::next(std::string& line)
{
    line.clear();
    if (!in_.is_open()) return false;
    int c = in_.get();
    if (c == std::char_traits<char>::eof()) return false;
    while (c != std::char_traits<char>::eof() && c != '\n' && c != '\r') {
        if (line.size() < kMaxLineLength) line += static_cast<char>(c);
        c = in_.get();
    }
    if (c == '\r' && in_.peek() == '\n') in_.get();
    return true;
}

HourlyLineReader::HourlyLineReader(const fs::path& path, const CouplingRecord& record)
    : source_(path), record_(record)
{
    std::string ignored;
    for (int i = 0; i < record.headerLines && source_.next(ignored); ++i) {
    }
    lineNumber_ = record.headerLines > 0 ? record.headerLines : 0;
}

bool HourlyLineReader::readLine(HourlyValues& values)
{
    std::string line;
    ++lineNumber_;
    if (!source_.next(line)) return false;
    // A record without columns (or with more than there are) comes from a damaged file:
    // nothing can be read with it.
    if (record_.columnCount < 1 || record_.columnCount > kMaxColumns) return false;
    return convertLine(line, record_.columns.data(), record_.columnCount, values);
}

HourlyFileOpener hourlyFileOpener(const Installation* installation)
{
    // The installation is copied: the opener may outlive the caller's object.
    std::optional<Installation> copy;
    if (installation) copy = *installation;
    return [copy](const CouplingRecord& record) -> std::unique_ptr<HourlyReader> {
        const Installation* where = copy ? &*copy : nullptr;
        auto reader = std::make_unique<HourlyLineReader>(locateHourlyFile(record.fileName, where), record);
        if (!reader->isOpen()) return nullptr;
        return reader;
    };
}

std::string HourlyFileCheck::text(Language language) const
{
    switch (status) {
    case Status::Ok: return {};
    case Status::NoFileChosen: return std::string(kNoFileChosen.in(language));
    case Status::CannotOpen: return std::string(kCannotOpenFile.in(language));
    case Status::BadLine: return std::string(kErrorInLine.in(language)) + std::to_string(line);
    case Status::NameTooLong: return std::string(kCouplingNameTooLong.in(language));
    }
    return {};
}

HourlyFileCheck checkHourlyFile(const CouplingRecord& record, const Installation* installation)
{
    using Status = HourlyFileCheck::Status;
    if (record.fileName == "keine" || record.fileName.empty()) return {Status::NoFileChosen, 0};
    HourlyLineReader reader(locateHourlyFile(record.fileName, installation), record);
    if (!reader.isOpen()) return {Status::CannotOpen, 0};
    HourlyValues values{};
    for (int i = 0; i < kHoursPerYear; ++i)
        if (!reader.readLine(values)) return {Status::BadLine, reader.lineNumber()};
    return {};
}

}  // namespace talp
