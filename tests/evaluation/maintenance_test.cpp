#include <gtest/gtest.h>

#include "evaluation/maintenance.h"

namespace talp {
namespace {

Project withFixedInvestment(long double euros)
{
    Project p;
    p.setExact(Param::fest_inv, euros);
    return p;
}

TEST(Maintenance, PercentageOfTheFixedInvestmentGivesTheAmount)
{
    Project p = withFixedInvestment(1000);
    p.setExact(Param::wartungskosten_pz, 2);
    applyMaintenancePercentChange(p);
    EXPECT_EQ(p.get(Param::wartungskosten_dm), 20);

    p.setExact(Param::fest_inv, 1234);
    p.setExact(Param::wartungskosten_pz, 1.5L);
    applyMaintenancePercentChange(p);
    EXPECT_DOUBLE_EQ(static_cast<double>(p.get(Param::wartungskosten_dm)), 18.51);  // rounded to cents
}

TEST(Maintenance, AmountGivesThePercentageCappedAtOneHundred)
{
    Project p = withFixedInvestment(1000);
    p.setExact(Param::wartungskosten_dm, 25);
    applyMaintenanceAmountChange(p);
    EXPECT_DOUBLE_EQ(static_cast<double>(p.get(Param::wartungskosten_pz)), 2.5);

    p.setExact(Param::wartungskosten_dm, 2000);
    applyMaintenanceAmountChange(p);
    EXPECT_EQ(p.get(Param::wartungskosten_pz), 100);
    EXPECT_EQ(p.get(Param::wartungskosten_dm), 1000);

    // A percentage with many decimals is shortened as it is shown: 1/3 % becomes 0.33 %.
    p.setExact(Param::fest_inv, 3000);
    p.setExact(Param::wartungskosten_dm, 10);
    applyMaintenanceAmountChange(p);
    EXPECT_DOUBLE_EQ(static_cast<double>(p.get(Param::wartungskosten_pz)), 0.33);
}

TEST(Maintenance, WithoutFixedInvestmentThePercentageStays)
{
    Project p = withFixedInvestment(0);
    p.setExact(Param::wartungskosten_pz, 2);
    p.setExact(Param::wartungskosten_dm, 50);
    applyMaintenanceAmountChange(p);
    EXPECT_EQ(p.get(Param::wartungskosten_pz), 2);
    EXPECT_EQ(p.get(Param::wartungskosten_dm), 50);  // the amount the user typed is kept
    applyMaintenancePercentChange(p);
    EXPECT_EQ(p.get(Param::wartungskosten_dm), 0);  // any percentage of nothing
}

}  // namespace
}  // namespace talp
