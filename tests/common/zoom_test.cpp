// The zoom ladder: what a stored percentage stands for, the steps in and out, and the
// designed lengths at each step.
#include "common/zoom.h"

#include <gtest/gtest.h>

#include <climits>

namespace quorvel {
namespace {

struct StoredCase {
    const char* name;
    long long stored;
    int percent;
};

void PrintTo(const StoredCase& c, std::ostream* os) {
    *os << c.name;
}

class StoredPercent : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredPercent, StandsForAStepOrTheDesignedSize) {
    EXPECT_EQ(Zoom::FromPercent(GetParam().stored).Percent(), GetParam().percent);
}

INSTANTIATE_TEST_SUITE_P(
    Percentages, StoredPercent,
    ::testing::Values(
        StoredCase{"DesignedSize", 100, 100}, StoredCase{"FirstStepUp", 125, 125},
        StoredCase{"Twice", 200, 200}, StoredCase{"Largest", 300, 300},
        StoredCase{"JustBelowTheLadder", 99, 100}, StoredCase{"JustAboveTheLadder", 301, 100},
        StoredCase{"Zero", 0, 100}, StoredCase{"Negative", -150, 100},
        StoredCase{"LargestInteger", LLONG_MAX, 100}, StoredCase{"SmallestInteger", LLONG_MIN, 100},
        StoredCase{"NearerTheLower", 112, 100}, StoredCase{"NearerTheUpper", 113, 125},
        StoredCase{"HalfwayTakesTheSmaller", 225, 200},
        StoredCase{"BetweenTheWideSteps", 280, 300}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ZoomSteps, GoUpAndDownTheLadderAndStopAtItsEnds) {
    const std::vector<int> up{125, 150, 175, 200, 250, 300, 300};
    Zoom zoom;
    for (int percent : up) {
        zoom = zoom.In();
        EXPECT_EQ(zoom.Percent(), percent);
    }
    const std::vector<int> down{250, 200, 175, 150, 125, 100, 100};
    for (int percent : down) {
        zoom = zoom.Out();
        EXPECT_EQ(zoom.Percent(), percent);
    }
    EXPECT_TRUE(zoom.IsActualSize());
    EXPECT_EQ(zoom, Zoom());
}

TEST(ZoomSteps, ScaleDesignedLengthsToTheNearestPixel) {
    EXPECT_EQ(Zoom().Scaled(470), 470);
    EXPECT_EQ(Zoom::FromPercent(125).Scaled(470), 588);  // 587.5 rounds up
    EXPECT_EQ(Zoom::FromPercent(175).Scaled(415), 726);  // 726.25
    EXPECT_EQ(Zoom::FromPercent(300).Scaled(413), 1239);
    EXPECT_DOUBLE_EQ(Zoom::FromPercent(250).Factor(), 2.5);
}

}  // namespace
}  // namespace quorvel
