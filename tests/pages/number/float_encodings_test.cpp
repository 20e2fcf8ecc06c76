#include "pages/number/float_encodings.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

#include "common/safe_math.h"

namespace quorvel {
namespace {

struct WordCase {
    std::uint32_t word;
    double value;
};

class Ieee754Test : public ::testing::TestWithParam<WordCase> {};

TEST_P(Ieee754Test, DecodesFiniteWords) {
    double value = 99;
    ASSERT_TRUE(Ieee754FloatValue(GetParam().word, value));
    EXPECT_EQ(value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Words, Ieee754Test,
                         ::testing::Values(WordCase{0x3F800000, 1.0}, WordCase{0xC0000000, -2.0},
                                           WordCase{0x00000001, std::ldexp(1.0, -149)},
                                           WordCase{0x007FFFFF, std::ldexp(0x7FFFFF, -149)},
                                           WordCase{0x00800000, std::ldexp(1.0, -126)},
                                           WordCase{0x7F7FFFFF, 3.4028234663852886e38},
                                           WordCase{0x3DCCCCCD, 0.100000001490116119384765625}));

TEST(Ieee754, KeepsTheSignOfZero) {
    double value = 99;
    ASSERT_TRUE(Ieee754FloatValue(0x80000000U, value));
    EXPECT_EQ(value, 0.0);
    EXPECT_TRUE(std::signbit(value));
    ASSERT_TRUE(Ieee754FloatValue(0x00000000U, value));
    EXPECT_FALSE(std::signbit(value));
}

TEST(Ieee754, InfinitiesAndNaNsFailWithZero) {
    for (std::uint32_t word : {0x7F800000U, 0xFF800000U, 0x7FC00000U, 0xFFFFFFFFU, 0x7F800001U}) {
        double value = 99;
        EXPECT_FALSE(Ieee754FloatValue(word, value)) << std::hex << word;
        EXPECT_EQ(value, 0.0) << std::hex << word;
    }
}

TEST(Ieee754, AgreesWithTheMachinesOwnConversionOnAMillionWords) {
    std::mt19937 random(1750U);
    for (int i = 0; i < 1000000; ++i) {
        const std::uint32_t word = random();
        double value = 99;
        const bool finite = Ieee754FloatValue(word, value);
        const float machine = std::bit_cast<float>(word);
        if (!std::isfinite(machine)) {
            ASSERT_FALSE(finite) << std::hex << word;
            ASSERT_EQ(value, 0.0) << std::hex << word;
            continue;
        }
        ASSERT_TRUE(finite) << std::hex << word;
        // Compare the bits, so that -0.0 and +0.0 count as different.
        ASSERT_EQ(std::bit_cast<std::uint64_t>(value),
                  std::bit_cast<std::uint64_t>(static_cast<double>(machine)))
            << std::hex << word;
    }
}

class MilStd1750Test : public ::testing::TestWithParam<WordCase> {};

TEST_P(MilStd1750Test, DecodesFractionTimesPowerOfTwo) {
    EXPECT_EQ(MilStd1750Value(GetParam().word), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Words, MilStd1750Test,
    ::testing::Values(WordCase{0x40000000, 0.5}, WordCase{0x40000001, 1.0},
                      WordCase{0x50000004, 10.0}, WordCase{0x80000000, -1.0},
                      WordCase{0xC0000000, -0.5}, WordCase{0x400000FF, 0.25},
                      // the largest value, (1 - 2^-23) x 2^127
                      WordCase{0x7FFFFF7F, std::ldexp(1.0 - std::ldexp(1.0, -23), 127)},
                      // the most negative exponent, and an unnormalised fraction
                      WordCase{0x40000080, std::ldexp(1.0, -129)}, WordCase{0x20000001, 0.5},
                      // a zero fraction is 0 whatever the exponent
                      WordCase{0x0000007F, 0.0}, WordCase{0x00000080, 0.0}));

TEST(MilStd1750, MatchesScalingTheSignedFractionOnRandomWords) {
    std::mt19937 random(1750U);
    for (int i = 0; i < 100000; ++i) {
        const std::uint32_t word = random();
        const std::int32_t fraction = std::bit_cast<std::int32_t>(word & 0xFFFFFF00U) / 256;
        const int exponent = static_cast<int>(word & 0xFFU) - ((word & 0x80U) != 0 ? 256 : 0);
        ASSERT_EQ(MilStd1750Value(word), std::ldexp(fraction, exponent - 23)) << std::hex << word;
    }
}

class DecFloatTest : public ::testing::TestWithParam<WordCase> {};

TEST_P(DecFloatTest, DecodesWithTheHiddenHalf) {
    EXPECT_EQ(DecFloatValue(GetParam().word), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Words, DecFloatTest,
                         ::testing::Values(WordCase{0x40800000, 1.0}, WordCase{0x40000000, 0.5},
                                           WordCase{0xC0000000, -0.5}, WordCase{0x41200000, 2.5},
                                           // exponent field 0 is no special case
                                           WordCase{0x00000000, std::ldexp(1.0, -129)},
                                           WordCase{0x80000000, -std::ldexp(1.0, -129)},
                                           WordCase{0x7FFFFFFF,
                                                    std::ldexp(1.0 - std::ldexp(1.0, -24), 127)}));

TEST(DecFloat, IsAQuarterOfTheIeeeReadingForNormalWords) {
    // Same field layout, but excess 128 with a hidden half against excess 127 with a hidden 1.
    std::mt19937 random(11U);
    for (int i = 0; i < 100000; ++i) {
        const std::uint32_t word = random();
        const std::uint32_t exponent = (word >> 23) & 0xFFU;
        if (exponent == 0 || exponent == 0xFF) {
            continue;
        }
        double ieee = 0;
        ASSERT_TRUE(Ieee754FloatValue(word, ieee));
        ASSERT_EQ(DecFloatValue(word), ieee / 4) << std::hex << word;
    }
}

TEST(FloatDecoders, NeverYieldTheErrorValue) {
    for (std::uint32_t word : {0x7FFFFF7FU, 0x800000FFU, 0xFFFFFFFFU, 0x7FFFFFFFU, 0x00000080U}) {
        EXPECT_NE(std::abs(MilStd1750Value(word)), MATH_ERROR_VALUE) << std::hex << word;
        EXPECT_NE(std::abs(DecFloatValue(word)), MATH_ERROR_VALUE) << std::hex << word;
        EXPECT_TRUE(std::isfinite(MilStd1750Value(word)));
        EXPECT_TRUE(std::isfinite(DecFloatValue(word)));
    }
}

}  // namespace
}  // namespace quorvel
