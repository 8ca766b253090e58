#pragma once
// Hourly values from the data files of other programs, as the simulation consumes them:
// one line per hour, the values in the order of the coupling record's columns.

#include <array>
#include <functional>
#include <memory>

#include "files/coupling_record.h"

namespace talp {

using HourlyValues = std::array<long double, kMaxColumns>;

class HourlyReader {
public:
    virtual ~HourlyReader() = default;
    // Reads the next data line; false when it is missing or does not fit the format.
    virtual bool readLine(HourlyValues& values) = 0;
};

// Opens the file of a coupling record positioned after its header lines; nullptr when
// the file cannot be opened.
using HourlyFileOpener = std::function<std::unique_ptr<HourlyReader>(const CouplingRecord&)>;

}  // namespace talp
