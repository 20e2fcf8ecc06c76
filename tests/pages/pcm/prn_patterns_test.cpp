#include "pages/pcm/prn_patterns.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quorvel {
namespace {

TEST(PrnPatterns, EightPatternsInMenuOrderNamedByTheirRegisterLength) {
    ASSERT_EQ(kPrnPatterns.size(), 8u);
    const int lengths[] = {11, 15, 17, 19, 21, 23, 25, 27};
    for (int i = 0; i < kPrnPatternCount; ++i) {
        EXPECT_EQ(kPrnPatterns[i].registerLength, lengths[i]);
        EXPECT_EQ(PrnPatternName(i), "2 ^ " + std::to_string(lengths[i]));
    }
}

TEST(PrnPatterns, AnIndexOutsideTheTableHasNoName) {
    EXPECT_EQ(PrnPatternName(-1), "");
    EXPECT_EQ(PrnPatternName(8), "");
}

TEST(PrnRepetition, IsTheBitRateOverThePatternLength) {
    EXPECT_DOUBLE_EQ(PrnRepetitionRate(1024000, 0), 1024000.0 / 2047);
    EXPECT_DOUBLE_EQ(PrnRepetitionRate(1024000, 7), 1024000.0 / 134217727);
    EXPECT_DOUBLE_EQ(PrnRepetitionRate(1000000, 4), 1000000.0 / 2097151);
    EXPECT_EQ(PrnRepetitionRate(32767, 1), 1.0);
}

TEST(PrnRepetition, AnIndexOutsideTheTableGivesZero) {
    EXPECT_EQ(PrnRepetitionRate(1024000, -1), 0.0);
    EXPECT_EQ(PrnRepetitionRate(1024000, 8), 0.0);
}

struct RateTextCase {
    double rate;
    int decimals;
    const char* text;
};

class RepetitionRateTextTest : public ::testing::TestWithParam<RateTextCase> {};

TEST_P(RepetitionRateTextTest, ShowsMoreDecimalsForSlowerRates) {
    const RateTextCase& c = GetParam();
    EXPECT_EQ(RepetitionRateDecimals(c.rate), c.decimals);
    EXPECT_EQ(RepetitionRateText(c.rate), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, RepetitionRateTextTest,
    ::testing::Values(RateTextCase{1024000.0 / 2047, 0, "500"},
                      RateTextCase{1024000.0 / 134217727, 2, "0.01"},  // "2 ^ 27"
                      RateTextCase{1000000.0 / 2097151, 1, "0.5"},     // "2 ^ 21"
                      RateTextCase{1.0, 0, "1"}, RateTextCase{0.1, 1, "0.1"},
                      RateTextCase{0.099, 2, "0.10"}, RateTextCase{0.0, 2, "0.00"},
                      RateTextCase{NAN, 2, "NAN"}));

}  // namespace
}  // namespace quorvel
