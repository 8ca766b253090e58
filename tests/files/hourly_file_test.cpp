#include <gtest/gtest.h>

#include "core/numeric.h"
#include "files/coupling_acceptance.h"
#include "files/coupling_name.h"
#include "files/hourly_file.h"
#include "files/project_file.h"
#include "temp_dir.h"

namespace talp {
namespace {

using testing::TempDir;

// A year of climate lines in the default format, each line's temperature from `value`.
std::string climateYear(int headerLines, const std::function<long double(int hour)>& value, const char* lineEnd = "\n")
{
    std::string text;
    for (int i = 0; i < headerLines; ++i) text += "header line " + std::to_string(i + 1) + lineEnd;
    for (int h = 1; h <= kHoursPerYear; ++h) text += "hour " + formatIntWidth(h, 4) + formatFixedWidth(value(h), 6, 1) + lineEnd;
    return text;
}

CouplingRecord climateRecord(const std::filesystem::path& file, int headerLines = 4)
{
    CouplingRecord r = defaultClimateCoupling();
    r.fileName = file.string();
    r.columnCount = 1;
    r.columns[0] = {9, 4, 1, 'A'};
    r.headerLines = headerLines;
    r.valid = true;
    return r;
}

std::string replaceLine(std::string text, int lineNumber, const std::string& replacement)
{
    std::size_t start = 0;
    for (int i = 1; i < lineNumber; ++i) start = text.find('\n', start) + 1;
    const std::size_t end = text.find('\n', start);
    return text.replace(start, end - start, replacement);
}

TEST(HourlyFileCheck, AFullYearPasses)
{
    TempDir dir;
    const auto file = dir.write("year.txt", climateYear(4, [](int h) { return (h % 300) / 10.0L - 10; }));
    EXPECT_TRUE(checkHourlyFile(climateRecord(file), nullptr).ok());
    // Lines after the 8760th are not read.
    const auto longer = dir.write("longer.txt", climateYear(4, [](int) { return 1.0L; }) + "garbage\n");
    EXPECT_TRUE(checkHourlyFile(climateRecord(longer), nullptr).ok());
}

TEST(HourlyFileCheck, TheBadLineIsCountedFromTheTopOfTheFile)
{
    TempDir dir;
    const std::string year = climateYear(4, [](int) { return 5.0L; });
    const auto file = dir.write("bad.txt", replaceLine(year, 14, "hour   10  5,0"));  // 10th data line
    const HourlyFileCheck check = checkHourlyFile(climateRecord(file), nullptr);
    EXPECT_EQ(check.status, HourlyFileCheck::Status::BadLine);
    EXPECT_EQ(check.line, 14);
    EXPECT_EQ(check.text(Language::German), "Fehler in Datei, Zeile 14");
    EXPECT_EQ(check.text(Language::English), "File-format-error in row 14");
}

TEST(HourlyFileCheck, MissingLinesReportTheFirstMissingOne)
{
    TempDir dir;
    std::string year = climateYear(2, [](int) { return 5.0L; });
    year.erase(year.rfind("hour 8760"));
    const HourlyFileCheck check = checkHourlyFile(climateRecord(dir.write("short.txt", year), 2), nullptr);
    EXPECT_EQ(check.status, HourlyFileCheck::Status::BadLine);
    EXPECT_EQ(check.line, 2 + 8760);
    // A file shorter than its header.
    const HourlyFileCheck empty = checkHourlyFile(climateRecord(dir.write("empty.txt", "one\n"), 4), nullptr);
    EXPECT_EQ(empty.line, 5);
}

TEST(HourlyFileCheck, LineEndsOfEverySystem)
{
    TempDir dir;
    const auto value = [](int h) { return (h % 17) - 8.5L; };
    for (const char* end : {"\r\n", "\r", "\n"}) {
        const auto file = dir.write("ends.txt", climateYear(3, value, end));
        ASSERT_TRUE(checkHourlyFile(climateRecord(file, 3), nullptr).ok()) << int(end[0]) << int(end[1]);
        HourlyLineReader reader(file, climateRecord(file, 3));
        HourlyValues v{};
        for (int h = 1; h <= 30; ++h) {
            ASSERT_TRUE(reader.readLine(v));
            EXPECT_EQ(v[0], value(h));
        }
    }
}

TEST(HourlyFileCheck, LongLinesAndTabsGiveTheLineMessage)
{
    TempDir dir;
    std::string year = climateYear(4, [](int) { return 5.0L; });
    // A 10 000-character line whose field is where it belongs reads; the rest is ignored.
    const auto longLine = dir.write("long.txt", replaceLine(year, 20, "hour   16   5.0" + std::string(10000, 'x')));
    EXPECT_TRUE(checkHourlyFile(climateRecord(longLine), nullptr).ok());
    const auto tab = dir.write("tab.txt", replaceLine(year, 30, "hour   26\t5.0"));
    EXPECT_EQ(checkHourlyFile(climateRecord(tab), nullptr).line, 30);
    const auto nul = dir.write("nul.txt", replaceLine(year, 31, std::string("hour   27 \0 5.0", 15)));
    EXPECT_EQ(checkHourlyFile(climateRecord(nul), nullptr).line, 31);
}

TEST(HourlyFileCheck, NoFileAndUnreadableFile)
{
    TempDir dir;
    CouplingRecord none = defaultClimateCoupling();
    EXPECT_EQ(checkHourlyFile(none, nullptr).text(Language::German), "Keine Datei gewählt");
    EXPECT_EQ(checkHourlyFile(none, nullptr).text(Language::English), "Please enter filename");
    const HourlyFileCheck missing = checkHourlyFile(climateRecord(dir / "missing.txt"), nullptr);
    EXPECT_EQ(missing.text(Language::German), "Datei kann nicht geöffnet werden");
    EXPECT_EQ(missing.text(Language::English), "Unable to open file");
    EXPECT_EQ(checkHourlyFile(climateRecord(dir.path()), nullptr).status, HourlyFileCheck::Status::CannotOpen);
}

TEST(HourlyFileLocation, InstallationFilesByRelativeAndForeignNames)
{
    TempDir dir;
    std::filesystem::create_directories(dir / "sys");
    const auto file = dir.write("sys/_klima_4.met", "x");
    const Installation installation{dir.path(), dir.path()};
    EXPECT_EQ(locateHourlyFile("sys/_klima_4.met", &installation), file);
    EXPECT_EQ(locateHourlyFile("sys\\_klima_4.met", &installation), file);
    EXPECT_EQ(locateHourlyFile("C:\\Programme\\TALP\\sys\\_klima_4.met", &installation), file);
    EXPECT_EQ(locateHourlyFile(file.string(), &installation), file);
}

TEST(HourlyFileReader, OpenerReadsTheRecordsFileLineByLine)
{
    TempDir dir;
    const auto file = dir.write("year.txt", climateYear(4, [](int h) { return h / 10.0L; }));
    const auto reader = hourlyFileOpener(nullptr)(climateRecord(file));
    ASSERT_TRUE(reader);
    HourlyValues v{};
    for (int h = 1; h <= kHoursPerYear; ++h) {
        ASSERT_TRUE(reader->readLine(v));
        ASSERT_EQ(v[0], h / 10.0L) << h;
    }
    EXPECT_FALSE(reader->readLine(v));  // past the year
    // A record from a damaged project file, without columns, reads nothing.
    CouplingRecord damaged = climateRecord(file);
    damaged.columnCount = 0;
    EXPECT_FALSE(hourlyFileOpener(nullptr)(damaged)->readLine(v));
    EXPECT_EQ(checkHourlyFile(damaged, nullptr).line, 5);
    EXPECT_FALSE(hourlyFileOpener(nullptr)(climateRecord(dir / "gone.txt")));
}

TEST(CouplingAcceptance, TheDialogsOkAction)
{
    TempDir dir;
    Project p;
    const auto file = dir.write("year.txt", climateYear(4, [](int) { return 7.0L; }));

    CouplingChoice choice{file.string(), "XXXXXXXXXAAAA.A", 4};
    CouplingAcceptance ok = acceptCoupling(p, CouplingKind::Climate, choice, nullptr);
    ASSERT_TRUE(ok.accepted());
    EXPECT_TRUE(p.climateCoupling.valid);
    EXPECT_EQ(p.climateCoupling.columnCount, 1);
    EXPECT_EQ(p.lastClimateCoupling, p.climateCoupling);
    EXPECT_EQ(couplingChoiceOf(p, CouplingKind::Climate).fileName, file.string());

    // A bad file leaves the accepted settings alone.
    const CouplingRecord before = p.climateCoupling;
    choice.headerLines = 3;
    const CouplingAcceptance rejected = acceptCoupling(p, CouplingKind::Climate, choice, nullptr);
    EXPECT_EQ(rejected.result, CouplingAcceptance::Result::FileRejected);
    EXPECT_EQ(rejected.check.line, 4);  // the last header line read as data
    EXPECT_EQ(p.climateCoupling, before);

    // A syntax error invalidates the coupling and its copy.
    choice.format = "XXXX";
    EXPECT_EQ(acceptCoupling(p, CouplingKind::Climate, choice, nullptr).result, CouplingAcceptance::Result::SyntaxError);
    EXPECT_FALSE(p.climateCoupling.valid);
    EXPECT_FALSE(p.lastClimateCoupling.valid);
}

TEST(CouplingAcceptance, APathLongerThanTheProjectFileHoldsIsKeptRelativeToTheProject)
{
    // Planners keep weather beside their projects in deep folder trees.
    TempDir dir;
    const auto projects = dir / (std::string(60, 'p') + "/Kunde Müller/Variante B");
    const auto weather = projects / "Wetter" / (std::string(40, 'w') + ".dat");
    std::filesystem::create_directories(weather.parent_path());
    std::ofstream(weather) << climateYear(4, [](int h) { return h % 24 * 0.5L; });
    ASSERT_GT(weather.string().size(), kCouplingNameCapacity);

    Project p;
    p.klimaModell = "sim";
    const CouplingChoice choice{weather.string(), "XXXXXXXXXAAAA.A", 4};
    ASSERT_TRUE(acceptCoupling(p, CouplingKind::Climate, choice, nullptr, projects).accepted());
    EXPECT_EQ(p.climateCoupling.fileName, weather.string());  // the whole path, not cut

    const auto project = projects / "haus.tlp";
    ASSERT_FALSE(saveProjectFile(project, p));
    const std::vector<unsigned char> bytes = TempDir::read(project);
    const std::string stored(bytes.begin() + 3028 + 2, bytes.begin() + 3028 + 2 + bytes[3028 + 1]);
    EXPECT_EQ(stored, "./Wetter/" + std::string(40, 'w') + ".dat");
    const ProjectFileLoad load = loadProjectFile(project);
    ASSERT_TRUE(load.ok) << load.fault;
    EXPECT_EQ(load.project.climateCoupling.fileName, weather.string());
    EXPECT_EQ(load.project.lastClimateCoupling.fileName, weather.string());
    EXPECT_TRUE(checkHourlyFile(load.project.climateCoupling, nullptr).ok());

    // Saved far from the file, the path fits neither way: the save says why.
    const auto elsewhere = dir / (std::string(90, 'e') + "/haus.tlp");
    std::filesystem::create_directories(elsewhere.parent_path());
    const auto failure = saveProjectFile(elsewhere, p);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->kind, FileFault::Kind::CouplingPathTooLong);
    EXPECT_NE(failure->message(Language::German).find("100 Zeichen"), std::string::npos) << *failure;
    EXPECT_NE(failure->message(Language::English).find("100 characters"), std::string::npos) << *failure;
    EXPECT_FALSE(std::filesystem::exists(elsewhere));

