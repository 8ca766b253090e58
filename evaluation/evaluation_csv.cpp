#include "evaluation/evaluation_csv.h"

#include "core/numeric.h"

namespace talp {

CsvTable annualCsvTable(const SimulationResults& r, const std::optional<std::vector<long double>>& condensate,
                        Language language)
{
    CsvTable table;
    for (const Text& column : {Text{"Monat", "Month"}, Text{"Tag", "Day"}, Text{"Stunde", "Hour"},
                               Text{"Regelung EWT an/aus (1/0)", "Control EHX on/off (1/0)"},
                               Text{"Ventilationsstrom in m³/h", "Ventilation flow in m³/h"},
                               Text{"Temperatur vor EWT in °C", "EHX inlet temperature in °C"},
                               Text{"Temperatur nach EWT in °C", "EHX outlet temperature in °C"},
                               Text{"Wärmefluss in kW", "Heat flow in kW"},
                               Text{"Ventilatorleistung in W", "Fan power in W"}})
        table.header.emplace_back(column.in(language));
    if (condensate) table.header.emplace_back(Text{"Kondensat in kg/h", "Condensate in kg/h"}.in(language));

    int dayOfYear = 0;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= kMonthLengths[static_cast<std::size_t>(month - 1)]; ++day) {
            ++dayOfYear;
            for (int hour = 1; hour <= kHoursPerDay; ++hour) {
                const long double flow = r.HourlyAirFlow(dayOfYear, hour);
                std::vector<CsvCell> row{csvNumber(month, 0),
                                         csvNumber(day, 0),
                                         csvNumber(hour, 0),
                                         csvNumber(flow != 0 ? 1 : 0, 0),
                                         csvNumber(flow),
                                         csvNumber(r.HourlyOutdoorTemp(dayOfYear, hour)),
                                         csvNumber(r.HourlyOutletTemp(dayOfYear, hour)),
                                         csvNumber(r.HourlyHeatGain(dayOfYear, hour)),
                                         csvNumber(r.HourlyFanPower(dayOfYear, hour))};
                if (condensate)
                    row.push_back(csvNumber((*condensate)[static_cast<std::size_t>((dayOfYear - 1) * kHoursPerDay + hour - 1)]));
                table.rows.push_back(std::move(row));
            }
        }
    return table;
}

CsvTable dailyCsvTable(const SimulationResults& r, const ShownHour& shown, long double pipeLength, Language language)
{
    CsvTable table;
    for (const Text& column : {Text{"Segment", "Segment"}, Text{"EWT-Rohrlänge in m", "EHX pipe length in m"},
                               Text{"Lufttemperatur in °C", "Air temperature in °C"},
                               Text{"Rohrtemperatur in °C", "Pipe temperature in °C"},
                               Text{"Erdreichtemperatur in °C", "Soil temperature in °C"},
                               Text{"Wärmefluss in W/m²", "Heat flux in W/m²"}})
        table.header.emplace_back(column.in(language));
    const int h = shown.hour;
    for (int s = 1; s <= kSegments; ++s)
        table.rows.push_back({csvNumber(s, 0), csvNumber(pipeLength * s * 0.01L), csvNumber(r.DayAirTemp(h, s)),
                              csvNumber(r.DayWallTemp(h, s)), csvNumber(r.DaySoilTemp(h, s)),
                              csvNumber(r.DayHeatFluxDensity(h, s))});
    return table;
}

}  // namespace talp
