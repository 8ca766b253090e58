#pragma once
// The relative humidity of every hour of a climate file: a second file beside it with the
// same name and the extension ".hum", in the climate file's own layout (header lines and
// columns), that holds the relative humidity in % where the climate file holds the
// temperature. The weather import writes it; the condensation estimate reads it.

#include <filesystem>
#include <string>
#include <vector>

#include "core/installation.h"
#include "core/texts.h"
#include "files/coupling_record.h"

namespace talp {

std::filesystem::path humidityFileBeside(const std::filesystem::path& climateFile);

struct HumidityYear {
    enum class Status {
        None,     // no humidity file beside the climate file (or no climate file coupled)
        Read,     // 8760 hours in `percent`
        Refused,  // the file is there but `line` does not read or holds no humidity
    } status = Status::None;
    std::vector<long double> percent;
    int line = 0;  // counted from the top of the file, header included

    // "Fehler in der Feuchtedatei, Zeile 14"; empty unless refused.
    std::string text(Language language) const;
};

// The humidity beside the file of a valid climate coupling.
HumidityYear readHumidityBeside(const CouplingRecord& climate, const Installation* installation);

}  // namespace talp
