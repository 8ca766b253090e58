// The climate installation data: generated reproducibly, committed as generated, and
// usable by the program (file check, derivation, lookups).

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "climate/bitmap.h"
#include "climate/postal_code.h"
#include "climate/region_colours.h"
#include "climate/regions.h"
#include "climate/station_list.h"
#include "climate/climate_model.h"
#include "files/climate_file_sine.h"
#include "files/hourly_file.h"
#include "tests/files/temp_dir.h"
#include "tools/climate_data/geography.h"
#include "tools/climate_data/installation_data.h"

namespace talp {
namespace {

namespace fs = std::filesystem;
using climate_data::generateInstallationData;
using testing::TempDir;

const fs::path kSource = TALP_SOURCE_DIR;
const fs::path kFacts = kSource / "tools/climate_data/facts";
const fs::path kData = kSource / "data";

Installation committedInstallation() { return {kData, kData}; }

// The generated files, made once for all tests of this file.
class GeneratedData : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        first_ = new TempDir;
        files_ = new climate_data::WrittenFiles(generateInstallationData(kFacts, first_->path()));
    }
    static void TearDownTestSuite()
    {
        delete first_;
        delete files_;
    }
    static TempDir* first_;
    static climate_data::WrittenFiles* files_;
};
TempDir* GeneratedData::first_ = nullptr;
climate_data::WrittenFiles* GeneratedData::files_ = nullptr;

TEST_F(GeneratedData, SameBytesEveryTimeAndAsCommitted)
{
    TempDir second;
    EXPECT_EQ(generateInstallationData(kFacts, second.path()), *files_);
    ASSERT_EQ(files_->size(), 12u + 58u + 1u + 1u + 12u + 1u + 1u + 2u);
    for (const std::string& file : *files_) {
        const auto bytes = TempDir::read(first_->path() / file);
        EXPECT_FALSE(bytes.empty()) << file;
        EXPECT_EQ(TempDir::read(second.path() / file), bytes) << file << " differs between two runs";
        EXPECT_EQ(TempDir::read(kData / file), bytes) << file << " differs from the generator's output: regenerate data/";
    }
}

TEST(InstallationClimateFiles, EveryFilePassesTheFileCheck)
{
    const Installation installation = committedInstallation();
    for (int n = 1; n <= kRegionCount; ++n) {
        const HourlyFileCheck check = checkHourlyFile(regionCoupling(n), &installation);
        EXPECT_TRUE(check.ok()) << regionClimateFile(n) << ": " << check.text(Language::German);
    }
    const StationListReading reading = readStationList(kData / kStationListFile);
    ASSERT_TRUE(reading.complete);
    for (const ClimateStation& s : reading.list.stations) {
        const HourlyFileCheck check = checkHourlyFile(stationCoupling(s.number), &installation);
        EXPECT_TRUE(check.ok()) << stationClimateFile(s.number) << ": " << check.text(Language::German);
    }
}

TEST(InstallationClimateFiles, RegionFilesGiveBackTheRegionTable)
{
    const Installation installation = committedInstallation();
    for (int n = 1; n <= kRegionCount; ++n) {
        const std::optional<ClimateFileSine> sine = deriveClimateFileSine(regionCoupling(n), &installation);
        ASSERT_TRUE(sine) << n;
        const ClimateRegion& region = climateRegion(n);
        EXPECT_NEAR(static_cast<double>(sine->maxMonthlyMean), static_cast<double>(region.highestMonthlyMean), 0.3) << "region " << n;
        EXPECT_NEAR(static_cast<double>(sine->winterSummerMean), static_cast<double>(region.annualMean), 0.3) << "region " << n;
        ASSERT_TRUE(sine->peakDay) << n;
        EXPECT_LE(std::abs(*sine->peakDay - region.peakDay), 5) << "region " << n;
    }
}

// A typical year has weather: days that differ, nights colder than afternoons, and no
// value a German climate never sees.
TEST(InstallationClimateFiles, RegionYearsLookLikeWeather)
{
    for (int n = 1; n <= kRegionCount; ++n) {
        std::ifstream in(kData / regionClimateFile(n));
        std::string line;
        for (int i = 0; i < 4; ++i) std::getline(in, line);
        std::vector<double> t;
        while (std::getline(in, line)) t.push_back(std::stod(line.substr(9)));
        ASSERT_EQ(t.size(), 8760u);
        double januaryRange = 0, sumSquares = 0, januaryMean = 0;
        for (int d = 0; d < 31; ++d) {
            double lo = 1e9, hi = -1e9, mean = 0;
            for (int h = 0; h < 24; ++h) {
                lo = std::min(lo, t[static_cast<std::size_t>(d * 24 + h)]);
                hi = std::max(hi, t[static_cast<std::size_t>(d * 24 + h)]);
                mean += t[static_cast<std::size_t>(d * 24 + h)] / 24;
            }
            januaryRange += (hi - lo) / 31;
            januaryMean += mean / 31;
            sumSquares += mean * mean / 31;
        }
        const double spread = std::sqrt(sumSquares - januaryMean * januaryMean);
        EXPECT_GT(spread, 1.0) << "region " << n << ": January days all alike";
        EXPECT_LT(spread, 7.0) << "region " << n;
        EXPECT_GT(januaryRange, 2.0) << "region " << n;
        EXPECT_LT(januaryRange, 10.0) << "region " << n;
        EXPECT_GT(*std::min_element(t.begin(), t.end()), -30.0) << "region " << n;
        EXPECT_LT(*std::max_element(t.begin(), t.end()), 40.0) << "region " << n;
    }
}

