#include "pages/datetime/three_part_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace quorvel {
namespace {

struct SplitCase {
    const char* text;
    const char* separators;
    bool read;
    const char* first;
    const char* second;
    const char* third;
};

class SplitThreePartsTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitThreePartsTest, Splits) {
    const SplitCase& c = GetParam();
    const std::optional<ThreeParts> parts = SplitThreeParts(c.text, c.separators);
    ASSERT_EQ(parts.has_value(), c.read) << c.text;
    if (parts) {
        EXPECT_EQ(parts->first, c.first) << c.text;
        EXPECT_EQ(parts->second, c.second) << c.text;
        EXPECT_EQ(parts->third, c.third) << c.text;
    }
}

constexpr const char* kTime = "-./:_";
constexpr const char* kDate = "-./_";

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitThreePartsTest,
    ::testing::Values(
        SplitCase{"12:34:56", kTime, true, "12", "34", "56"},
        SplitCase{" 12:34:56", kTime, true, "12", "34", "56"},
        SplitCase{"01:2:3", kTime, true, "01", "2", "3"},
        // Five characters or fewer are too few, counted after dropping what is neither a
        // digit nor a separator.
        SplitCase{"1:2:3", kTime, false, "", "", ""},
        SplitCase{" 1 : 2 : 3 ", kTime, false, "", "", ""}, SplitCase{"", kTime, false, "", "", ""},
        // The third part takes every digit up to the next separator.
        SplitCase{"12:34:567", kTime, true, "12", "34", "567"},
        SplitCase{"12:34:56:78", kTime, true, "12", "34", "56"},
        // The first two parts hold two digits at most, and the character after them goes.
        SplitCase{"123456", kTime, true, "12", "45", ""},
        SplitCase{"12345678", kTime, true, "12", "45", "78"},
        SplitCase{"12::3456", kTime, true, "12", "", "3456"},
        SplitCase{":12:34:56", kTime, true, "", "12", "34"},
        SplitCase{"2/3/06", kDate, true, "2", "3", "06"},
        // A colon is no separator of a date, and letters are dropped before splitting.
        SplitCase{"12:31:2006", kDate, true, "12", "12", "06"},
        SplitCase{"a2/b3/c2006", kDate, true, "2", "3", "2006"}));

TEST(PartValueTest, ReadsDigitsAndLeavesAnEmptyPartUnread) {
    EXPECT_EQ(PartValue("0567"), 567);
    EXPECT_EQ(PartValue("0"), 0);
    EXPECT_EQ(PartValue(""), std::nullopt);
    EXPECT_EQ(PartValue("99999999999999999999"), INT_MAX);
}

}  // namespace
}  // namespace quorvel
