#include <gtest/gtest.h>

#include <set>

#include "climate/climate_model.h"
#include "files/extended_real.h"
#include "files/project_load.h"
#include "files/project_record.h"
#include "files/windows1252.h"
#include "random_project.h"

namespace talp {
namespace {

Project loaded(const RecordBytes& bytes, Language language = Language::German)
{
    Project p;
    applyRecord(p, bytes, {language, nullptr});
    return p;
}

std::int32_t int32At(const RecordBytes& b, std::size_t offset)
{
    return static_cast<std::int32_t>(b[offset] | b[offset + 1] << 8 | b[offset + 2] << 16 |
                                     static_cast<std::uint32_t>(b[offset + 3]) << 24);
}

TEST(ProjectRecord, FieldsLieAtTheirOffsets)
{
    Project p;
    p.set(Param::rohranzahl, 7);
    p.set(Param::kellerinnentemp, 12);
    p.set(Param::einflation, 4.5L);
    p.set(Param::strompreis, 31);
    p.HlkModus = "sim";
    p.SegmentBuildingDistance.values[99] = 42.5L;
    p.SegmentDepth.entered[3] = true;
    p.calendar.set(2, 30, false);
    p.buildingCoupling.headerLines = 17;
    const RecordBytes b = encodeProject(p);

    EXPECT_EQ(b[0], 9);
    EXPECT_EQ(std::string(b.begin() + 1, b.begin() + 10), "TALP 1.00");
    EXPECT_EQ(readExtended(&b[24]), 12.0L);
    EXPECT_EQ(readExtended(&b[34]), 0.8L);
    EXPECT_EQ(int32At(b, 44), 7);
    EXPECT_EQ(readExtended(&b[58]), 500.0L);
    EXPECT_EQ(b[98], 1);
    EXPECT_EQ(readExtended(&b[1102 + 99 * 10]), 42.5L);
    EXPECT_EQ(b[2102 + 3], 1);
    EXPECT_EQ(b[2304], 13);
    EXPECT_EQ(std::string(b.begin() + 2305, b.begin() + 2318), "lehmig feucht");
    EXPECT_EQ(int32At(b, 2440), 6);  // "Juli"
    EXPECT_EQ(b[2452], 3);
    EXPECT_EQ(readExtended(&b[2564]), 1.0L);
    EXPECT_EQ(b[2575 + 31 + 29], 0);  // 30 February, month-major with 31 slots
    EXPECT_EQ(b[2575 + 31 + 28], 1);
    EXPECT_EQ(int32At(b, 2992), 31);
    EXPECT_EQ(readExtended(&b[3016]), 4.5L);
    EXPECT_EQ(b[3028 + 1], 5);  // "keine"
    EXPECT_EQ(int32At(b, 3336 + 304), 17);
    EXPECT_EQ(std::string(b.begin() + 3336 + 103, b.begin() + 3336 + 103 + 22), "XXXXXXXXXVVVV.VXSSSS.S");
}

TEST(ProjectRecord, PaddingIsWrittenAsZeros)
{
    std::mt19937_64 random(7);
    const RecordBytes b = encodeProject(testing::randomProject(random));
    // Bytes of no field, and inside the coupling records the byte after the format and
    // the three bytes after each column's letter.
    std::set<std::size_t> padding;
    for (std::size_t at : {101, 2302, 2303, 2335, 2407, 2438, 2439, 2483, 2947, 2958, 2959, 2982, 2983, 3026, 3027})
        padding.insert(at);
    for (std::size_t coupling : {3028, 3336, 3644}) {
        padding.insert(coupling + 203);
        for (std::size_t c = 0; c < 6; ++c)
            for (std::size_t k = 13; k < 16; ++k) padding.insert(coupling + 204 + c * 16 + k);
    }
    for (std::size_t at : padding) EXPECT_EQ(b[at], 0) << at;
    // Text bytes beyond a string's length are zeros too.
    for (std::size_t i = 2305 + b[2304]; i < 2335; ++i) EXPECT_EQ(b[i], 0) << i;
}

TEST(ProjectRecord, RandomProjectsComeBackBitForBit)
{
    std::mt19937_64 random(20260412);
    for (int i = 0; i < 200; ++i) {
        const Project original = testing::randomProject(random);
        const RecordBytes saved = encodeProject(original);
        const Project back = loaded(saved);
        // Every stored value is back exactly (the maintenance amount is not stored, the
        // station only with a station climate).
        for (const ParamSpec& s : parameterTable()) {
            if (s.id == Param::wartungskosten_dm || s.id == Param::AuswKlimastation) continue;
            ASSERT_EQ(back.get(s.id), original.get(s.id)) << s.name;
        }
        ASSERT_EQ(back.erdreich, original.erdreich);
        ASSERT_EQ(back.klimaModell, original.klimaModell);
        ASSERT_EQ(back.HlkModus, original.HlkModus);
        ASSERT_EQ(back.SegmentDepth, original.SegmentDepth);
        ASSERT_EQ(back.SegmentBuildingDistance, original.SegmentBuildingDistance);
        ASSERT_EQ(back.calendar, original.calendar);
        ASSERT_EQ(back.climateCoupling, original.climateCoupling);
        ASSERT_EQ(back.buildingCoupling, original.buildingCoupling);
        ASSERT_EQ(back.lastClimateCoupling, original.lastClimateCoupling);
        ASSERT_EQ(encodeProject(back), saved);
    }
}

TEST(ProjectRecord, TextsInTheWindowsCodePage)
{
    Project p;
    p.erdreich = "Wärmeleitfähiger Boden mit Überlänge im Namen";  // 45 characters
    const RecordBytes b = encodeProject(p);
    EXPECT_EQ(b[2304], 30);
    EXPECT_EQ(b[2305 + 1], 0xE4);  // "ä" is one byte
    EXPECT_EQ(loaded(b).erdreich, "Wärmeleitfähiger Boden mit Übe");
    EXPECT_EQ(utf8FromWindows1252("\x80\x81\xE4"), "€\xC2\x81ä");
    EXPECT_EQ(windows1252FromUtf8("€ ß 日本"), "\x80 \xDF ??");
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(windows1252FromUtf8(utf8FromWindows1252(all)), all);
}

TEST(ProjectRecord, StationClimateStoresTwentyPlusTheStation)
{
    Project p;
    p.klimaModell = "euro";
    p.set(Param::AuswKlimastation, 4);
    p.set(Param::klimaregion, 6);
    const RecordBytes b = encodeProject(p);
    EXPECT_EQ(int32At(b, 2448), 24);
    // Loading without the installation's station list still shows the stored station
    // and region item 3.
    const Project back = loaded(b);
    EXPECT_EQ(back.getInt(Param::AuswKlimastation), 4);
    EXPECT_EQ(back.getInt(Param::klimaregion), 3);
}

TEST(ProjectRecord, TheLoadFollowsTheWindowsOrder)
{
    Project p;
    RecordBytes b = encodeProject(p);
    // Max, mean and min stored inconsistently: setting the minimum last moves the mean.
    writeExtended(&b[2408], 20.0L);
    writeExtended(&b[2418], 10.0L);
    writeExtended(&b[2428], 5.0L);
    // Air change stored unrounded: the flow, set after it, rounds it again.
    writeExtended(&b[2524], 1000.0L);
    writeExtended(&b[2534], 1.234L);
    writeExtended(&b[2544], 1500.0L);
    const Project back = loaded(b);
    EXPECT_EQ(back.get(Param::max_monatsmittel), 20.0L);
    EXPECT_EQ(back.get(Param::min_monatsmittel), 5.0L);
    EXPECT_EQ(back.get(Param::jahresmittel), 12.5L);
    EXPECT_EQ(back.get(Param::luftstrom), 1500.0L);
    EXPECT_EQ(back.get(Param::luftwechsel), 1.5L);
    // The maintenance amount follows the stored percentage of the stored investment.
    EXPECT_EQ(back.get(Param::wartungskosten_dm), 20.0L);
}

TEST(ProjectRecord, ALoadedProjectIsUnmodifiedAndOutOfDate)
{
    Project p;
    p.set(Param::rohrlnge, 77);
    Project target;
    target.RecalcNeeded = target.OptRecalcNeeded = false;
    target.modified = true;
    applyRecord(target, encodeProject(p), {});
    EXPECT_FALSE(target.modified);
    EXPECT_TRUE(target.RecalcNeeded);
    EXPECT_TRUE(target.OptRecalcNeeded);
    EXPECT_EQ(target.get(Param::rohrlnge), 77);
}

TEST(ProjectRecord, TheStartSoilTakesTheInterfacesLanguage)
{
    const RecordBytes b = encodeProject(Project{});
    EXPECT_EQ(loaded(b, Language::German).erdreich, "lehmig feucht");
    EXPECT_NE(loaded(b, Language::English).erdreich, "lehmig feucht");
}

TEST(ProjectRecord, FileModelsLeaveTheirFilesToBeAcceptedAgain)
{
    Project p;
    p.klimaModell = "sim";
    p.HlkModus = "sim";
    p.lastClimateCoupling.valid = true;
    Project back;
    const LoadFindings f = applyRecord(back, encodeProject(p), {});
    EXPECT_TRUE(f.reacceptClimateFile);
    EXPECT_FALSE(f.chooseClimateFile);
    EXPECT_TRUE(f.reacceptBuildingFile);
    EXPECT_TRUE(f.chooseBuildingFile);  // the building record is not valid
    const LoadFindings none = applyRecord(back, encodeProject(Project{}), {});
    EXPECT_FALSE(none.reacceptClimateFile || none.reacceptBuildingFile);
}

TEST(ProjectRecord, UnsoundRecordsAreRecognised)
{
    const RecordBytes sound = encodeProject(Project{});
    EXPECT_FALSE(recordFault(sound));
    RecordBytes b = sound;
    b[0] = 200;  // the version's length byte is not looked at
    EXPECT_FALSE(recordFault(b));
    b = sound;
    b[2304] = 31;
    EXPECT_TRUE(recordFault(b));
    b = sound;
    b[3028 + 102] = 101;  // the climate file's format
    EXPECT_TRUE(recordFault(b));
    Project sine;
    sine.klimaModell = "sin";
    EXPECT_FALSE(recordFault(encodeProject(sine)));
}

TEST(ProjectRecord, UnknownModelKeysLoadAsFilesOfOtherVersionsNeedThem)
{
    // A climate key of no known model selects no model and is written back as it came.
    Project odd;
    odd.klimaModell = "wetter";
    odd.set(Param::max_monatsmittel, 21);
    odd.HlkModus = "Quasistat";  // any mode but "quasistat" takes the building file
    const RecordBytes bytes = encodeProject(odd);
    EXPECT_FALSE(recordFault(bytes));
    Project back;
    const LoadFindings f = applyRecord(back, bytes, {});
    EXPECT_EQ(back.klimaModell, "wetter");
    EXPECT_EQ(back.get(Param::max_monatsmittel), 21);  // no model overwrote the typed climate
    EXPECT_FALSE(f.reacceptClimateFile);
    EXPECT_FALSE(f.climateMessage);
    EXPECT_EQ(back.HlkModus, "sim");
    EXPECT_TRUE(f.reacceptBuildingFile);
    EXPECT_TRUE(f.chooseBuildingFile);
    const RecordBytes again = encodeProject(back);
    EXPECT_TRUE(std::equal(again.begin() + 2376, again.begin() + 2376 + 31, bytes.begin() + 2376));

    Project empty;
    empty.klimaModell.clear();
    empty.HlkModus.clear();
    applyRecord(back, encodeProject(empty), {});
    EXPECT_EQ(back.klimaModell, "");
    EXPECT_EQ(back.HlkModus, "sim");
}

}  // namespace
}  // namespace talp
