#include "common/geodesy/map_utils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "common/geodesy/miss_distance.h"
#include "common/geodesy/vector_length.h"

namespace quorvel {
namespace {

class NormalizeDegrees180Test
    : public ::testing::TestWithParam<std::pair<std::int32_t, std::int32_t>> {};

TEST_P(NormalizeDegrees180Test, BringsOneTurnEitherWayIntoTheHalfOpenHalfTurns) {
    std::int32_t degrees = GetParam().first;
    NormalizeDegrees180(degrees);
    EXPECT_EQ(degrees, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Cases, NormalizeDegrees180Test,
                         ::testing::Values(std::pair{-181, 179}, std::pair{181, -179},
                                           std::pair{359, -1}, std::pair{360, 0},
                                           std::pair{-180, 180}, std::pair{180, 180},
                                           std::pair{540, 180}, std::pair{-539, -179},
                                           std::pair{-540, -180}, std::pair{0, 0},
                                           std::pair{1000, 280}));

TEST(NormalizeDegrees360, CorrectsByOneTurnAtMost) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {{-1, 359},  {-360, 0},   {0, 0},
                                                           {359, 359}, {360, 0},    {719, 359},
                                                           {720, 0},   {1000, 640}, {-1000, -640}};
    for (const auto& [in, out] : cases) {
        std::int32_t degrees = in;
        NormalizeDegrees360(degrees);
        EXPECT_EQ(degrees, out) << in;
    }
    // The extremes move toward zero and cannot overflow.
    std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    NormalizeDegrees360(lowest);
    EXPECT_EQ(lowest, std::numeric_limits<std::int32_t>::min() + 360);
}

class ClockTextTest : public ::testing::TestWithParam<std::pair<double, const char*>> {};

TEST_P(ClockTextTest, RoundsToAQuarterHour) {
    EXPECT_EQ(ClockText(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Cases, ClockTextTest,
                         ::testing::Values(std::pair{0.0, "00:00"}, std::pair{1.5, "01:30"},
                                           std::pair{3.1, "03:00"}, std::pair{3.12, "03:15"},
                                           std::pair{4.86, "04:45"}, std::pair{2.9, "03:00"},
                                           std::pair{11.9, "12:00"}, std::pair{9.36, "09:15"},
                                           std::pair{9.37, "09:30"}, std::pair{10.5, "10:30"},
                                           std::pair{8.999999999999999, "09:00"}));

struct MissCase {
    double dx;
    double dy;
    double distance;
    double clock;
};

class MissDistanceTest : public ::testing::TestWithParam<MissCase> {};

TEST_P(MissDistanceTest, ClockRunsFromPlusDyTowardPlusDx) {
    double distance = -1;
    double clock = -1;
    MissDistanceAndClock(GetParam().dx, GetParam().dy, distance, clock);
    EXPECT_NEAR(distance, GetParam().distance, 0.005);
    EXPECT_NEAR(clock, GetParam().clock, 1e-12);
    EXPECT_GE(clock, 0);
    EXPECT_LT(clock, 12);
}

INSTANTIATE_TEST_SUITE_P(Cases, MissDistanceTest,
                         ::testing::Values(MissCase{0, 100, 100, 0}, MissCase{100, 0, 100, 3},
                                           MissCase{0, -100, 100, 6}, MissCase{-100, 0, 100, 9},
                                           MissCase{100, 100, 141.42, 1.5},
                                           MissCase{-100, 100, 141.42, 10.5},
                                           MissCase{0, 0, 0, 0}));

TEST(MissDistanceAndClock, AHairWestOfTwelveIsTwelve) {
    double distance = 0;
    double clock = -1;
    // The angle is a hair below 0 and one turn added gives exactly 360 degrees.
    MissDistanceAndClock(-1e-300, 1, distance, clock);
    EXPECT_EQ(clock, 0);
    EXPECT_EQ(ClockText(clock), "00:00");
}

TEST(VectorsEqual, ComparesExactly) {
    EXPECT_TRUE(VectorsEqual(std::array{1.0, -0.0, 3.0}, std::array{1.0, 0.0, 3.0}));
    EXPECT_FALSE(VectorsEqual(std::array{1.0, 2.0, 3.0}, std::array{1.0, 2.0, 3.0000000000000004}));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(VectorsEqual(std::array{nan, 0.0, 0.0}, std::array{nan, 0.0, 0.0}));
    EXPECT_TRUE(VectorsEqual(LlmPosition{0.5, -2, 0.1}, LlmPosition{0.5, -2, 0.1}));
    EXPECT_FALSE(VectorsEqual(LlmPosition{0.5, -2, 0.1}, LlmPosition{0.5, -2, 0.2}));
    EXPECT_TRUE(VectorsEqual(EnuVector{0, 0, 0}, EnuVector{-0.0, -0.0, -0.0}));
    EXPECT_FALSE(VectorsEqual(EnuVector{1, 0, 0}, EnuVector{-1, 0, 0}));
    EXPECT_FALSE(VectorsEqual(EcefVector{1, 2, 3}, EcefVector{1, 3, 2}));
    EXPECT_TRUE(VectorsEqual(RaeVector{1, 2, 3}, RaeVector{1, 2, 3}));
}

TEST(VectorLength, IsTheEuclideanNorm) {
    EXPECT_EQ(VectorLength(3, 4, 12), 13);
    EXPECT_EQ(VectorLength(-3, 0, -4), 5);
    EXPECT_EQ(VectorLength(0, 0, 0), 0);
    EXPECT_TRUE(std::isnan(VectorLength(std::numeric_limits<double>::quiet_NaN(), 0, 0)));
}

}  // namespace
}  // namespace quorvel
