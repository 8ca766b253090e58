// Weather files of planners: test reference years (2011 and 2015/2045 layouts) and EPW,
// recognised by their content, read into one year of hours, and refused with the line
// and the reason when a value is missing, out of range or an hour out of place.

#include <gtest/gtest.h>

#include "core/moist_air.h"
#include "files/weather_file.h"
#include "temp_dir.h"
#include "weather_samples.h"

namespace talp {
namespace {

using namespace testing;

WeatherYear yearOf(const std::string& content)
{
    WeatherReading reading = readWeatherText(content);
    EXPECT_TRUE(reading.ok()) << reading.error.text(Language::English);
    return reading.ok() ? *reading.year : WeatherYear{};
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

void expectSampleYear(const WeatherYear& year, bool humidity = true)
{
    ASSERT_EQ(year.temperature.size(), static_cast<std::size_t>(kHoursPerYear));
    ASSERT_EQ(year.relativeHumidity.size(), humidity ? static_cast<std::size_t>(kHoursPerYear) : 0u);
    for (int h = 1; h <= kHoursPerYear; ++h) {
        ASSERT_EQ(year.temperature[static_cast<std::size_t>(h - 1)], sampleTemperature(h)) << h;
        if (humidity) {
            ASSERT_EQ(year.relativeHumidity[static_cast<std::size_t>(h - 1)], sampleHumidity(h)) << h;
        }
    }
}

TEST(WeatherFile, ReadsEachKindWithItsSite)
{
    const WeatherYear try2015 = yearOf(try2015File());
    EXPECT_EQ(try2015.kind, WeatherKind::Try2015);
    // The origin of the Lambert grid.
    EXPECT_EQ(try2015.location, "52.00 N 10.00 E, 162 m");
    EXPECT_EQ(try2015.details, "mittleres Jahr, Bezugszeitraum 1995-2012");
    expectSampleYear(try2015);

    const WeatherYear try2011 = yearOf(try2011File());
    EXPECT_EQ(try2011.kind, WeatherKind::Try2011);
    EXPECT_EQ(try2011.location, "Essen, 51.40 N 6.97 E, 152 m");
    EXPECT_EQ(try2011.details, "TRY05   Niederrheinisch-westfaelische Bucht und Emsland (Klimaregion  5), mittleres Jahr, "
                               "Bezugszeitraum 1988-2007");
    expectSampleYear(try2011);

    const WeatherYear epw = yearOf(epwFile());
    EXPECT_EQ(epw.kind, WeatherKind::Epw);
    EXPECT_EQ(epw.location, "Stockholm Arlanda, SWE, 59.65 N 17.95 E, 61 m");
    EXPECT_EQ(epw.details, "IWEC Data, WMO 024600");
    EXPECT_EQ(epw.sourceHours, kHoursPerYear);
    expectSampleYear(epw);

    for (const std::string& content : {try2015File(), try2011File(), epwFile()})
        EXPECT_EQ(recogniseWeather(content), yearOf(content).kind);
    EXPECT_EQ(weatherKindName(WeatherKind::Try2015), "TRY 2015/2045");
}

TEST(WeatherFile, ALeapYearDropsTwentyNinthFebruary)
{
    const WeatherYear year = yearOf(epwFile(true));
    EXPECT_EQ(year.sourceHours, 8784);
    // 1 March 01:00 follows 28 February 24:00 with its own values.
    expectSampleYear(year);
}

TEST(WeatherFile, LineEndingsAndTheCodePageOfTheHeaderDoNotMatter)
{
    std::string content = epwFile();
    std::string crlf;
    for (char c : content) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    expectSampleYear(yearOf(crlf));

    // An older file in the Windows code page: "Zürich" with the single byte 0xFC.
    content.replace(content.find("Stockholm Arlanda"), 17, "Z\xFCrich");
    EXPECT_EQ(yearOf(content).location, "Zürich, SWE, 59.65 N 17.95 E, 61 m");
    // A UTF-8 byte order mark before LOCATION.
    EXPECT_EQ(recogniseWeather("\xEF\xBB\xBF" + content), WeatherKind::Epw);
}

TEST(WeatherFile, WithoutRelativeHumidityTheMixingRatioGivesIt)
{
    // A layout without RF: the humidity follows from x at the pressure p. The sample has
    // x = 3.5 g/kg at 995 hPa: a vapour pressure of 99500 · 3.5 / 625.5 = 556.76 Pa.
    const auto withoutRf = [](const std::string& content) { return replaced(content, " x  RF ", " x  rf "); };
    const WeatherYear year = yearOf(withoutRf(try2015File([](int) { return 20.0L; })));
    ASSERT_EQ(year.relativeHumidity.size(), static_cast<std::size_t>(kHoursPerYear));
    EXPECT_NEAR(static_cast<double>(year.relativeHumidity[0]), 55675.9 / static_cast<double>(saturationVapourPressure(20)),
                0.001);

    // 3.5 g/kg at -6.3 °C would be 145 %: no such air.
    EXPECT_EQ(readWeatherText(withoutRf(try2015File())).error.text(Language::English),
              "line 15: mixing ratio 3.5 out of range");

    // Neither RF nor x: temperatures only.
    expectSampleYear(yearOf(replaced(try2015File(), " x  RF ", " q  rf ")), false);
}

// A mutation of a valid file and the message it must give.
struct Refusal {
    const char* what;
    std::function<std::string()> file;
    std::string german;
    std::string english;
};

// The line of a hour in the sample files: header lines plus the hour.
std::string epwHourLine(int month, int day, int hour, long double T, long double rh)
{
    return epwLine(1995, {month, day, hour, 0}, T, rh);
}

TEST(WeatherFile, BadFilesAreRefusedWithTheLineAndTheReason)
{
    // Hour 100 of the year is 5 January 04:00: line 8 + 100 of an EPW file, line 14 + 100 of
    // the 2015 TRY sample.
    const std::string epw100 = epwHourLine(1, 5, 4, sampleTemperature(100), sampleHumidity(100));
    const std::string try100 =
        "4000000 2800000  1  5  4 " + formatFixedWidth(sampleTemperature(100), 5, 1) + "  995 168  1.5 3  3.5 " +
        formatIntWidth(static_cast<long long>(sampleHumidity(100)), 3);
    const Refusal refusals[] = {
        {"missing temperature", [&] { return replaced(epwFile(), epw100, epwHourLine(1, 5, 4, 99.9L, 50)); },
         "Zeile 108: Lufttemperatur fehlt (99.9)", "line 108: air temperature missing (99.9)"},
        {"missing humidity", [&] { return replaced(epwFile(), epw100, epwHourLine(1, 5, 4, 5, 999)); },
         "Zeile 108: relative Feuchte fehlt (999)", "line 108: relative humidity missing (999)"},
        {"temperature out of range", [&] { return replaced(epwFile(), epw100, epwHourLine(1, 5, 4, 75, 50)); },
         "Zeile 108: Lufttemperatur 75.0 außerhalb des gültigen Bereichs", "line 108: air temperature 75.0 out of range"},
        {"no number", [&] { return replaced(try2015File(), try100, "4000000 2800000  1  5  4  12,5  995 168  1.5 3  3.5  50"); },
         "Zeile 114: Lufttemperatur \"12,5\" ist keine Zahl", "line 114: air temperature \"12,5\" is not a number"},
        {"hour out of place", [&] { return replaced(epwFile(), epw100, epwHourLine(1, 5, 5, 1, 50)); },
         "Zeile 108: Stunde 01-05 05 folgt nicht auf die vorige (Monat-Tag Stunde)",
         "line 108: hour 01-05 05 does not follow the one before (month-day hour)"},
        {"truncated line", [&] { return replaced(epwFile(), epw100, "1995,1,5,4,60,A7,3.5,-3.0\n"); },
         "Zeile 108: nur 8 Felder", "line 108: only 8 fields"},
        {"hour 25", [&] { return replaced(try2015File(), try100, "4000000 2800000  1  5 25  1.0  995 168  1.5 3  3.5  50"); },
         "Zeile 114: Stunde 25 außerhalb des gültigen Bereichs", "line 114: hour 25 out of range"},
        {"short year", [&] { return epwFile().substr(0, epwFile().rfind("1995,12,31,24")); },
         "nur 8759 Stunden, ein Jahr hat 8760", "only 8759 hours, a year has 8760"},
        {"longer than a year", [&] { return epwFile() + epwHourLine(1, 1, 1, 5, 50); },
         "Zeile 8769: mehr Stunden als ein Jahr", "line 8769: more hours than one year"},
        {"sub-hourly", [&] { return replaced(epwFile(), epwHeader(), epwHeader(4)); },
         "Zeile 8: 4 Werte je Stunde; nur Stundenwerte können gelesen werden",
         "line 8: 4 records per hour; only hourly values can be read"},
        {"a fixed-column climate file", [] { return std::string("a\nb\nc\nd\n 1  1  1    2.6\n"); },
         "Keine Wetterdatei (Testreferenzjahr oder EPW)", "Not a weather file (test reference year or EPW)"},
    };
    for (const Refusal& r : refusals) {
        const WeatherReading reading = readWeatherText(r.file());
        ASSERT_FALSE(reading.ok()) << r.what;
        EXPECT_EQ(reading.error.text(Language::German), r.german) << r.what;
        EXPECT_EQ(reading.error.text(Language::English), r.english) << r.what;
    }
}

TEST(WeatherFile, NotRecognisedAsWeather)
{
    for (const char* content : {"", "LOCATION", "***\n", "MM DD HH t\n", "a;b;c\n1;2;3\n", "MM DD HH\n***\n"})
        EXPECT_FALSE(recogniseWeather(content)) << content;
    // The heading needs month, day, hour and temperature; the rest of the columns may vary.
    EXPECT_EQ(recogniseWeather("MM DD HH t\n***\n"), WeatherKind::Try2011);
    EXPECT_EQ(recogniseWeather("RW HW MM DD HH t\n***\n"), WeatherKind::Try2015);
}

TEST(WeatherFile, AFileThatCannotBeReadSaysSo)
{
    TempDir dir;
    EXPECT_EQ(readWeatherFile(dir / "none.epw").error.text(Language::German), "Datei kann nicht geöffnet werden");
    EXPECT_EQ(readWeatherFile(dir.path()).error.text(Language::English), "Unable to open file");
    expectSampleYear(*readWeatherFile(dir.write("try.dat", try2015File())).year);

    // The kind of a file from its first lines, without reading the year.
    EXPECT_EQ(recogniseWeatherFile(dir / "try.dat"), WeatherKind::Try2015);
    EXPECT_EQ(recogniseWeatherFile(dir.write("site.epw", epwHeader())), WeatherKind::Epw);
    EXPECT_FALSE(recogniseWeatherFile(dir / "none.epw"));
    EXPECT_FALSE(recogniseWeatherFile(dir.path()));
}

}  // namespace
}  // namespace talp
