// Restored window positions: which ones leave the window's title strip on a screen.
#include "shell/window_placement.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace quorvel {
namespace {

struct PlacementCase {
    const char* name;
    std::int64_t left;
    std::int64_t top;
    bool reachable;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.name;
}

constexpr int kWidth = 470;
const std::vector<ScreenArea> kOneScreen{{0, 0, 1920, 1080}};
const std::vector<ScreenArea> kTwoScreens{{0, 0, 1920, 1080}, {1920, 200, 1280, 1024}};

class OneScreen : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(OneScreen, KeepsOnlyPositionsWithTheTitleStripOnScreen) {
    const PlacementCase& c = GetParam();
    EXPECT_EQ(PlacementReachable(c.left, c.top, kWidth, kOneScreen), c.reachable);
}

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Positions, OneScreen,
    ::testing::Values(
        PlacementCase{"start place", 100, 100, true}, PlacementCase{"top left corner", 0, 0, true},
        PlacementCase{"far right", 100000, 100, false},
        PlacementCase{"far left", -5000, 100, false}, PlacementCase{"far below", 100, 99999, false},
        PlacementCase{"title above the screen", 100, -10, false},
        PlacementCase{"title strip at the bottom edge", 100, 1050, true},
        PlacementCase{"title strip cut by the bottom edge", 100, 1051, false},
        PlacementCase{"half off the left edge", -300, 100, true},
        PlacementCase{"only 70 pixels on screen", -400, 100, false},
        PlacementCase{"100 pixels at the right edge", 1820, 100, true},
        PlacementCase{"99 pixels at the right edge", 1821, 100, false},
        PlacementCase{"largest 32-bit values", 2147483647, 2147483647, false},
        PlacementCase{"smallest 32-bit values", -2147483647 - 1, -2147483647 - 1, false},
        PlacementCase{"largest 64-bit values", kMax - 1000, kMax - 1000, false},
        PlacementCase{"smallest 64-bit values", kMin + 1000, kMin + 1000, false}));

TEST(PlacementReachable, AnyScreenOfSeveralWill) {
    EXPECT_TRUE(PlacementReachable(2500, 300, kWidth, kTwoScreens));
    EXPECT_FALSE(PlacementReachable(2500, 300, kWidth, kOneScreen));
    // Beside the second screen, in the gap above it.
    EXPECT_FALSE(PlacementReachable(2500, 100, kWidth, kTwoScreens));
}

TEST(PlacementReachable, NarrowWindowNeedsOnlyItsWidth) {
    EXPECT_TRUE(PlacementReachable(1870, 100, 50, kOneScreen));
    EXPECT_FALSE(PlacementReachable(1871, 100, 50, kOneScreen));
}

TEST(PlacementReachable, WithoutScreensEveryPositionCounts) {
    EXPECT_TRUE(PlacementReachable(100000, -100000, kWidth, {}));
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

struct FrameCase {
    const char* name;
    WindowFrame frame;
    std::int64_t left;
    std::int64_t top;
};

void PrintTo(const FrameCase& c, std::ostream* os) {
    *os << c.name;
}

class FrameOnTwoScreens : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameOnTwoScreens, MovesTheWholeWindowOntoTheScreenThatShowsMostOfIt) {
    const FrameCase& c = GetParam();
    const WindowFrame placed = FrameOnScreen(c.frame, kTwoScreens);
    EXPECT_EQ(placed.left, c.left);
    EXPECT_EQ(placed.top, c.top);
    EXPECT_EQ(placed.width, c.frame.width);
    EXPECT_EQ(placed.height, c.frame.height);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameOnTwoScreens,
    ::testing::Values(FrameCase{"InsideStays", {100, 100, 470, 433}, 100, 100},
                      FrameCase{"TallerThanTheScreen", {100, 100, 1410, 1299}, 100, 0},
                      FrameCase{"PastTheRightEdgeOnly", {1200, 100, 940, 859}, 980, 100},
                      FrameCase{"MoreOnTheSecondScreenGoesThere", {1500, 100, 940, 859}, 1920, 200},
                      FrameCase{"PastTheBottomOnly", {100, 600, 940, 859}, 100, 221},
                      FrameCase{"MostlyOnTheSecondScreen", {2000, 900, 940, 859}, 2000, 365},
                      FrameCase{"LargerThanTheSecondScreen", {2500, 300, 1410, 1299}, 1920, 200},
                      FrameCase{"OnNoScreenGoesToTheFirst", {-5000, -5000, 470, 433}, 0, 0},
                      FrameCase{"AboveTheTop", {100, -50, 470, 433}, 100, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FrameOnScreen, WithoutScreensStaysWhereItIs) {
    const WindowFrame placed = FrameOnScreen({-5000, 7000, 940, 859}, {});
    EXPECT_EQ(placed.left, -5000);
    EXPECT_EQ(placed.top, 7000);
}

}  // namespace
}  // namespace quorvel
