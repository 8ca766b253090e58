#pragma once
// Hourly data files of other programs (a climate file, a building simulation's ventilation
// file): locating them, checking a whole year against the format, and reading them line
// by line for the simulation.

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "core/hourly_input.h"
#include "core/installation.h"
#include "core/texts.h"
#include "files/coupling_record.h"

namespace talp {

// The file name stored in a coupling record as a path on this machine. A relative name is
// an installation file (e.g. "sys/_klima_4.met"); Windows separators are understood, and a
// project from another machine that names that machine's installation ("C:\TALP\sys\...")
// finds the same file in this installation.
std::filesystem::path locateHourlyFile(const std::string& fileName, const Installation* installation);

// Reads the lines of a text file as the hourly files are read: LF, CR LF or a lone CR end
// a line, a line is cut to kMaxLineLength characters, and a line past the end of the file
// reads as empty.
class TextLineSource {
public:
    explicit TextLineSource(const std::filesystem::path& path);
    bool isOpen() const { return in_.is_open(); }
    // False past the end of the file (the line is then empty).
    bool next(std::string& line);

private:
    std::ifstream in_;
};

// The line reader: one data line per call, in the columns of a coupling record.
class HourlyLineReader final : public HourlyReader {
public:
    // Opens the file and passes over its header lines.
    HourlyLineReader(const std::filesystem::path& path, const CouplingRecord& record);
    bool isOpen() const { return source_.isOpen(); }
    bool readLine(HourlyValues& values) override;
    // Number of the line read last, counted from the top of the file (header included).
    int lineNumber() const { return lineNumber_; }

private:
    TextLineSource source_;
    CouplingRecord record_;
    int lineNumber_ = 0;
};

// The simulation's opener: the record's file, found through the installation.
HourlyFileOpener hourlyFileOpener(const Installation* installation);

inline constexpr Text kNoFileChosen{"Keine Datei gewählt", "Please enter filename"};
inline constexpr Text kCannotOpenFile{"Datei kann nicht geöffnet werden", "Unable to open file"};
inline constexpr Text kErrorInLine{"Fehler in Datei, Zeile ", "File-format-error in row "};
inline constexpr Text kWarningTitle{"Warnung", "Warning"};

// The result of checking a file: success, or the message the user sees.
struct HourlyFileCheck {
    enum class Status { Ok, NoFileChosen, CannotOpen, BadLine, NameTooLong } status = Status::Ok;
    int line = 0;  // the first bad line, counted from the top of the file, header included

    bool ok() const { return status == Status::Ok; }
    // The warning's text in a language ("Fehler in Datei, Zeile 14").
    std::string text(Language language) const;
};

// The file check of a coupling: the file named "keine" is no file; otherwise exactly one
// year of data lines (8760) must pass the line check after the header lines. Lines after
// the 8760th are not read.
HourlyFileCheck checkHourlyFile(const CouplingRecord& record, const Installation* installation);

}  // namespace talp
