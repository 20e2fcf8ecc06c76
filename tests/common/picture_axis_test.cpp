#include "common/picture_axis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "support/comma_locale.h"

namespace quorvel {
namespace {

struct TicksCase {
    const char* name;
    double low;
    double high;
    int count;
    double step;
    std::vector<double> values;
};

class PictureAxisTicks : public ::testing::TestWithParam<TicksCase> {};

TEST_P(PictureAxisTicks, StepIsOneTwoOrFiveTimesAPowerOfTenAndTicksCoverTheScale) {
    const TicksCase& c = GetParam();
    const AxisTicks ticks = NiceAxisTicks(c.low, c.high, c.count);
    EXPECT_DOUBLE_EQ(ticks.step, c.step);
    ASSERT_EQ(ticks.values.size(), c.values.size());
    for (std::size_t i = 0; i < c.values.size(); ++i) {
        EXPECT_NEAR(ticks.values[i], c.values[i], 1e-12 * (1 + std::fabs(c.values[i]))) << i;
    }
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Scales, PictureAxisTicks,
    ::testing::Values(TicksCase{"ExactRoundScale", 0, 100, 5, 20, {0, 20, 40, 60, 80, 100}},
                      TicksCase{"EndsBetweenTicks", -37, 1234, 5, 500, {0, 500, 1000}},
                      TicksCase{"SmallSteps", 0.05, 0.52, 5, 0.1, {0.1, 0.2, 0.3, 0.4, 0.5}},
                      TicksCase{"FiveTimes", 0, 125, 3, 50, {0, 50, 100}},
                      TicksCase{"NegativeScale", -12, -3, 4, 5, {-10, -5}},
                      TicksCase{"NoLength", 7, 7, 5, 0, {7}},
                      TicksCase{"Reversed", 7, 3, 5, 0, {7}},
                      TicksCase{"NotFinite", 0, kInf, 5, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureAxisTickText, TakesTheDecimalsOfTheStepWhateverTheLocale) {
    const testing::CommaLocale comma;
    if (!comma.Active()) {
        GTEST_SKIP() << testing::CommaLocale::kMissing;
    }
    EXPECT_EQ(AxisTickText(2500, 500), "2500");
    EXPECT_EQ(AxisTickText(0.30000000000000004, 0.1), "0.3");
    EXPECT_EQ(AxisTickText(-0.5, 0.5), "-0.5");
    EXPECT_EQ(AxisTickText(-1e-17, 0.1), "0.0");
    EXPECT_EQ(AxisTickText(1.25, 0.05), "1.25");
    EXPECT_EQ(AxisTickText(7, 0), "7");
}

}  // namespace
}  // namespace quorvel