TEST(InstallationStationList, EveryStationHasItsPointOnTheEuropeMap)
{
    const StationListReading reading = readStationList(kData / kStationListFile);
    ASSERT_TRUE(reading.complete);
    EXPECT_EQ(reading.rejectedLines, 0);
    ASSERT_EQ(reading.list.count(), 58);
    const std::optional<Bitmap> map = readBitmap(kData / kEuropeMapFile);
    ASSERT_TRUE(map);
    EXPECT_EQ(map->width, kEuropeMapWidth);
    EXPECT_EQ(map->height, kEuropeMapHeight);
    int berlin = -1;
    for (int i = 0; i < reading.list.count(); ++i) {
        const ClimateStation& s = *reading.list.at(i);
        EXPECT_TRUE(map->contains(s.x, s.y)) << s.name;
        if (s.name == "Berlin-Tempelhof") berlin = i;
    }
    ASSERT_GE(berlin, 0);
    const ClimateStation& b = *reading.list.at(berlin);
    EXPECT_EQ(b.itemText(), "Berlin-Tempelhof, Deutschland");
    EXPECT_EQ(b.x, climate_data::EuropeProjection::column({13.40, 52.47}));
    EXPECT_EQ(b.y, climate_data::EuropeProjection::row({13.40, 52.47}));
    EXPECT_EQ(reading.list.stationAt(b.x + 3, b.y + 3), &b);
}

TEST(InstallationPostalCodes, RealCodesLandInTheirRegions)
{
    const fs::path table = kData / kPostalCodeFile;
    EXPECT_EQ(regionOfPostalCode("26548", table), 1);   // Norderney
    EXPECT_EQ(regionOfPostalCode("10115", table), 3);   // Berlin-Mitte
    EXPECT_EQ(regionOfPostalCode("09484", table), 11);  // Oberwiesenthal
    EXPECT_EQ(regionOfPostalCode("78462", table), 12);  // Konstanz
    EXPECT_EQ(regionOfPostalCode("79098", table), 7);   // Freiburg im Breisgau
    EXPECT_EQ(regionOfPostalCode("20095", table), 3);   // Hamburg
    EXPECT_EQ(regionOfPostalCode("28195", table), 2);   // Bremen
    EXPECT_EQ(regionOfPostalCode(kDefaultPostalCode, table), kStartRegion);
    // 600xx has no postal codes of its own (large customers in Frankfurt): its zone's
    // neighbour 603 gives the conurbation.
    EXPECT_EQ(regionOfPostalCode("60001", table), 3);
    EXPECT_FALSE(regionOfPostalCode("00100", table));  // zone 00 has no postal codes
}

// What the map click reads: the swatch image and every region map agree on the swatch
// colours, every region can be clicked on every map, and a town's pixel is its region.
TEST(InstallationMaps, EveryRegionIsClickableOnEveryMap)
{
    const std::optional<Bitmap> swatchImage = readBitmap(kData / kSwatchImageFile);
    ASSERT_TRUE(swatchImage);
    EXPECT_EQ(swatchImage->width, 1);
    EXPECT_EQ(swatchImage->height, 24);
    const std::optional<SwatchColours> swatches = swatchColoursOf(*swatchImage);
    ASSERT_TRUE(swatches);
    EXPECT_EQ(*swatches, standardSwatchColours());

    const auto pixelOf = [](double lon, double lat) {
        const climate_data::LonLat p{lon, lat};
        return std::pair{static_cast<int>(climate_data::GermanyProjection::x(p)), static_cast<int>(climate_data::GermanyProjection::y(p))};
    };
    const std::optional<Bitmap> start = readBitmap(kData / kStartRegionMapFile);
    ASSERT_TRUE(start);
    for (int n = 1; n <= kRegionCount; ++n) {
        const std::optional<Bitmap> map = readBitmap(kData / regionMapFile(n));
        ASSERT_TRUE(map) << n;
        std::array<int, kRegionCount + 1> pixels{};
        int highlighted = 0;
        for (const Rgb& c : map->pixels) {
            pixels[static_cast<std::size_t>(regionOfColour(c, *swatches).value_or(0))]++;
            if (c == Rgb{200, 20, 20}) ++highlighted;
        }
        for (int r = 1; r <= kRegionCount; ++r) EXPECT_GT(pixels[static_cast<std::size_t>(r)], 100) << "region " << r << " on map " << n;
        EXPECT_GT(highlighted, pixels[static_cast<std::size_t>(n)] / 8) << "map " << n << " does not mark its region";
        EXPECT_EQ(regionAfterMapClick(map->at(0, 0), *swatches, n), n);  // the corner is background
        if (n == kStartRegion) {
            EXPECT_EQ(start->pixels, map->pixels);
        }
    }
    struct Town {
        const char* name;
        double lon, lat;
        int region;
    };
    for (const Town& town : {Town{"Freiburg", 7.85, 47.99, 7}, Town{"Berlin", 13.40, 52.52, 3}, Town{"Rostock", 12.10, 54.09, 1},
                             Town{"Annaberg-Buchholz", 13.00, 50.58, 11}, Town{"Friedrichshafen", 9.48, 47.66, 12},
                             Town{"Hannover", 9.73, 52.37, 2}, Town{"Kassel", 9.50, 51.32, 4}}) {
        const auto [x, y] = pixelOf(town.lon, town.lat);
        const int other = town.region == 1 ? 2 : 1;  // a map on which the town's region is not hatched
        const std::optional<Bitmap> map = readBitmap(kData / regionMapFile(other));
        EXPECT_EQ(regionOfColour(map->at(x, y), *swatches), town.region) << town.name;
    }
}

}  // namespace
}  // namespace talp
