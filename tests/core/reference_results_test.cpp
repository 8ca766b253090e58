// Every build reproduces the reference projects of tests/reference: the extended-precision
// path to 1e-12 relative on every annual figure, every economic figure and every stored
// hourly outlet temperature, and the optimisation's fast path to the accuracy it promises.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/fast_simulation.h"
#include "files/hourly_file.h"
#include "reference_projects.h"

namespace talp {
namespace {

namespace fs = std::filesystem;
using reference::realFromText;
using testing::kReferenceDir;
const Installation& kInstallation = testing::kReferenceInstallation;

std::vector<std::string> referenceNames()
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(kReferenceDir))
        if (entry.path().extension() == ".json") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

nlohmann::json readReference(const std::string& name)
{
    std::ifstream in(kReferenceDir / (name + ".json"));
    return nlohmann::json::parse(in);
}

// Relative to the value; temperatures near 0 °C and indicators near 0 against 1.
bool within(long double value, long double reference, long double tolerance)
{
    return std::fabs(value - reference) <= tolerance * std::max(std::fabs(reference), 1.0L);
}

class Reference : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        stored = readReference(GetParam());
        opened = reference::openReference(kReferenceDir / stored["project"].get<std::string>(), kInstallation);
        ASSERT_TRUE(opened.ok) << opened.fault;
    }
    long double figure(const std::string& name) const { return realFromText(stored["figures"][name].get<std::string>()); }

    nlohmann::json stored;
    reference::OpenedReference opened;
};

TEST(References, EveryProjectHasItsResults)
{
    std::size_t projects = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(kReferenceDir))
        if (entry.path().extension() == ".tlp") {
            ++projects;
            EXPECT_TRUE(fs::exists(fs::path(entry.path()).replace_extension(".json"))) << entry.path();
        }
    EXPECT_GE(projects, 20u);
    EXPECT_EQ(referenceNames().size(), projects);
}

TEST_P(Reference, TheExtendedPathReproducesIt)
{
    const reference::ReferenceResults results = reference::calculateReference(opened.project, kInstallation);
    ASSERT_TRUE(results.ok) << results.fault;
    ASSERT_EQ(results.figures.size(), stored["figures"].size());
    for (const auto& [name, value] : results.figures) {
        ASSERT_TRUE(stored["figures"].contains(name)) << name;
        EXPECT_PRED3(within, value, figure(name), 1e-12L) << name;
    }
    if (!stored.contains("hourlyOutletTemp")) return;
    const auto& hourly = stored["hourlyOutletTemp"];
    ASSERT_EQ(hourly.size(), results.hourlyOutletTemp.size());
    int wrongHours = 0;
    for (std::size_t i = 0; i < hourly.size(); ++i)
        if (!within(results.hourlyOutletTemp[i], realFromText(hourly[i].get<std::string>()), 1e-12L) && ++wrongHours <= 5)
            ADD_FAILURE() << "outlet temperature of hour " << i + 1;
    EXPECT_EQ(wrongHours, 0);
}

// The optimisation's fast path on the references it can compute (one depth and one building
// distance): the energies to 1e-9 relative, the temperatures to 1e-6 K.
TEST_P(Reference, TheFastPathAgreesWithIt)
{
    const Project& p = opened.project;
    if (p.SegmentDepth.variable || p.SegmentBuildingDistance.variable) GTEST_SKIP() << "per-segment tables";
    const auto inputs = prepareFastInputs(p, hourlyFileOpener(&kInstallation));
    ASSERT_TRUE(inputs);
    FastRunResults fast;
    ASSERT_TRUE(fastAnnualRun(p, *inputs, geometryOf(p, -1), fast, true).ok);

    EXPECT_EQ(fast.OperatingHours, figure("OperatingHours"));
    EXPECT_PRED3(within, fast.HeatingEnergy, figure("HeatingEnergy"), 1e-9L);
    EXPECT_PRED3(within, fast.CoolingEnergy, figure("CoolingEnergy"), 1e-9L);
    EXPECT_NEAR(static_cast<double>(fast.HeatingEfficiency), static_cast<double>(figure("HeatingEfficiency")), 1e-9);
    EXPECT_NEAR(static_cast<double>(fast.CoolingEfficiency), static_cast<double>(figure("CoolingEfficiency")), 1e-9);
    const std::pair<const char*, long double> temperatures[] = {{"MaxOutletTemp", fast.MaxOutletTemp},
                                                                {"MinOutletTemp", fast.MinOutletTemp},
                                                                {"MaxOutdoorTemp", fast.MaxOutdoorTemp},
                                                                {"MinOutdoorTemp", fast.MinOutdoorTemp}};
    for (const auto& [name, value] : temperatures)
        EXPECT_NEAR(static_cast<double>(value), static_cast<double>(figure(name)), 1e-6) << name;
    if (!stored.contains("hourlyOutletTemp")) return;
    const auto& hourly = stored["hourlyOutletTemp"];
    double worst = 0;
    for (std::size_t i = 0; i < hourly.size(); ++i)
        worst = std::max(worst, std::fabs(fast.outletTemp[i] - static_cast<double>(realFromText(hourly[i].get<std::string>()))));
    EXPECT_LT(worst, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(TestsReference, Reference, ::testing::ValuesIn(referenceNames()),
                         [](const ::testing::TestParamInfo<std::string>& param) { return param.param; });

}  // namespace
}  // namespace talp
