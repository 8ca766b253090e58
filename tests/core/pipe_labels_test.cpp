#include <gtest/gtest.h>

#include "core/pipe_labels.h"

namespace talp {
namespace {

TEST(PipeLabels, RepeatTheValueWithUnitAndWord)
{
    EXPECT_EQ(pipeLabelText(PipeLabel::Anzahl, 2, Language::German), "2 Rohr(e)");
    EXPECT_EQ(pipeLabelText(PipeLabel::Rohrlnge, 123.4L, Language::German), " 123.4 m lang");
    EXPECT_EQ(pipeLabelText(PipeLabel::Rohrlnge, 55.55L, Language::English), " 55.5 m Length");
    EXPECT_EQ(pipeLabelText(PipeLabel::Rohrquer, 500, Language::German), " 500 mm ");
    EXPECT_EQ(pipeLabelText(PipeLabel::Verlegungstiefe, 2, Language::German), " 2.0 m tief");
    EXPECT_EQ(pipeLabelText(PipeLabel::AbsGebaeude, 5, Language::English), " 5.0 m Distance");
    EXPECT_EQ(pipeLabelText(PipeLabel::AbstandzwRohren, 2.5L, Language::German), " 2.5 m Abstand");
}

TEST(PipeLabels, AreCutToTwentyCharacters)
{
    EXPECT_EQ(pipeLabelText(PipeLabel::AbsGebaeude, 100, Language::English), " 100.0 m Distance");
    EXPECT_EQ(pipeLabelText(PipeLabel::AbsGebaeude, 12345.6L, Language::English), " 12345.6 m Distance");
    EXPECT_EQ(pipeLabelText(PipeLabel::AbsGebaeude, 1234567.8L, Language::English), " 1234567.8 m Distanc");
    EXPECT_EQ(pipeLabelText(PipeLabel::Verlegungstiefe, 1234567.8L, Language::German), " 1234567.8 m tief");
}

TEST(PipeLabels, SpacingOnlyWithSeveralPipes)
{
    EXPECT_FALSE(pipeSpacingApplies(1));
    EXPECT_TRUE(pipeSpacingApplies(2));
    EXPECT_TRUE(pipeSpacingApplies(10));
}

}  // namespace
}  // namespace talp
