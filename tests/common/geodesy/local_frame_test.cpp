#include "common/geodesy/local_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "common/geodesy/ecef_conversions.h"
#include "common/safe_math.h"

namespace quorvel {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kQuarterTurn = 1.5707963267948972;
constexpr double kRadiansPerDegree = 0.017453292519943302;
constexpr double kDegreesPerRadian = 57.2957795130823;
constexpr LlmPosition kDefaultPosition{0.6228644253256228, -2.053899198162236, 0.37577627655142326};

struct RaeCase {
    const char* what;
    EnuVector enu;
    RaeVector rae;
};

class EnuToRaeTest : public ::testing::TestWithParam<RaeCase> {};

TEST_P(EnuToRaeTest, AzimuthIsMeasuredFromNorthAndNotNormalised) {
    const RaeVector rae = EnuToRae(GetParam().enu);
    EXPECT_NEAR(rae.range, GetParam().rae.range, 1e-15);
    EXPECT_NEAR(rae.azimuth, GetParam().rae.azimuth, 1e-15);
    EXPECT_NEAR(rae.elevation, GetParam().rae.elevation, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EnuToRaeTest,
    ::testing::Values(RaeCase{"east", {1, 0, 0}, {1, kPi / 2, 0}},
                      RaeCase{"south", {0, -1, 0}, {1, 3.1415926535897944, 0}},
                      RaeCase{"northWest", {-1, 1, 0}, {std::sqrt(2.0), -kPi / 4, 0}},
                      RaeCase{"southWest", {-1, -1, 0}, {std::sqrt(2.0), 5 * kPi / 4, 0}},
                      RaeCase{"northUp", {0, 3, 4}, {5, 0, std::atan2(4.0, 3.0)}},
                      RaeCase{"eastDown", {2, 0, -2}, {std::sqrt(8.0), kPi / 2, -kPi / 4}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(EnuToRae, SouthIsTwiceTheProgramsQuarterTurn) {
    EXPECT_EQ(EnuToRae({0, -1, 0}).azimuth, 3.1415926535897944);
    EXPECT_EQ(EnuToRae({0, 1, 0}).azimuth, 0);
}

TEST(EnuToRae, StraightUpHasTheFailedArcTangentInItsAzimuth) {
    const RaeVector rae = EnuToRae({0, 0, 5});
    EXPECT_EQ(rae.range, 5);
    EXPECT_EQ(rae.elevation, kQuarterTurn);
    EXPECT_EQ(rae.azimuth, 1.5707963267948972 - 9.9999999999e26);
    EXPECT_EQ(EnuToRae({0, 0, -5}).elevation, -kQuarterTurn);

    const RaeVector zero = EnuToRae({0, 0, 0});
    EXPECT_EQ(zero.range, 0);
    EXPECT_EQ(zero.elevation, MATH_ERROR_VALUE);
}

TEST(RaeToEnu, UndoesEnuToRae) {
    for (const EnuVector v : {EnuVector{3, -4, 12}, EnuVector{-100, 2, -0.5}, EnuVector{-1, -1, 0},
                              EnuVector{0, 7, 0}}) {
        const EnuVector back = RaeToEnu(EnuToRae(v));
        EXPECT_NEAR(back.east, v.east, 1e-12);
        EXPECT_NEAR(back.north, v.north, 1e-12);
        EXPECT_NEAR(back.up, v.up, 1e-12);
    }
}

TEST(RaeToEnu, RefusesNothing) {
    // A negative range points the other way; an elevation past the zenith comes down behind.
    const EnuVector backwards = RaeToEnu({-2, 0, 0});
    EXPECT_NEAR(backwards.north, -2, 1e-15);
    const EnuVector over = RaeToEnu({1, 0, 135 * kRadiansPerDegree});
    EXPECT_NEAR(over.north, -std::sqrt(0.5), 1e-15);
    EXPECT_NEAR(over.up, std::sqrt(0.5), 1e-15);
}

TEST(LocalFrameMatrices, AreEachOthersTransposeAndRotations) {
    const Matrix3 toEnu = EcefToEnuMatrix(kDefaultPosition);
    const Matrix3 toEcef = EnuToEcefMatrix(kDefaultPosition);
    const Matrix3 same = EnuToEcefMatrix(kDefaultPosition.latitude, kDefaultPosition.longitude);
    for (std::size_t row = 0; row < 3; ++row) {
        for (std::size_t col = 0; col < 3; ++col) {
            EXPECT_EQ(toEnu[row * 3 + col], toEcef[col * 3 + row]);
            EXPECT_EQ(toEcef[row * 3 + col], same[row * 3 + col]);
        }
    }
    // Up points along the ECEF of the position's direction on a sphere.
    const auto up = MatrixTimesVector(toEcef, 0, 0, 1);
    EXPECT_NEAR(up[2], std::sin(kDefaultPosition.latitude), 1e-15);
    const auto back = MatrixTimesVector(toEnu, up[0], up[1], up[2]);
    EXPECT_NEAR(back[0], 0, 1e-15);
    EXPECT_NEAR(back[1], 0, 1e-15);
    EXPECT_NEAR(back[2], 1, 1e-15);
}

TEST(MatrixTimesVector, TakesOneRowPerComponent) {
    const Matrix3 m{1, 2, 3, 4, 5, 6, 7, 8, 9};
    const auto v = MatrixTimesVector(m, 1, 0, -1);
    EXPECT_EQ(v[0], -2);
    EXPECT_EQ(v[1], -2);
    EXPECT_EQ(v[2], -2);
}

TEST(LlmToEnu, TenArcMinutesNorthOfTheDefaultPosition) {
    LlmPosition reference = kDefaultPosition;
    LlmPosition point = kDefaultPosition;
    point.latitude += 10.0 / 60 * kRadiansPerDegree;
    const EnuVector enu = LlmToEnu(point, reference);
    EXPECT_NEAR(enu.east, 0, 1e-12);
    EXPECT_NEAR(enu.north, 9.98609, 5e-6);
    EXPECT_NEAR(enu.up, -0.01452, 5e-6);
    EXPECT_NEAR(std::hypot(enu.east, enu.north), 9.98609, 5e-6);

    const RaeVector rae = EnuToRae(enu);
    EXPECT_NEAR(rae.range, 9.98610, 5e-6);
    EXPECT_NEAR(rae.azimuth * kDegreesPerRadian, 0, 1e-9);
    EXPECT_NEAR(rae.elevation * kDegreesPerRadian, -0.0833, 5e-5);

    // The same point given in ECEF.
    LlmPosition pointCopy = point;
    const RaeVector fromEcef = EcefToRae(LlmToEcef(pointCopy), reference);
    EXPECT_NEAR(fromEcef.range, rae.range, 1e-12);
    EXPECT_NEAR(fromEcef.elevation, rae.elevation, 1e-12);
}

TEST(LlmToEnu, LimitsTheReferenceButNotThePoint) {
    LlmPosition reference{75 * kRadiansPerDegree, 0, 0};
    const LlmPosition point{80 * kRadiansPerDegree, 0.1, 6000};
    const EnuVector enu = LlmToEnu(point, reference);
    EXPECT_EQ(reference.latitude, LATITUDE_LIMIT);
    EXPECT_EQ(point.latitude, 80 * kRadiansPerDegree);
    EXPECT_EQ(point.altitude, 6000);
    EXPECT_GT(enu.up, 4000);

    LlmPosition origin{0, 4, 0};
    EcefToEnu({EARTH_A_NMI, 0, 0}, origin);
    EXPECT_EQ(origin.longitude, LONGITUDE_LIMIT);
}

TEST(EnuToEcef, PlacesTheOffsetThatEcefToEnuMeasures) {
    LlmPosition reference = kDefaultPosition;
    const EnuVector offset{120.5, -33.25, 4.75};
    const EcefVector point = EnuToEcef(offset, reference);
    const EnuVector back = EcefToEnu(point, reference);
    EXPECT_NEAR(back.east, offset.east, 1e-11);
    EXPECT_NEAR(back.north, offset.north, 1e-11);
    EXPECT_NEAR(back.up, offset.up, 1e-11);

    LlmPosition high{1.3, 0, 0};
    EnuToEcef(offset, high);
    EXPECT_EQ(high.latitude, LATITUDE_LIMIT);
}

TEST(RaeToLlm, MovesToThePointSeenAtThatRangeAzimuthAndElevation) {
    LlmPosition origin = kDefaultPosition;
    LlmPosition target{};
    const RaeVector rae{250, 30 * kRadiansPerDegree, 2 * kRadiansPerDegree};
    ASSERT_TRUE(RaeToLlm(rae, origin, target));
    const RaeVector seen = EnuToRae(LlmToEnu(target, origin));
    EXPECT_NEAR(seen.range, rae.range, 1e-10);
    EXPECT_NEAR(seen.azimuth, rae.azimuth, 1e-13);
    EXPECT_NEAR(seen.elevation, rae.elevation, 1e-13);
}

TEST(RaeToLlm, KeepsThePositionWhenThePointCannotBeConverted) {
    LlmPosition origin{0, 0, 0};
    LlmPosition target = kDefaultPosition;
    // 6000 nmi straight up from the equator: farther from the polar axis than a + 5000 nmi.
    EXPECT_FALSE(RaeToLlm({6000, 0, kQuarterTurn}, origin, target));
    EXPECT_EQ(target.latitude, kDefaultPosition.latitude);
    EXPECT_EQ(target.longitude, kDefaultPosition.longitude);
    EXPECT_EQ(target.altitude, kDefaultPosition.altitude);
}

}  // namespace
}  // namespace quorvel