    // An unnamed project has no folder to be relative to: the dialog refuses with the limit.
    Project unnamed;
    const CouplingAcceptance refused = acceptCoupling(unnamed, CouplingKind::Climate, choice, nullptr);
    EXPECT_EQ(refused.result, CouplingAcceptance::Result::FileRejected);
    EXPECT_NE(refused.check.text(Language::German).find("100 Zeichen"), std::string::npos);
    EXPECT_NE(refused.check.text(Language::English).find("100 characters"), std::string::npos);
    EXPECT_FALSE(unnamed.climateCoupling.valid);
}

TEST(CouplingAcceptance, BuildingFileKnowsItsColumns)
{
    TempDir dir;
    std::string text = "a\nb\nc\nd\n";
    for (int h = 1; h <= kHoursPerYear; ++h) text += "h " + formatIntWidth(h, 6) + " 1000.0   21.0\n";
    Project p;
    p.HlkModus = "sim";
    const CouplingChoice choice{dir.write("hvac.txt", text).string(), "XXXXXXXXXVVVV.VXSSSS.S", 4};
    ASSERT_TRUE(acceptCoupling(p, CouplingKind::Building, choice, nullptr).accepted());
    EXPECT_EQ(p.buildingCoupling.columnOf('V'), 0);
    EXPECT_EQ(p.buildingCoupling.columnOf('S'), 1);
    EXPECT_EQ(p.buildingCoupling.columnOf('P'), -1);  // the default format has no fan power
    EXPECT_FALSE(p.climateCoupling.valid);
    EXPECT_TRUE(ventilationFileInUse(p));
}

}  // namespace
}  // namespace talp
