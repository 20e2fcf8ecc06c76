#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/number_text.h"

namespace quorvel {
namespace {

TEST(HexText, PadsToTheWidthInUpperCase) {
    EXPECT_EQ(HexText(255, 8, true), "0x000000FF");
    EXPECT_EQ(HexText(0xFFFFFFFFu, 8, false), "FFFFFFFF");
    EXPECT_EQ(HexText(0xABCu, 3, false), "ABC");
    EXPECT_EQ(HexText(0u, 4, true), "0x0000");
}

TEST(HexText, KeepsTheMostSignificantDigitsOfAWiderValue) {
    EXPECT_EQ(HexText(0x1234u, 2, false), "12");
    EXPECT_EQ(HexText(0xDEADBEEFu, 1, true), "0xD");
}

TEST(HexText, WidthOfZeroOrLessGivesOnlyThePrefix) {
    EXPECT_EQ(HexText(0x1234u, 0, false), "");
    EXPECT_EQ(HexText(0x1234u, -3, true), "0x");
}

TEST(HexText, WiderThanTheValue) {
    EXPECT_EQ(HexText(1u, 12, false), "000000000001");
}

TEST(OctalText, UsesTheOPrefix) {
    EXPECT_EQ(OctalText(8, 4, true), "o0010");
    EXPECT_EQ(OctalText(0xFFFFFFFFu, 11, false), "37777777777");
    EXPECT_EQ(OctalText(0xFFFFFFFFu, 3, false), "377");
    EXPECT_EQ(OctalText(0u, 1, false), "0");
}

struct BinaryCase {
    std::uint32_t value;
    int bits;
    const char* text;
};

class BinaryTextTable : public ::testing::TestWithParam<BinaryCase> {};

TEST_P(BinaryTextTable, GivesTheBits) {
    const BinaryCase& c = GetParam();
    EXPECT_EQ(BinaryText(c.value, c.bits), c.text) << c.value << " in " << c.bits << " bits";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BinaryTextTable,
    ::testing::Values(BinaryCase{5, 10, "0000000101"}, BinaryCase{0x3FF, 10, "1111111111"},
                      BinaryCase{0, 5, "00000"}, BinaryCase{5, 5, "00101"},
                      BinaryCase{0xA5, 8, "10100101"},
                      BinaryCase{0xFFFFFFFFu, 32, "11111111111111111111111111111111"},
                      BinaryCase{1, 1, "1"}, BinaryCase{0, 0, ""}, BinaryCase{7, -4, ""},
                      BinaryCase{1, 36, "000000000000000000000000000000000001"},
                      // A wider value is first cut to its most significant hex digits.
                      BinaryCase{0x1F, 4, "0001"}, BinaryCase{0x7FF, 10, "1111111111"},
                      BinaryCase{0x200, 10, "1000000000"}, BinaryCase{0x400, 10, "1000000000"}));

TEST(NibbleText, MapsUpperCaseHexDigits) {
    const std::string digits = "0123456789ABCDEF";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        std::string expected;
        for (int bit = 3; bit >= 0; --bit) {
            expected += ((i >> bit) & 1) != 0 ? '1' : '0';
        }
        EXPECT_EQ(NibbleText(digits[i]), expected) << digits[i];
    }
    EXPECT_EQ(NibbleText('a'), "0000");
    EXPECT_EQ(NibbleText('G'), "0000");
    EXPECT_EQ(NibbleText('\0'), "0000");
}

TEST(TextHelpers, YesNo) {
    EXPECT_EQ(YesNoText(true), "YES");
    EXPECT_EQ(YesNoText(false), "NO");
}

TEST(TextHelpers, PadOrCut) {
    EXPECT_EQ(PadOrCut(5, '0', "12"), "00012");
    EXPECT_EQ(PadOrCut(2, '0', "12345"), "12");
    EXPECT_EQ(PadOrCut(3, ' ', "abc"), "abc");
    EXPECT_EQ(PadOrCut(0, '0', "abc"), "");
    EXPECT_EQ(PadOrCut(-1, '0', "abc"), "");
    EXPECT_EQ(PadOrCut(2, '*', ""), "**");
}

TEST(TextHelpers, RemoveAndStrip) {
    EXPECT_EQ(RemoveChar(" 1 2 3 ", ' '), "123");
    EXPECT_EQ(RemoveChar("", ' '), "");
    EXPECT_EQ(StripLeading('0', "000120"), "120");
    EXPECT_EQ(StripLeading('0', "000"), "");
    EXPECT_EQ(StripLeading(' ', ""), "");
    EXPECT_EQ(StripLeading(' ', "a  "), "a  ");
}

TEST(TextHelpers, BeforeAndAfterTheFirstSeparator) {
    EXPECT_EQ(TextBefore("12 30 45", " "), "12");
    EXPECT_EQ(TextAfter("12 30 45", " "), "30 45");
    EXPECT_EQ(TextBefore("key=value=x", "="), "key");
    EXPECT_EQ(TextAfter("key=value=x", "="), "value=x");
    EXPECT_EQ(TextAfter("a::b", "::"), "b");
    EXPECT_EQ(TextBefore("none", " "), "");
    EXPECT_EQ(TextAfter("none", " "), "");
    EXPECT_EQ(TextBefore(" x", " "), "");
    EXPECT_EQ(TextAfter("x ", " "), "");
    EXPECT_EQ(TextBefore("abc", ""), "");
    EXPECT_EQ(TextAfter("abc", ""), "");
}

}  // namespace
}  // namespace quorvel
