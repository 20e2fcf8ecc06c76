#include "pages/number/integer_encodings.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cstdint>
#include <random>
#include <vector>

namespace quorvel {
namespace {

// A few thousand words: every corner (0, 1, the powers of two and their neighbours, all ones)
// and random words from a fixed seed.
std::vector<std::uint32_t> SampleWords() {
    std::vector<std::uint32_t> words{0U, 1U, 0xFFFFFFFFU, 0x7FFFFFFFU, 0x80000000U};
    for (int b = 0; b < 32; ++b) {
        const std::uint32_t p = 1U << b;
        words.insert(words.end(), {p, p - 1, p + 1, ~p});
    }
    std::mt19937 random(20240607U);
    for (int i = 0; i < 4000; ++i) {
        words.push_back(random());
    }
    return words;
}

TEST(BitMask, HoldsTheLowBitMasksAndClampsTheWidth) {
    EXPECT_EQ(BitMask(0), 0U);
    EXPECT_EQ(BitMask(1), 1U);
    EXPECT_EQ(BitMask(8), 0xFFU);
    EXPECT_EQ(BitMask(31), 0x7FFFFFFFU);
    EXPECT_EQ(BitMask(32), 0xFFFFFFFFU);
    EXPECT_EQ(BitMask(-1), 0U);
    EXPECT_EQ(BitMask(INT_MIN), 0U);
    EXPECT_EQ(BitMask(33), 0xFFFFFFFFU);
    EXPECT_EQ(BitMask(INT_MAX), 0xFFFFFFFFU);
}

TEST(SingleBits, TestAndFlipOnlyBitsOfTheWord) {
    EXPECT_TRUE(BitIsSet(0x80000000U, 31));
    EXPECT_FALSE(BitIsSet(0x7FFFFFFFU, 31));
    EXPECT_TRUE(BitIsSet(1U, 0));
    EXPECT_EQ(FlipBit(0U, 31), 0x80000000U);
    EXPECT_EQ(FlipBit(0xFFU, 3), 0xF7U);
    // An index outside the word names no bit: never set, nothing to flip.
    for (int b : {-1, 32, 33, INT_MIN, INT_MAX}) {
        EXPECT_FALSE(BitIsSet(0xFFFFFFFFU, b)) << b;
        EXPECT_EQ(FlipBit(0x12345678U, b), 0x12345678U) << b;
    }
}

TEST(BitCounts, CornerValues) {
    EXPECT_EQ(BitsRequired(0U), 0);
    EXPECT_EQ(BitsRequired(1U), 1);
    EXPECT_EQ(BitsRequired(255U), 8);
    EXPECT_EQ(BitsRequired(256U), 9);
    EXPECT_EQ(BitsRequired(0x80000000U), 32);
    EXPECT_EQ(BitsRequired(0xFFFFFFFFU), 32);
    EXPECT_EQ(NumBitsSet(0U), 0);
    EXPECT_EQ(NumBitsSet(0xFFFFFFFFU), 32);
    EXPECT_EQ(NumBitsSet(0x80000001U), 2);
}

TEST(BitCounts, AgreeWithTheLibraryOnEverySample) {
    for (std::uint32_t v : SampleWords()) {
        ASSERT_EQ(NumBitsSet(v), std::popcount(v)) << std::hex << v;
        std::uint32_t shifted = v;
        int shifts = 0;
        while (shifted != 0) {
            shifted >>= 1;
            ++shifts;
        }
        ASSERT_EQ(BitsRequired(v), shifts) << std::hex << v;
    }
}

TEST(ReverseBits, WholeWord) {
    EXPECT_EQ(ReverseBits(1U, 32), 0x80000000U);
    EXPECT_EQ(ReverseBits(0x12U, 32), 0x48000000U);
    EXPECT_EQ(ReverseBits(0x80000000U, 32), 1U);
    EXPECT_EQ(ReverseBits(0xDEADBEEFU, 0), 0U);
    EXPECT_EQ(ReverseBits(0x12U, 8), 0x48U);
}

// The reversal as a shift register: count steps of "result = 2 x result + low bit of v".
std::uint32_t ShiftRegisterReverse(std::uint32_t v, std::uint32_t count) {
    std::uint32_t result = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        result = 2 * result + (v & 1U);
        v >>= 1;
    }
    return result;
}

TEST(ReverseBits, MatchesTheShiftRegisterForEveryCount) {
    std::mt19937 random(7U);
    for (int i = 0; i < 200; ++i) {
        const std::uint32_t v = random();
        for (std::uint32_t count = 0; count <= 70; ++count) {
            ASSERT_EQ(ReverseBits(v, count), ShiftRegisterReverse(v, count))
                << std::hex << v << std::dec << " count " << count;
        }
    }
    EXPECT_EQ(ReverseBits(0xFFFFFFFFU, 0xFFFFFFFFU), 0U);
}

struct EncodingCase {
    std::uint32_t value;
    int n;
    std::uint32_t twos;
    std::uint32_t offset;
    std::uint32_t ones;
    std::uint32_t signMagnitude;
};

class EncodingTest : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(EncodingTest, GivesThePatternOfEachEncoding) {
    const EncodingCase& c = GetParam();
    EXPECT_EQ(TwosComplement(c.value, c.n), c.twos);
    EXPECT_EQ(OffsetBinary(c.value, c.n), c.offset);
    EXPECT_EQ(OnesComplement(c.value, c.n), c.ones);
    EXPECT_EQ(SignMagnitude(c.value, c.n), c.signMagnitude);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, EncodingTest,
    ::testing::Values(EncodingCase{0x00, 8, 0x00, 0x80, 0x00, 0x00},
                      EncodingCase{0x05, 8, 0x05, 0x85, 0x05, 0x05},
                      EncodingCase{0x7F, 8, 0x7F, 0xFF, 0x7F, 0x7F},
                      EncodingCase{0xFF, 8, 0xFF, 0x7F, 0xFE, 0x81},  // -1
                      EncodingCase{0x81, 8, 0x81, 0x01, 0x80, 0xFF},  // -127
                      // -128: ones' complement wraps, sign magnitude saturates to -127
                      EncodingCase{0x80, 8, 0x80, 0x00, 0x7F, 0xFF}));

INSTANTIATE_TEST_SUITE_P(
    FullWord, EncodingTest,
    ::testing::Values(EncodingCase{0xFFFFFFFF, 32, 0xFFFFFFFF, 0x7FFFFFFF, 0xFFFFFFFE, 0x80000001},
                      EncodingCase{0x80000000, 32, 0x80000000, 0, 0x7FFFFFFF, 0xFFFFFFFF},
                      EncodingCase{0x7FFFFFFF, 32, 0x7FFFFFFF, 0xFFFFFFFF, 0x7FFFFFFF,
                                   0x7FFFFFFF}));

// Bits above the field are not part of it: a 16-bit field of 0xABCD8001 is 0x8001 (-32767).
INSTANTIATE_TEST_SUITE_P(WiderThanTheField, EncodingTest,
                         ::testing::Values(EncodingCase{0xABCD8001, 16, 0x8001, 0x0001, 0x8000,
                                                        0xFFFF},
                                           EncodingCase{0x00000105, 8, 0x05, 0x85, 0x05, 0x05},
                                           EncodingCase{0xFFFFFFFE, 4, 0xE, 0x6, 0xD, 0xA},
                                           EncodingCase{0x3, 1, 0x1, 0x0, 0x0, 0x1}));

TEST(SignedValue, ReadsTwosComplementPatterns) {
    EXPECT_EQ(SignedValue(0x80U, 8), -128);
    EXPECT_EQ(SignedValue(0xFFU, 8), -1);
    EXPECT_EQ(SignedValue(0x7FU, 8), 127);
    EXPECT_EQ(SignedValue(0xFFFFFFFFU, 32), -1);
    for (int n = 2; n <= 32; ++n) {
        const std::uint32_t signBit = 1U << (n - 1);
        EXPECT_EQ(SignedValue(signBit, n), -static_cast<std::int64_t>(signBit)) << n;
        EXPECT_EQ(SignedValue(signBit - 1, n), static_cast<std::int64_t>(signBit - 1)) << n;
        EXPECT_EQ(SignedValue(0U, n), 0) << n;
    }
}

TEST(SignedValue, WidthsOutsideTheRangeAreSafe) {
    EXPECT_EQ(SignedValue(0U, 0), 0);
    EXPECT_EQ(SignedValue(5U, 0), -1);
    EXPECT_EQ(SignedValue(1U, 1), -1);
    EXPECT_EQ(SignedValue(5U, INT_MIN), -1);
    EXPECT_EQ(SignedValue(0xFFFFFFFEU, 33), -2);
    EXPECT_EQ(SignedValue(0xFFFFFFFEU, INT_MAX), -2);
}

TEST(Encodings, WidthsOutsideTheRangeActAsTheNearestWidth) {
    for (std::uint32_t v : {0U, 0x80000000U, 0xFFFFFFFFU, 0x12345678U}) {
        for (int n : {INT_MIN, -1, 0}) {
            EXPECT_EQ(TwosComplement(v, n), TwosComplement(v, 1));
            EXPECT_EQ(OffsetBinary(v, n), OffsetBinary(v, 1));
            EXPECT_EQ(OnesComplement(v, n), OnesComplement(v, 1));
            EXPECT_EQ(SignMagnitude(v, n), SignMagnitude(v, 1));
        }
        for (int n : {33, INT_MAX}) {
            EXPECT_EQ(TwosComplement(v, n), TwosComplement(v, 32));
            EXPECT_EQ(OffsetBinary(v, n), OffsetBinary(v, 32));
            EXPECT_EQ(OnesComplement(v, n), OnesComplement(v, 32));
            EXPECT_EQ(SignMagnitude(v, n), SignMagnitude(v, 32));
        }
    }
}

// Decoders written from the textbook definitions, independent of the encoders.
std::int64_t FieldValue(std::uint32_t v, int n) {
    const std::int64_t low = v & ((std::uint64_t{1} << n) - 1);
    return low >= (std::int64_t{1} << (n - 1)) ? low - (std::int64_t{1} << n) : low;
}
std::int64_t DecodeOffsetBinary(std::uint32_t p, int n) {
    return static_cast<std::int64_t>(p) - (std::int64_t{1} << (n - 1));
}
std::int64_t DecodeOnesComplement(std::uint32_t p, int n) {
    const std::uint64_t mask = (std::uint64_t{1} << n) - 1;
    const bool negative = (p >> (n - 1)) & 1U;
    return negative ? -static_cast<std::int64_t>(~std::uint64_t{p} & mask)
                    : static_cast<std::int64_t>(p);
}
std::int64_t DecodeSignMagnitude(std::uint32_t p, int n) {
    const std::uint64_t magnitudeMask = (std::uint64_t{1} << (n - 1)) - 1;
    const bool negative = (p >> (n - 1)) & 1U;
    const auto magnitude = static_cast<std::int64_t>(p & magnitudeMask);
    return negative ? -magnitude : magnitude;
}

TEST(Encodings, EveryPatternDecodesToTheFieldValueWhereTheEncodingCanHoldIt) {
    const std::vector<std::uint32_t> words = SampleWords();
    for (int n = 1; n <= 32; ++n) {
        const std::int64_t mostNegative = -(std::int64_t{1} << (n - 1));
        for (std::uint32_t v : words) {
            const std::int64_t s = FieldValue(v, n);
            const std::uint32_t twos = TwosComplement(v, n);
            const std::uint32_t offset = OffsetBinary(v, n);
            const std::uint32_t ones = OnesComplement(v, n);
            const std::uint32_t signMagnitude = SignMagnitude(v, n);
            SCOPED_TRACE(::testing::Message() << "N " << n << " v 0x" << std::hex << v);
            ASSERT_LE(twos, BitMask(n));
            ASSERT_LE(offset, BitMask(n));
            ASSERT_LE(ones, BitMask(n));
            ASSERT_LE(signMagnitude, BitMask(n));
            ASSERT_EQ(SignedValue(twos, n), s);
            ASSERT_EQ(DecodeOffsetBinary(offset, n), s);
            if (s != mostNegative) {
                ASSERT_EQ(DecodeOnesComplement(ones, n), s);
                ASSERT_EQ(DecodeSignMagnitude(signMagnitude, n), s);
            } else {
                ASSERT_EQ(ones, BitMask(n - 1));       // wraps to the largest positive
                ASSERT_EQ(signMagnitude, BitMask(n));  // saturates at -(2^(N-1) - 1)
            }
        }
    }
}

}  // namespace
}  // namespace quorvel
