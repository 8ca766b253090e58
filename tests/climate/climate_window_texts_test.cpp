#include <gtest/gtest.h>

#include "climate/climate_window_texts.h"

using namespace talp;

TEST(ClimateWindowTexts, FileLabelNamesTheFileWithoutItsFolder)
{
    CouplingRecord file;
    file.fileName = "/home/planer/wetter/essen 2003.dat";
    EXPECT_EQ(climateFileLabel(file, Language::German), "Klimadatei: essen 2003.dat");
    file.fileName = "C:\\Projekte\\Klima\\TRY04.dat";
    EXPECT_EQ(climateFileLabel(file, Language::English), "Climate file: TRY04.dat");
    file.fileName = "keine";
    EXPECT_EQ(climateFileLabel(file, Language::German), "Klimadatei: keine");
    file.fileName = "/home/planer/wetter/kassel.met";
    EXPECT_EQ(climateFileLabel(file, Language::English, "Kassel, 51.31° N 9.49° E"),
              "Climate file: kassel.met \u2013 Kassel, 51.31° N 9.49° E");
}

TEST(ClimateWindowTexts, PeakDayLabelKeepsItsBlanks)
{
    EXPECT_EQ(peakDayLabel(201, Language::German), " Sinusspitze: 201. Tag ");
    EXPECT_EQ(peakDayLabel(1, Language::English), " Peak: 1. day ");
}

TEST(ClimateWindowTexts, PeakMonthIsTypedByNameOrNumber)
{
    EXPECT_EQ(peakMonthOfEntry("Juli"), 6);
    EXPECT_EQ(peakMonthOfEntry("March"), 2);
    EXPECT_EQ(peakMonthOfEntry("1"), 0);
    EXPECT_EQ(peakMonthOfEntry("12"), 11);
    EXPECT_EQ(peakMonthOfEntry("07"), 6);
    for (const char* refused : {"", "0", "13", "123", "-1", "7.", "juli", "Jul"})
        EXPECT_FALSE(peakMonthOfEntry(refused)) << refused;
}
