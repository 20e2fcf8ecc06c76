#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

#include "common/safe_math.h"

namespace quorvel {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(SafeMath, ErrorValueHasElevenNines) {
    EXPECT_EQ(MATH_ERROR_VALUE, 9.9999999999e26);
    EXPECT_NE(MATH_ERROR_VALUE, 1e27);
}

TEST(SafeMath, LogarithmsRefuseZeroAndNegatives) {
    EXPECT_EQ(SafeLog10(0.0), MATH_ERROR_VALUE);
    EXPECT_EQ(SafeLog10(-0.0), MATH_ERROR_VALUE);
    EXPECT_EQ(SafeLog10(-1.0), MATH_ERROR_VALUE);
    EXPECT_EQ(SafeLog10(1.0), 0.0);
    EXPECT_EQ(SafeLog10(1000.0), 3.0);
    EXPECT_EQ(SafeLog(0.0), MATH_ERROR_VALUE);
    EXPECT_EQ(SafeLog(-1e-300), MATH_ERROR_VALUE);
    EXPECT_DOUBLE_EQ(SafeLog(std::numbers::e), 1.0);
}

TEST(SafeMath, ExponentialIsUnguarded) {
    EXPECT_DOUBLE_EQ(SafeExp(1.0), std::numbers::e);
    EXPECT_EQ(SafeExp(1000.0), kInf);
}

TEST(SafeMath, PowerComputes) {
    EXPECT_EQ(SafePow(10.0, 2.0), 100.0);
    EXPECT_NEAR(SafePow(10.0, 0.1), 1.2589254, 5e-8);
    EXPECT_EQ(SafePow(-2.0, 3.0), -8.0);
    EXPECT_EQ(SafePow(0.0, 0.0), 1.0);
}

TEST(SafeMath, PowerOverflowGivesTheErrorValue) {
    EXPECT_EQ(SafePow(10.0, 400.0), MATH_ERROR_VALUE);
    EXPECT_EQ(SafePow(-10.0, 401.0), MATH_ERROR_VALUE);
    EXPECT_EQ(SafePow(1e308, 2.0), MATH_ERROR_VALUE);
}

TEST(SafeMath, PowerPassesDomainErrorsThrough) {
    EXPECT_TRUE(std::isnan(SafePow(-8.0, 1.0 / 3.0)));
    EXPECT_EQ(SafePow(0.0, -1.0), kInf);
    EXPECT_EQ(SafePow(kInf, 2.0), kInf);
    EXPECT_EQ(SafePow(10.0, -400.0), 0.0);
}

TEST(SafeMath, PowerKeepsTheCallersOverflowFlag) {
    std::feclearexcept(FE_OVERFLOW);
    SafePow(10.0, 400.0);
    EXPECT_EQ(std::fetestexcept(FE_OVERFLOW), 0);
    std::feraiseexcept(FE_OVERFLOW);
    EXPECT_EQ(SafePow(2.0, 3.0), 8.0);
    EXPECT_NE(std::fetestexcept(FE_OVERFLOW), 0);
    std::feclearexcept(FE_OVERFLOW);
}

TEST(SafeMath, ArcFunctionsRefuseArgumentsBeyondOne) {
    EXPECT_EQ(SafeAcos(1.0000001), MATH_ERROR_VALUE);
    EXPECT_EQ(SafeAcos(-1.0000001), MATH_ERROR_VALUE);
    EXPECT_EQ(SafeAcos(-1.0), std::numbers::pi);
    EXPECT_EQ(SafeAcos(1.0), 0.0);
    EXPECT_EQ(SafeAsin(2.0), MATH_ERROR_VALUE);
    EXPECT_EQ(SafeAsin(-1.0), -std::numbers::pi / 2);
    EXPECT_TRUE(std::isnan(SafeAcos(kNaN)));
}

TEST(SafeMath, ArcTangent) {
    EXPECT_EQ(SafeAtan(0.0), 0.0);
    EXPECT_FALSE(std::signbit(SafeAtan(-0.0)));
    EXPECT_DOUBLE_EQ(SafeAtan(1.0), std::numbers::pi / 4);
}

TEST(SafeMath, ArcTangentOfAPoint) {
    EXPECT_EQ(SafeAtan2(0.0, 0.0), MATH_ERROR_VALUE);
    EXPECT_EQ(SafeAtan2(-3.0, 0.0), -1.5707963267948972);
    EXPECT_EQ(SafeAtan2(3.0, -0.0), 1.5707963267948972);
    // The quarter turn is not the double nearest to pi/2.
    EXPECT_NE(SafeAtan2(1.0, 0.0), std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(SafeAtan2(1.0, 1.0), std::numbers::pi / 4);
    EXPECT_EQ(SafeAtan2(0.0, -1.0), std::numbers::pi);
}

TEST(SafeMath, TrigonometryStopsAt263Radians) {
    EXPECT_EQ(SafeSin(262.9), std::sin(262.9));
    EXPECT_EQ(SafeSin(-262.9), std::sin(-262.9));
    EXPECT_EQ(SafeSin(263.0), MATH_ERROR_VALUE);
    EXPECT_EQ(SafeSin(-263.0), MATH_ERROR_VALUE);
    EXPECT_EQ(SafeCos(263.0), MATH_ERROR_VALUE);
    EXPECT_EQ(SafeCos(0.0), 1.0);
    EXPECT_EQ(SafeTan(-263.0), MATH_ERROR_VALUE);
    EXPECT_EQ(SafeTan(-kInf), MATH_ERROR_VALUE);
    EXPECT_DOUBLE_EQ(SafeTan(std::numbers::pi / 4), 1.0);
}

struct IntegerCase {
    double x;
    std::int32_t floor;
    std::int32_t ceil;
    std::int32_t round;
};

class IntegerConversions : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerConversions, FloorCeilRound) {
    const IntegerCase& c = GetParam();
    EXPECT_EQ(FloorToInt(c.x), c.floor) << c.x;
    EXPECT_EQ(CeilToInt(c.x), c.ceil) << c.x;
    EXPECT_EQ(RoundToInt(c.x), c.round) << c.x;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntegerConversions,
    ::testing::Values(IntegerCase{-3.5, -4, -3, -4}, IntegerCase{3.5, 3, 4, 3},
                      IntegerCase{3.6, 3, 4, 4}, IntegerCase{2.5, 2, 3, 2},
                      IntegerCase{-2.5, -3, -2, -3}, IntegerCase{-2.4, -3, -2, -2},
                      IntegerCase{7.0, 7, 7, 7}, IntegerCase{-0.0, 0, 0, 0},
                      // Clamped before rounding.
                      IntegerCase{-5e9, -2147483647, -2147483647, -2147483647},
                      IntegerCase{-2147483647.5, -2147483647, -2147483647, -2147483647},
                      IntegerCase{-2147483646.5, -2147483647, -2147483646, -2147483647},
                      IntegerCase{5e9, -1, -1, -1}, IntegerCase{4294967295.5, -1, -1, -1},
                      // Between 2^31 and 2^32 the low 32 bits, read as signed; the distances
                      // are those of the wrapped values, so the ceiling wins.
                      IntegerCase{2147483648.0, INT32_MIN, INT32_MIN, INT32_MIN},
                      IntegerCase{3000000000.25, -1294967296, -1294967295, -1294967295},
                      IntegerCase{4294967294.5, -2, -1, -1},
                      // No integer part at all.
                      IntegerCase{kNaN, 0, 0, 0}, IntegerCase{-kNaN, 0, 0, 0},
                      IntegerCase{kInf, -1, -1, -1},
                      IntegerCase{-kInf, -2147483647, -2147483647, -2147483647}));

TEST(SafeMath, Finiteness) {
    EXPECT_TRUE(IsFiniteValue(0.0));
    EXPECT_TRUE(IsFiniteValue(std::numeric_limits<double>::max()));
    EXPECT_TRUE(IsFiniteValue(std::numeric_limits<double>::denorm_min()));
    EXPECT_FALSE(IsFiniteValue(kInf));
    EXPECT_FALSE(IsFiniteValue(-kInf));
    EXPECT_FALSE(IsFiniteValue(kNaN));
}

TEST(SafeMath, Rotations) {
    EXPECT_EQ(RotateLeft32(2147483649u, 1), 3u);
    EXPECT_EQ(RotateRight32(3u, 1), 2147483649u);
    EXPECT_EQ(RotateLeft32(2147483649u, 33), 3u);
    EXPECT_EQ(RotateRight32(3u, 33), 2147483649u);
    EXPECT_EQ(RotateLeft32(0x12345678u, 0), 0x12345678u);
    EXPECT_EQ(RotateLeft32(0x12345678u, 32), 0x12345678u);
    EXPECT_EQ(RotateLeft32(0x12345678u, -4), 0x81234567u);
    EXPECT_EQ(RotateRight32(0x12345678u, INT32_MIN), 0x12345678u);
}

TEST(SafeMath, AbsoluteValue) {
    EXPECT_EQ(AbsInt(5), 5);
    EXPECT_EQ(AbsInt(-5), 5);
    EXPECT_EQ(AbsInt(0), 0);
    EXPECT_EQ(AbsInt(INT32_MAX), INT32_MAX);
    EXPECT_EQ(AbsInt(INT32_MIN), INT32_MIN);
}

}  // namespace
}  // namespace quorvel
