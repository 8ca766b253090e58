#pragma once
// The fixed-column format of an hourly data file, e.g. "XXXXXXXXXAAAA.A": "X" skips a
// character, a run of a letter is the integer part of a value, "." and a second run of the
// same letter its decimals. The letter names the quantity: "A" outdoor air temperature,
// "V" ventilation flow, "S" set-point temperature, "P" fan power.

#include <array>
#include <optional>
#include <string_view>

#include "core/hourly_input.h"
#include "core/texts.h"
#include "files/coupling_record.h"

namespace talp {

inline constexpr std::string_view kClimateLetters = "A";
inline constexpr std::string_view kBuildingLetters = "VSP";

// At most this many characters of a line are read; the rest of a longer line is ignored.
inline constexpr std::size_t kMaxLineLength = 200;

inline constexpr Text kFormatSyntaxError{"Syntax Error in Format String", "Syntax Error in Format String"};

struct ParsedFormat {
    std::array<ColumnDescriptor, kMaxColumns> columns{};
    int count = 0;
};

// Parses a format string with the letters allowed for the file ("A" or "VSP"). Fails on
// an unknown or repeated letter, a point without decimals, and a format without any value
// column (nothing could be read from such a file).
std::optional<ParsedFormat> parseFormat(std::string_view format, std::string_view allowedLetters);

// Checks one line (its first kMaxLineLength characters) against the columns and converts
// their values, in column order. False when a field holds anything but digits, blanks and
// "-" (decimals: digits and blanks after a "."), does not read as a number, or lies
// beyond the end of the line.
bool convertLine(std::string_view line, const ColumnDescriptor* columns, int count, HourlyValues& values);

}  // namespace talp
