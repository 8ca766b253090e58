// The hourly climate files of the 12 regions and of the European stations, and the
// station list.

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <stdexcept>

#include "climate/regions.h"
#include "climate/station_list.h"
#include "core/numeric.h"
#include "files/climate_file_sine.h"
#include "tools/climate_data/csv.h"
#include "tools/climate_data/installation_data.h"
#include "tools/climate_data/random.h"

namespace talp::climate_data {

namespace fs = std::filesystem;

namespace {

constexpr double kPi = 3.14159265358979323846;
// Within-month spread of daily means (the tables) to the marginal spread of the AR(1)
// process: the months' own means take part of the variance away.
constexpr double kMarginalSpreadFactor = 1.14;

const std::map<std::string, std::string> kCountryNames{
    {"AT", "Österreich"}, {"BA", "Bosnien und Herzegowina"}, {"BE", "Belgien"}, {"BG", "Bulgarien"},
    {"BY", "Belarus"},    {"CH", "Schweiz"},     {"CZ", "Tschechien"},  {"DE", "Deutschland"},
    {"DK", "Dänemark"},   {"ES", "Spanien"},     {"FI", "Finnland"},    {"FR", "Frankreich"},
    {"GB", "Großbritannien"}, {"GR", "Griechenland"}, {"HU", "Ungarn"}, {"IE", "Irland"},
    {"IT", "Italien"},    {"LT", "Litauen"},     {"NL", "Niederlande"}, {"NO", "Norwegen"},
    {"PL", "Polen"},      {"PT", "Portugal"},    {"SE", "Schweden"},
};

std::string countryName(const std::string& iso)
{
    const auto found = kCountryNames.find(iso);
    if (found == kCountryNames.end()) throw std::runtime_error("no country name for " + iso);
    return found->second;
}

// "IWEC typical year (ASHRAE; obs ~1982-1999) via ...": the data set, without the way it
// was fetched.
std::string dataSetOf(const std::string& source) { return source.substr(0, source.find(" via ")); }

std::string degrees(double value, char positive, char negative)
{
    return formatFixed(std::fabs(value), 2) + " " + (value < 0 ? negative : positive);
}

double squaredDistance(LonLat a, LonLat b)
{
    const double dx = (a.lon - b.lon) * std::cos((a.lat + b.lat) / 2 * kPi / 180);
    const double dy = a.lat - b.lat;
    return dx * dx + dy * dy;
}

void writeLines(const fs::path& file, const std::vector<std::string>& header, const std::vector<int>& tenths,
                int skippedWidth, int valueWidth)
{
    std::ofstream out(file, std::ios::binary);
    for (const std::string& line : header) out << line << "\n";
    for (std::size_t i = 0; i < tenths.size(); ++i) {
        const int hourOfYear = static_cast<int>(i) + 1;
        const DayOfMonth date = TagImMonat((hourOfYear - 1) / kHoursPerDay + 1);
        const int hour = (hourOfYear - 1) % kHoursPerDay + 1;
        // The skipped columns tell the hour: month, day and hour in the region files,
        // the hour of the year in the station files.
        const std::string when = skippedWidth == 9 ? formatIntWidth(date.month, 2) + " " + formatIntWidth(date.day, 2) +
                                                         " " + formatIntWidth(hour, 2) + " "
                                                   : formatIntWidth(hourOfYear, skippedWidth - 1) + " ";
        const std::string value = formatFixedWidth(tenths[i] / 10.0L, valueWidth, 1);
        if (static_cast<int>(value.size()) != valueWidth) throw std::runtime_error(file.string() + ": value " + value + " does not fit");
        out << when << value << "\n";
    }
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

// The annual wave of the monthly means turned by `days` (the first harmonic moved, the
// rest of the months' shape kept).
MonthlyValues withAnnualWaveShifted(const MonthlyValues& means, double days)
{
    double mean = 0;
    for (double m : means) mean += m / 12;
    double a = 0, b = 0;
    std::array<double, 12> centres{};
    for (int m = 0; m < 12; ++m) {
        centres[static_cast<std::size_t>(m)] = daysBeforeMonth(m) + kMonthLengths[static_cast<std::size_t>(m)] / 2.0;
        const double w = 2 * kPi * centres[static_cast<std::size_t>(m)] / kDaysPerYear;
        a += (means[static_cast<std::size_t>(m)] - mean) * std::cos(w) / 6;
        b += (means[static_cast<std::size_t>(m)] - mean) * std::sin(w) / 6;
    }
    MonthlyValues shifted{};
    for (std::size_t m = 0; m < 12; ++m) {
        const double w = 2 * kPi * centres[m] / kDaysPerYear, ws = 2 * kPi * (centres[m] - days) / kDaysPerYear;
        shifted[m] = means[m] - (a * std::cos(w) + b * std::sin(w)) + (a * std::cos(ws) + b * std::sin(ws));
    }
    return shifted;
}

std::optional<int> derivedPeakDay(const MonthlyValues& means)
{
    std::array<long double, 12> m{};
    for (std::size_t i = 0; i < 12; ++i) m[i] = means[i];
    return sineOfMonthlyMeans(m).peakDay;
}

// A representative station's monthly means put onto a region of the table: the annual
// wave turned to the region's peak day, then scaled and shifted so that the climate
// file derivation gives back the region's highest monthly mean and annual mean.
MonthlyValues regionMonthlyMeans(const MonthlyValues& station, const ClimateRegion& region)
{
    MonthlyValues best = station;
    int bestMiss = 366;
    for (int shift = 0; shift <= 30; ++shift) {
        for (const int sign : {1, -1}) {
            const MonthlyValues turned = withAnnualWaveShifted(station, sign * shift);
            const std::optional<int> peak = derivedPeakDay(turned);
            const int miss = peak ? std::abs(*peak - region.peakDay) : 366;
            if (miss < bestMiss) {
                bestMiss = miss;
                best = turned;
            }
        }
    }
    double annual = 0;
    for (double m : best) annual += m / 12;
    const double amplitude = std::fabs(best[0] - best[6]) / 2, winterSummer = (best[0] + best[6]) / 2;
    const double scale = static_cast<double>(region.highestMonthlyMean - region.annualMean) / (annual + amplitude - winterSummer);
    const double offset = static_cast<double>(region.annualMean) - scale * winterSummer;
    MonthlyValues mapped{};
    for (std::size_t m = 0; m < 12; ++m) mapped[m] = offset + scale * best[m];
    return mapped;
}

DayToDayVariability variabilityOf(const CsvTable& table, std::size_t row)
{
    DayToDayVariability v;
    const std::array<std::string, 4> seasons{"DJF", "MAM", "JJA", "SON"};
    for (std::size_t s = 0; s < 4; ++s) {
        v.sigma[s] = kMarginalSpreadFactor * table.number(row, "sd_" + seasons[s]);
        v.lagOneCorr[s] = table.number(row, "r1_" + seasons[s]);
    }
    return v;
}

MonthlyValues toMonthly(const std::vector<double>& values)
{
    MonthlyValues m{};
    std::copy(values.begin(), values.end(), m.begin());
    return m;
}

}  // namespace

std::vector<StationFacts> readStations(const fs::path& factsDir)
{
    const CsvTable table = CsvTable::read(factsDir / "stations.csv");
    const CsvTable variability = CsvTable::read(factsDir / "station_variability.csv");
    std::map<int, std::size_t> variabilityRow;
    for (std::size_t r = 0; r < variability.rows(); ++r) variabilityRow[variability.integer(r, "wmo_id")] = r;
    std::vector<StationFacts> stations;
    for (std::size_t r = 0; r < table.rows(); ++r) {
        StationFacts s;
        s.number = table.integer(r, "wmo_id");
        s.name = table.text(r, "name");
        s.country = table.text(r, "country");
        s.position = {table.number(r, "lon"), table.number(r, "lat")};
        s.elevation = table.integer(r, "elevation_m");
        s.source = dataSetOf(table.text(r, "source"));
        s.period = table.text(r, "period");
        s.monthlyMeans = toMonthly(table.monthly(r, "t_"));
        s.dailyRanges = toMonthly(table.monthly(r, "dtr_"));
        const auto found = variabilityRow.find(s.number);
        if (found == variabilityRow.end()) throw std::runtime_error("no variability for station " + s.name);
        s.variability = variabilityOf(variability, found->second);
        stations.push_back(std::move(s));
    }
    std::stable_sort(stations.begin(), stations.end(), [](const StationFacts& a, const StationFacts& b) { return a.name < b.name; });
    return stations;
}

std::array<DiurnalShape, 12> readDiurnalShapes(const fs::path& factsDir)
{
    const CsvTable table = CsvTable::read(factsDir / "diurnal_profile_de.csv");
    if (table.rows() != 12) throw std::runtime_error("diurnal_profile_de.csv: 12 months expected");
    std::array<DiurnalShape, 12> shapes{};
    for (std::size_t m = 0; m < 12; ++m) {
        double mean = 0;
        for (std::size_t h = 0; h < 24; ++h) {
            shapes[m][h] = table.number(m, std::string("h") + (h < 9 ? "0" : "") + std::to_string(h + 1));
            mean += shapes[m][h] / 24;
        }
        // The table's shapes are zero-mean to three decimals; exactly zero-mean keeps
        // the daily means of the generator untouched by the shape.
        for (double& v : shapes[m]) v -= mean;
    }
    return shapes;
}

WrittenFiles writeRegionClimates(const fs::path& factsDir, const fs::path& outDir)
{
    const CsvTable regions = CsvTable::read(factsDir / "regions_de.csv");
    const std::vector<StationFacts> stations = readStations(factsDir);
    const std::array<DiurnalShape, 12> shapes = readDiurnalShapes(factsDir);
    fs::create_directories(outDir / "sys");
    WrittenFiles written;
    for (std::size_t r = 0; r < regions.rows(); ++r) {
        const int n = regions.integer(r, "region");
        const ClimateRegion& region = climateRegion(n);
        const LonLat site{regions.number(r, "data_lon"), regions.number(r, "data_lat")};
        // The day-to-day weather of the nearest station of the station table.
        const StationFacts* nearest = &stations.front();
        for (const StationFacts& s : stations)
            if (squaredDistance(s.position, site) < squaredDistance(nearest->position, site)) nearest = &s;

        ClimateFigures figures;
        figures.monthlyMeans = regionMonthlyMeans(toMonthly(regions.monthly(r, "t_")), region);
        figures.dailyRanges = toMonthly(regions.monthly(r, "dtr_"));
        figures.variability = nearest->variability;
        figures.diurnalShapes = shapes;
        figures.seed = seedOf(static_cast<std::uint64_t>(n));

        const std::vector<std::string> header{
            "TALP Klimaregion " + std::to_string(n) + ": " + regions.text(r, "spec_name") +
                " - generiertes typisches Jahr, 8760 Stundenwerte der Aussenlufttemperatur in Grad C ab 1. Januar 01:00",
            "Monatsmittel und Tagesschwankung: " + regions.text(r, "data_source"),
            "skaliert auf die Regionstabelle: max. Monatsmittel " + formatFixed(region.highestMonthlyMean, 1) +
                ", Jahresmittel " + formatFixed(region.annualMean, 1) + ", Sinusspitze Tag " + std::to_string(region.peakDay) +
                "; Tag-zu-Tag-Schwankung wie " + nearest->name,
            "Format XXXXXXXXXAAAA.A (Monat Tag Stunde, Temperatur); Wettergenerator tools/climate_data, Startwert " +
                std::to_string(figures.seed)};
        const std::string file = regionClimateFile(n);
        writeLines(outDir / file, header, tenthsWithCarriedResidue(generateHourlyYear(figures)), 9, 6);
        written.push_back(file);
    }
    return written;
}

WrittenFiles writeStationClimates(const fs::path& factsDir, const fs::path& outDir)
{
    const std::vector<StationFacts> stations = readStations(factsDir);
    const std::array<DiurnalShape, 12> shapes = readDiurnalShapes(factsDir);
    fs::create_directories(outDir / "sys");
    WrittenFiles written;
    std::ofstream list(outDir / kStationListFile, std::ios::binary);
    for (const StationFacts& s : stations) {
        const int x = EuropeProjection::column(s.position), y = EuropeProjection::row(s.position);
        if (!StationHitGrid::fits(x, y) || x >= EuropeProjection::kWidth || y >= EuropeProjection::kHeight)
            throw std::runtime_error("station " + s.name + " lies off the Europe map");
        list << s.number << ";" << s.name << ";" << countryName(s.country) << ";;;" << x << ";" << y << ";\n";

        ClimateFigures figures{s.monthlyMeans, s.dailyRanges, s.variability, shapes, seedOf(static_cast<std::uint64_t>(s.number))};
        const std::vector<std::string> header{
            "TALP Klimastation " + std::to_string(s.number) + ": " + s.name + " (" + s.country + "), " +
                degrees(s.position.lat, 'N', 'S') + " " + degrees(s.position.lon, 'E', 'W') + ", " +
                std::to_string(s.elevation) + " m",
            "Generiertes typisches Jahr: 8760 Stundenwerte der Aussenlufttemperatur in Grad C ab 1. Januar 01:00",
            "Monatsmittel und mittlere Tagesschwankung: " + s.source,
            "Zeitraum der Daten: " + s.period,
            "Tag-zu-Tag-Schwankung und Erhaltungsneigung der Station je Jahreszeit",
            "Format XXXXXAAA.A (Stunde des Jahres, Temperatur); Wettergenerator tools/climate_data, Startwert " +
                std::to_string(figures.seed)};
        const std::string file = stationClimateFile(s.number);
        writeLines(outDir / file, header, tenthsWithCarriedResidue(generateHourlyYear(figures)), 5, 5);
        written.push_back(file);
    }
    if (!list) throw std::runtime_error("cannot write the station list");
    written.push_back(std::string(kStationListFile));
    return written;
}

}  // namespace talp::climate_data
