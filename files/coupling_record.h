#pragma once
// Settings of one hourly data file written by another program: the climate file (letter
// "A") or the building file (letters "V", "S", "P").

#include <array>
#include <cstdint>
#include <string>

namespace talp {

inline constexpr int kMaxColumns = 6;

struct ColumnDescriptor {
    std::int32_t skip = 0;      // characters to pass over before the value
    std::int32_t width = 0;     // characters of the integer part
    std::int32_t decimals = 0;  // characters after the decimal point; 0 = none
    char letter = ' ';          // quantity of the column

    bool operator==(const ColumnDescriptor&) const = default;
};

struct CouplingRecord {
    bool valid = false;
    std::string fileName = "keine";  // "keine" when no file is chosen
    std::string format;
    std::array<ColumnDescriptor, kMaxColumns> columns{};
    std::int32_t columnCount = 0;
    std::int32_t headerLines = 4;

    // Index of the column that carries `letter` (the last one when several do), or -1.
    int columnOf(char letter) const
    {
        int found = -1;
        for (int i = 0; i < columnCount && i < kMaxColumns; ++i)
            if (columns[static_cast<std::size_t>(i)].letter == letter) found = i;
        return found;
    }

    bool operator==(const CouplingRecord&) const = default;
};

inline CouplingRecord defaultClimateCoupling()
{
    CouplingRecord r;
    r.format = "XXXXXXXXXAAAA.A";
    return r;
}

inline CouplingRecord defaultBuildingCoupling()
{
    CouplingRecord r;
    r.format = "XXXXXXXXXVVVV.VXSSSS.S";
    return r;
}

}  // namespace talp
