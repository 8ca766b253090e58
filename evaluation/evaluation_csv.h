#pragma once
// The annual and the daily evaluation as tables for a spreadsheet, beside their
// fixed-format exports: the same quantities, one hour or one segment per line, with the
// separators of the interface language (files/csv_file.h).

#include <optional>
#include <vector>

#include "core/simulation.h"
#include "core/texts.h"
#include "evaluation/daily_export.h"
#include "files/csv_file.h"

namespace talp {

// Every hour of the year: month, day, hour, control (1 on, 0 off), air flow in m³/h,
// temperature before and after the exchanger in °C, heat flow in kW, fan power in W, and
// the condensate in kg/h when the humidity is known (a humidity file that does not read
// leaves the column out rather than fill it on an assumption).
CsvTable annualCsvTable(const SimulationResults& results, const std::optional<std::vector<long double>>& condensate,
                        Language language);

// The profile along the pipe of the shown hour: segment, distance from the inlet in m, air,
// pipe and soil temperature in °C and the heat flux density in W/m².
CsvTable dailyCsvTable(const SimulationResults& results, const ShownHour& shown, long double pipeLength,
                       Language language);

}  // namespace talp
