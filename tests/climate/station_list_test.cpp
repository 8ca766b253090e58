#include <gtest/gtest.h>

#include <sstream>

#include "climate/station_list.h"

namespace talp {
namespace {

StationListReading read(const std::string& text)
{
    std::istringstream in(text);
    return readStationList(in);
}

TEST(StationList, FieldsAreClosedBySemicolons)
{
    const StationListReading r = read("10384;Berlin-Tempelhof;Deutschland;a;b;146;113;\r\n"
                                      "6700;Geneve-Cointrin;Schweiz;;;105;149;trailing text\n");
    ASSERT_TRUE(r.complete);
    ASSERT_EQ(r.list.count(), 2);
    const ClimateStation& berlin = *r.list.at(0);
    EXPECT_EQ(berlin.number, 10384);
    EXPECT_EQ(berlin.itemText(), "Berlin-Tempelhof, Deutschland");
    EXPECT_EQ(berlin.x, 146);
    EXPECT_EQ(berlin.y, 113);
    EXPECT_EQ(r.list.at(1)->itemText(), "Geneve-Cointrin, Schweiz");
    EXPECT_EQ(stationClimateFile(berlin.number), "sys/_klima10384.met");
    EXPECT_EQ(stationClimateFile(1311), "sys/_klima1311.met");  // no leading zeros
}

TEST(StationList, AByteOrderMarkBeforeTheFirstStationIsNoPartOfIt)
{
    const StationListReading r = read("\xEF\xBB\xBF" "10384;Berlin-Tempelhof;Deutschland;;;146;113;\n");
    ASSERT_TRUE(r.complete);
    EXPECT_EQ(r.list.at(0)->number, 10384);
}

TEST(StationList, AMalformedLineEndsTheReadingWithTheStationsSoFar)
{
    // The Y field lacks its closing ";": the line has six fields only.
    const StationListReading r = read("1;A;X;;;10;10;\n2;B;Y;;;20;20\n3;C;Z;;;30;30;\n");
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(r.list.count(), 1);
    EXPECT_FALSE(read("1;A;X;;;ten;10;\n").complete);
    EXPECT_FALSE(read("x1;A;X;;;10;10;\n").complete);
    EXPECT_FALSE(readStationList(std::filesystem::path("/nonexistent/sys/kstat.txt")).complete);
}

TEST(StationList, LinesWithoutRoomAreLeftOut)
{
    std::string text = "1;Edge;X;;;293;100;\n2;Beyond;X;;;294;100;\n3;Low;X;;;100;294;\n4;Negative;X;;;-1;5;\n";
    for (int i = 0; i < 300; ++i) text += std::to_string(100 + i) + ";S;X;;;" + std::to_string(i % 290) + ";50;\n";
    const StationListReading r = read(text);
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.list.count(), kMaxStations);
    EXPECT_EQ(r.rejectedLines, 3 + (300 - (kMaxStations - 1)));
    EXPECT_EQ(r.list.at(0)->name, "Edge");  // X + 7 = 300 is the last cell
    EXPECT_EQ(r.list.at(1)->number, 100);
}

TEST(StationHitGrid, AStationAnswersOnItsDiagonalRunOnly)
{
    const StationListReading r = read("1;First;X;;;10;10;\n2;Second;Y;;;40;60;\n");
    const StationList& list = r.list;
    for (int k = 0; k < kHitRunLength; ++k) EXPECT_EQ(list.stationAt(40 + k, 60 + k), list.at(1)) << k;
    EXPECT_EQ(list.stationAt(48, 68), nullptr);  // past the run
    EXPECT_EQ(list.stationAt(41, 60), nullptr);  // one pixel beside it
    EXPECT_EQ(list.stationAt(40, 61), nullptr);
    EXPECT_EQ(list.stationAt(39, 59), nullptr);
    // The station on the first line is found on the map like every other.
    EXPECT_EQ(list.stationAt(10, 10), list.at(0));
    EXPECT_EQ(list.stationAt(-1, 0), nullptr);
    EXPECT_EQ(list.stationAt(0, 301), nullptr);
}

TEST(StationHitGrid, ALaterStationOverwritesAnEarlierOneWhereRunsCross)
{
    // Runs from (10, 10) and (12, 10) do not meet; (10, 12) shares no cell either; a run
    // from (12, 12) lies on the first one's cells 2..7.
    const StationListReading r = read("1;A;X;;;10;10;\n2;B;X;;;12;12;\n");
    EXPECT_EQ(r.list.stationAt(11, 11), r.list.at(0));
    EXPECT_EQ(r.list.stationAt(12, 12), r.list.at(1));
    EXPECT_EQ(r.list.stationAt(17, 17), r.list.at(1));
    EXPECT_EQ(r.list.stationAt(19, 19), r.list.at(1));
}

TEST(MapPointer, LowerRightCornerJustAboveAndLeftOfThePoint)
{
    const PointerPlacement p = placePointer(8, 16, 146, 113);
    EXPECT_EQ(p.left, 8 + 146 - 20 - 1);
    EXPECT_EQ(p.top, 16 + 113 - 20 - 1);
    EXPECT_EQ(p.left + kPointerSize, 8 + 146 - 1);
}

}  // namespace
}  // namespace talp
