#pragma once
// Weather files of the three kinds, written by the tests themselves: one year of made-up
// hours with the layout, header and conventions of the real files.

#include <functional>
#include <string>

#include "core/numeric.h"

namespace talp::testing {

// In tenths, so that the value equals the one read back from its text.
inline long double sampleTemperature(int hourOfYear) { return ((hourOfYear * 37) % 400 - 100) / 10.0L; }
inline long double sampleHumidity(int hourOfYear) { return 30 + hourOfYear % 71; }

struct SampleHour {
    int month, day, hour, hourOfYear;
};

// Calls `line` for every hour of a 365-day year, or of a leap year with 29 February
// (whose hours get hourOfYear 0).
inline void forEachHour(bool leapYear, const std::function<void(const SampleHour&)>& line)
{
    int hourOfYear = 0;
    for (int month = 1; month <= 12; ++month) {
        const int days = kMonthLengths[static_cast<std::size_t>(month - 1)] + (leapYear && month == 2 ? 1 : 0);
        for (int day = 1; day <= days; ++day)
            for (int hour = 1; hour <= 24; ++hour)
                line({month, day, hour, month == 2 && day == 29 ? 0 : ++hourOfYear});
    }
}

using HourValue = std::function<long double(int hourOfYear)>;

inline std::string tryHeader2015()
{
    return "Koordinatensystem : Lambert konform konisch\n"
           "Rechtswert        : 4000000 Meter\n"
           "Hochwert          : 2800000 Meter\n"
           "Hoehenlage        : 162 Meter ueber NN\n"
           "\n"
           "Art des TRY       : mittleres Jahr\n"
           "Bezugszeitraum    : 1995-2012\n"
           "\n"
           "Reihenfolge der Parameter:\n"
           "RW Rechtswert                                                    [m]\n"
           "t  Lufttemperatur in 2m Hoehe ueber Grund                        [GradC]\n"
           "\n"
           "     RW      HW MM DD HH     t    p  WR   WG N    x  RF    B    D   A    E IL\n"
           "*** \n";
}

// The 2015/2045 layout: the header above, then RW HW MM DD HH t p WR WG N x RF B D A E IL.
inline std::string try2015File(const HourValue& temperature = sampleTemperature, const HourValue& humidity = sampleHumidity)
{
    std::string text = tryHeader2015();
    forEachHour(false, [&](const SampleHour& h) {
        text += "4000000 2800000 " + formatIntWidth(h.month, 2) + " " + formatIntWidth(h.day, 2) + " " +
                formatIntWidth(h.hour, 2) + " " + formatFixedWidth(temperature(h.hourOfYear), 5, 1) + "  995 168  1.5 3  3.5 " +
                formatIntWidth(static_cast<long long>(humidity(h.hourOfYear)), 3) + "    0    0 209 -283  2\n";
    });
    return text;
}

// The 2011 layout: RG IS MM DD HH N WR WG t p x RF W B D IK A E IL.
inline std::string try2011File(const HourValue& temperature = sampleTemperature, const HourValue& humidity = sampleHumidity)
{
    std::string text =
        "TRY05   Niederrheinisch-westfaelische Bucht und Emsland (Klimaregion  5)\n"
        "Station: Essen                           WMO-Nummer: 10410\n"
        "Lage: 51 Grad 24'N <- B.   6 Grad 58'O <- L.   152 Meter ueber NN\n"
        "Zeitpunkt der Erstellung: November 2010\n"
        "\n"
        "Art des TRY    : mittleres Jahr\n"
        "Bezugszeitraum : 1988-2007\n"
        "\n"
        "RG IS MM DD HH N  WR   WG     t      p     x  RF  W    B    D IK    A     E IL\n"
        "***\n";
    forEachHour(false, [&](const SampleHour& h) {
        text += " 5  1 " + formatIntWidth(h.month, 2) + " " + formatIntWidth(h.day, 2) + " " + formatIntWidth(h.hour, 2) +
                " 8 200  3.0 " + formatFixedWidth(temperature(h.hourOfYear), 5, 1) + " 1014.0   3.1 " +
                formatIntWidth(static_cast<long long>(humidity(h.hourOfYear)), 3) + "  2    0    0 9  312  -313  1\n";
    });
    return text;
}

inline std::string epwHeader(int recordsPerHour = 1)
{
    return "LOCATION,Stockholm Arlanda,-,SWE,IWEC Data,024600,59.65,17.95,1.0,61.0\n"
           "DESIGN CONDITIONS,0\n"
           "TYPICAL/EXTREME PERIODS,0\n"
           "GROUND TEMPERATURES,0\n"
           "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0\n"
           "COMMENTS 1,made up for a test\n"
           "COMMENTS 2,\n"
           "DATA PERIODS,1," +
           std::to_string(recordsPerHour) + ",Data,Sunday, 1/ 1,12/31\n";
}

inline std::string epwLine(int year, const SampleHour& h, long double temperature, long double humidity)
{
    return std::to_string(year) + "," + std::to_string(h.month) + "," + std::to_string(h.day) + "," +
           std::to_string(h.hour) + ",60,A7A7A7A7*0?9?9?9?9?9?9?9A7A7B8B8A7*0*0E8*0*0," + formatFixed(temperature, 1) +
           ",-3.0," + formatFixed(humidity, 0) + ",101300,0,1415,265,0,0,0,0,0,0,0,200,3.1,10,10,9.9,77777,9,999999999,0,0.1,0,88,0.0,0.0,0.0\n";
}

// An EPW file; with `leapYear` its year has 29 February, whose hours carry values of their
// own (55.5 °C, 5 %) that a reader must drop.
inline std::string epwFile(bool leapYear = false, const HourValue& temperature = sampleTemperature,
                           const HourValue& humidity = sampleHumidity)
{
    std::string text = epwHeader();
    forEachHour(leapYear, [&](const SampleHour& h) {
        const bool leapDay = h.hourOfYear == 0;
        text += epwLine(leapYear ? 2004 : 1995, h, leapDay ? 55.5L : temperature(h.hourOfYear),
                        leapDay ? 5 : humidity(h.hourOfYear));
    });
    return text;
}

}  // namespace talp::testing
