#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/project.h"

namespace talp {
namespace {

TEST(Project, DefaultsAreThoseOfTheInputWindows)
{
    const Project p;
    struct Expected {
        Param id;
        long double value;
    };
    // The values a planner sees in windows created without a project.
    const Expected expected[] = {
        {Param::rohranzahl, 2},          {Param::rohrlnge, 50.0L},      {Param::rohrdurchmesser, 500},
        {Param::verlegungstiefe, 2.0L},  {Param::AbstandzwRohren, 2.5L}, {Param::AbsGebaeude, 5.0L},
        {Param::VentilatorVor, 1},       {Param::dichte, 1800},         {Param::wrmekapazitt, 1.0L},
        {Param::wrmeleitfhigkeit, 1.0L}, {Param::Grundwassertiefe, 20}, {Param::kellerinnentemp, 20},
        {Param::kellerkwert, 0.8L},      {Param::klimaregion, -1},      {Param::jahresmittel, 0},
        {Param::max_monatsmittel, 18},   {Param::min_monatsmittel, 0},  {Param::tag_sinusspitze, 1},
        {Param::monat_sinusspitze, 6},   {Param::geb_vol, 1000},        {Param::luftwechsel, 1.0L},
        {Param::luftstrom, 1000},        {Param::druckabfallPa_fest, 1}, {Param::wirkungsgrad, 1},
        {Param::solltemp, 20},           {Param::heizgrenztemp, 18},    {Param::kuehlgrenztemp, 25},
        {Param::EWT_offset, 0},          {Param::EWT_Reg_offset, 1},    {Param::rohrpreis, 5},
        {Param::grabungspreis, 70},      {Param::fest_inv, 1000},       {Param::wartungskosten_pz, 2},
        {Param::wartungskosten_dm, 20},  {Param::lebensdauer, 25},      {Param::heizpreis, 8},
        {Param::khlpreis, 8},            {Param::strompreis, 8},        {Param::zinssatz, 8},
        {Param::inflation, 3},           {Param::einflation, 5},
    };
    for (const Expected& e : expected) EXPECT_EQ(p.get(e.id), e.value) << paramSpec(e.id).name;
    EXPECT_EQ(p.erdreich, "lehmig feucht");
    EXPECT_EQ(p.HlkModus, "quasistat");
    EXPECT_FALSE(p.SegmentDepth.variable);
    EXPECT_FALSE(p.climateCoupling.valid);
    EXPECT_EQ(p.climateCoupling.fileName, "keine");
    EXPECT_EQ(p.buildingCoupling.format, "XXXXXXXXXVVVV.VXSSSS.S");
    EXPECT_TRUE(p.calendar.isOn(2, 28));
}

TEST(Project, SetterCorrectsToTheNearestBound)
{
    Project p;
    EXPECT_EQ(p.set(Param::rohranzahl, 11), 10);
    EXPECT_EQ(p.set(Param::rohranzahl, 0), 1);
    EXPECT_EQ(p.set(Param::rohranzahl, 2.6L), 3);  // integer inputs hold whole numbers
    EXPECT_EQ(p.set(Param::tag_sinusspitze, 32), 32);
    EXPECT_EQ(p.set(Param::tag_sinusspitze, 33), 32);
    EXPECT_EQ(p.set(Param::wirkungsgrad, 0), 0.1L);
    EXPECT_EQ(p.set(Param::luftstrom, 3e6L), 2000000);
    EXPECT_EQ(p.set(Param::verlegungstiefe, std::numeric_limits<long double>::quiet_NaN()), 2.0L);
}

TEST(Project, ExactSetterRefusesWhatTheBoundsExclude)
{
    Project p;
    EXPECT_TRUE(p.setExact(Param::rohrlnge, 40.05L));
    EXPECT_EQ(p.get(Param::rohrlnge), 40.05L);
    EXPECT_FALSE(p.setExact(Param::rohrlnge, 200.5L));
    EXPECT_FALSE(p.setExact(Param::rohranzahl, 2.5L));
    EXPECT_EQ(p.get(Param::rohranzahl), 2);
}

TEST(Parameters, LookupByControlNameKnowsBothButtonsOfAnOption)
{
    ASSERT_TRUE(findParam("rohrlnge"));
    EXPECT_EQ(findParam("rohrlnge")->id, Param::rohrlnge);
    EXPECT_TRUE(findParam("VentilatorNach")->negated);
    EXPECT_EQ(findParam("EWT_Reg_Zeitraum")->id, Param::EWT_Reg_offset);
    EXPECT_FALSE(findParam("rohrlaenge"));
    for (const ParamSpec& s : parameterTable()) {
        EXPECT_LE(s.minValue, s.defaultValue) << s.name;
        EXPECT_LE(s.defaultValue, s.maxValue) << s.name;
        EXPECT_GT(s.step, 0) << s.name;
    }
}

TEST(Project, PipeWindowChangesLeaveTheOptimisationAlone)
{
    Project p;
    p.OptRecalcNeeded = p.RecalcNeeded = p.modified = false;
    p.markChanged(InputWindow::Pipe);
    EXPECT_TRUE(p.modified);
    EXPECT_TRUE(p.RecalcNeeded);
    EXPECT_FALSE(p.OptRecalcNeeded);
    p.markChanged(InputWindow::Soil);
    EXPECT_TRUE(p.OptRecalcNeeded);
}

}  // namespace
}  // namespace talp
