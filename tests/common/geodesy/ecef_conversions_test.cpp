#include "common/geodesy/ecef_conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace quorvel {
namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kRadiansPerDegree = 0.017453292519943302;

// 35 41 15.010 N, 117 40 47.120 W, 2283.26 ft: the WGS-84 page's starting position.
constexpr LlmPosition kDefaultPosition{0.6228644253256228, -2.053899198162236, 0.37577627655142326};

TEST(EarthConstants, EccentricityComesFromTheTwoAxes) {
    EXPECT_EQ(EARTH_ECC,
              std::sqrt(EARTH_A_NMI * EARTH_A_NMI - EARTH_B_NMI * EARTH_B_NMI) / EARTH_A_NMI);
    EXPECT_EQ(EARTH_ECC_SQ, EARTH_ECC * EARTH_ECC);
    EXPECT_NEAR(EARTH_ECC, 0.0818191909, 1e-10);
    // Not the published WGS-84 value 0.00669437999014.
    EXPECT_NEAR(EARTH_ECC_SQ, 0.006694380004261, 1e-15);
}

struct LimitCase {
    const char* what;
    LlmPosition in;
    LlmPosition out;
};

class LimitLlmTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(LimitLlmTest, KeepsThePositionWithinTheLimits) {
    LlmPosition position = GetParam().in;
    LimitLlm(position);
    EXPECT_EQ(position.latitude, GetParam().out.latitude);
    EXPECT_EQ(position.longitude, GetParam().out.longitude);
    EXPECT_EQ(position.altitude, GetParam().out.altitude);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LimitLlmTest,
    ::testing::Values(LimitCase{"inside", kDefaultPosition, kDefaultPosition},
                      LimitCase{"north80", {80 * kRadiansPerDegree, 1, 1}, {LATITUDE_LIMIT, 1, 1}},
                      LimitCase{
                          "south80", {-80 * kRadiansPerDegree, 1, 1}, {-LATITUDE_LIMIT, 1, 1}},
                      LimitCase{"nanLongitude", {0.5, kNan, 1}, {0.5, 0, 1}},
                      LimitCase{"infinities", {kInf, -kInf, kInf}, {0, 0, 0}},
                      LimitCase{"beyondPi", {0, 4, 0}, {0, LONGITUDE_LIMIT, 0}},
                      LimitCase{"minus300ft", {0, 0, -300 / FEET_PER_NMI}, {0, 0, ALTITUDE_LOWEST}},
                      LimitCase{"6000nmi", {0, 0, 6000}, {0, 0, 5000}},
                      LimitCase{"atTheLimits",
                                {-LATITUDE_LIMIT, -LONGITUDE_LIMIT, ALTITUDE_HIGHEST},
                                {-LATITUDE_LIMIT, -LONGITUDE_LIMIT, ALTITUDE_HIGHEST}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(LimitLlm, LimitsAreThe70DegreesAndMinus200FeetTheyStandFor) {
    EXPECT_NEAR(LATITUDE_LIMIT, 70 * kRadiansPerDegree, 1e-15);
    EXPECT_NEAR(ALTITUDE_LOWEST * FEET_PER_NMI, -200, 1e-12);
    EXPECT_GT(LONGITUDE_LIMIT, std::numbers::pi);
}

TEST(LlmToEcef, OriginOfLatitudeAndLongitudeLiesOnTheXAxisAtTheSemiMajorAxis) {
    LlmPosition position{0, 0, 0};
    const EcefVector ecef = LlmToEcef(position);
    EXPECT_EQ(ecef.x, 3443.8765865268106);
    EXPECT_EQ(ecef.y, 0);
    EXPECT_EQ(ecef.z, 0);
}

TEST(LlmToEcef, DefaultPositionAndBackAgain) {
    LlmPosition position = kDefaultPosition;
    const EcefVector ecef = LlmToEcef(position);
    EXPECT_NEAR(ecef.x, -1300.98393, 5e-6);
    EXPECT_NEAR(ecef.y, -2480.13803, 5e-6);
    EXPECT_NEAR(ecef.z, 1998.08088, 5e-6);
    EXPECT_NEAR(EllipsoidAltitude(ecef), 0.3757762763, 1e-10);
    EXPECT_NEAR(EllipsoidAltitude(ecef) * FEET_PER_NMI, 2283.26, 0.003);

    LlmPosition back{};
    ASSERT_TRUE(EcefToLlm(ecef, back));
    EXPECT_NEAR(back.latitude, kDefaultPosition.latitude, 1e-15);
    EXPECT_NEAR(back.longitude, kDefaultPosition.longitude, 1e-15);
    EXPECT_NEAR(back.altitude, kDefaultPosition.altitude, 1e-11);
}

TEST(LlmToEcef, LimitsTheCallersRecordFirst) {
    LlmPosition position{80 * kRadiansPerDegree, kNan, 6000};
    const EcefVector ecef = LlmToEcef(position);
    EXPECT_EQ(position.latitude, LATITUDE_LIMIT);
    EXPECT_EQ(position.longitude, 0);
    EXPECT_EQ(position.altitude, 5000);
    LlmPosition limited{LATITUDE_LIMIT, 0, 5000};
    const EcefVector expected = LlmToEcef(limited);
    EXPECT_EQ(ecef.x, expected.x);
    EXPECT_EQ(ecef.z, expected.z);
    LlmPosition back{};
    ASSERT_TRUE(EcefToLlm(ecef, back));
    EXPECT_NEAR(back.latitude, LATITUDE_LIMIT, 1e-15);
}

// An ECEF point that EcefToLlm refuses; the output must keep every bit it had.
class EcefToLlmRefusesTest : public ::testing::TestWithParam<EcefVector> {};

TEST_P(EcefToLlmRefusesTest, LeavesTheOutputAsItWas) {
    LlmPosition position{0.25, -0.5, kNan};
    EXPECT_FALSE(EcefToLlm(GetParam(), position));
    EXPECT_EQ(position.latitude, 0.25);
    EXPECT_EQ(position.longitude, -0.5);
    EXPECT_TRUE(std::isnan(position.altitude));
}

INSTANTIATE_TEST_SUITE_P(Cases, EcefToLlmRefusesTest,
                         ::testing::Values(EcefVector{0, 0, 3000},   // the polar axis
                                           EcefVector{0, 0, 0},      // the centre
                                           EcefVector{8444, 0, 0},   // beyond a + 5000 nmi
                                           EcefVector{0, -8444, 0},  //
                                           EcefVector{1e5, 1e5, 0},  //
                                           EcefVector{kNan, 100, 0}, EcefVector{100, 0, kNan},
                                           EcefVector{100, 0, kInf}));

TEST(EcefToLlm, ReachesPointsUpTo5000NmiHighOnTheEquator) {
    // Farther from the polar axis than twice the semi-major axis, but within the limits.
    LlmPosition position{-1, -1, -1};
    ASSERT_TRUE(EcefToLlm({7000, 0, 0}, position));
    EXPECT_EQ(position.latitude, 0);
    EXPECT_EQ(position.longitude, 0);
    EXPECT_NEAR(position.altitude, 7000 - EARTH_A_NMI, 1e-12);

    for (double longitude :
         {0.0, std::numbers::pi / 2, -std::numbers::pi / 2, LONGITUDE_LIMIT, -LONGITUDE_LIMIT}) {
        LlmPosition highest{0, longitude, ALTITUDE_HIGHEST};
        const EcefVector ecef = LlmToEcef(highest);
        LlmPosition back{};
        ASSERT_TRUE(EcefToLlm(ecef, back)) << longitude;
        EXPECT_NEAR(back.altitude, ALTITUDE_HIGHEST, 1e-9) << longitude;
    }
}

TEST(EcefToLlm, TakesAnIterationEndingBetweenTwoNeighbouringDoublesAsConverged) {
    // The tangent of this position's latitude alternates between two neighbouring doubles and
    // never repeats a value within 64 rounds.
    LlmPosition position{0.97100389292532441, -2.4075746322597866, 0};
    const EcefVector ecef = LlmToEcef(position);
    LlmPosition back{};
    ASSERT_TRUE(EcefToLlm(ecef, back));
    EXPECT_NEAR(back.latitude, position.latitude, 1e-15);
    EXPECT_NEAR(back.longitude, position.longitude, 1e-15);
    EXPECT_NEAR(back.altitude, 0, 1e-11);
}

TEST(EcefToLlm, DoesNotLimitWhatItGives) {
    LlmPosition position{};
    ASSERT_TRUE(EcefToLlm({100, 0, 3400}, position));
    EXPECT_GT(position.latitude, LATITUDE_LIMIT);
}

TEST(EcefInRange, IncludesItsBoundsAndRefusesNaN) {
    EXPECT_TRUE(EcefInRange({320000, -320000, 0}));
    EXPECT_FALSE(EcefInRange({0, 0, 320000.00000001}));
    EXPECT_FALSE(EcefInRange({0, kNan, 0}));
}

TEST(EllipsoidAltitude, ZeroOutsideTheRangeAndAtTheCentre) {
    EXPECT_EQ(EllipsoidAltitude({400000, 0, 0}), 0);
    EXPECT_EQ(EllipsoidAltitude({0, 0, 0}), 0);
    EXPECT_EQ(EllipsoidAltitude({kNan, 0, 0}), 0);
}

TEST(EllipsoidAltitude, ExactOnTheEquatorAndCloseAtThePole) {
    EXPECT_EQ(EllipsoidAltitude({4000, 0, 0}), 4000 - EARTH_A_NMI);
    EXPECT_EQ(EllipsoidAltitude({0, -3000, 0}), 3000 - EARTH_A_NMI);
    EXPECT_NEAR(EllipsoidAltitude({0, 0, EARTH_B_NMI + 1}), 1, 1e-3);
}

TEST(EllipsoidAltitude, MatchesTheAltitudeOfConvertedPositions) {
    for (double latitudeDegrees : {-70.0, -45.0, -10.0, 0.0, 20.0, 44.9, 60.0, 70.0}) {
        for (double feet : {-200.0, 0.0, 2283.26, 40000.0, 100000.0}) {
            LlmPosition position{latitudeDegrees * kRadiansPerDegree, 1.0, feet / FEET_PER_NMI};
            const double altitude = EllipsoidAltitude(LlmToEcef(position));
            EXPECT_NEAR(altitude * FEET_PER_NMI, feet, 0.003) << latitudeDegrees << " " << feet;
        }
        LlmPosition high{latitudeDegrees * kRadiansPerDegree, -2.0, 5000};
        EXPECT_NEAR(EllipsoidAltitude(LlmToEcef(high)), 5000, 0.02) << latitudeDegrees;
    }
}

}  // namespace
}  // namespace quorvel
