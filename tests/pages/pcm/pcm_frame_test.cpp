#include "pages/pcm/pcm_frame.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace quorvel {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr bool kLeads = false;
constexpr bool kTrails = true;

struct RangeCase {
    std::int32_t nfsp;
    bool trails;
    std::int32_t wpf;
    std::int32_t first;
    std::int32_t last;
    bool holdsDataWord;
};

class DataWordRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(DataWordRangeTest, GivesTheDataWordsBesideTheSyncWords) {
    const RangeCase& c = GetParam();
    const DataWordSpan span = DataWordRange(c.nfsp, c.trails, c.wpf);
    EXPECT_EQ(span.first, c.first);
    EXPECT_EQ(span.last, c.last);
    EXPECT_EQ(span.holdsDataWord, c.holdsDataWord);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, DataWordRangeTest,
    ::testing::Values(
        RangeCase{3, kLeads, 128, 3, 127, true}, RangeCase{3, kTrails, 128, 0, 124, true},
        // one data word left
        RangeCase{3, kLeads, 4, 3, 3, true}, RangeCase{3, kTrails, 4, 0, 0, true},
        // the sync words fill or overfill the frame: no data word
        RangeCase{3, kLeads, 3, 3, 2, false}, RangeCase{3, kLeads, 2, 3, 1, false},
        RangeCase{3, kTrails, 2, 0, -2, false}, RangeCase{16, kTrails, 0, 0, -17, false},
        // beyond the 32-bit range the ends saturate, the flag stays exact
        RangeCase{kMin, kTrails, kMax, 0, kMax, true}, RangeCase{3, kLeads, kMin, 3, kMin, false},
        RangeCase{kMax, kTrails, kMin, 0, kMin, false},
        RangeCase{kMin, kLeads, kMin, kMin, kMin, false}));

struct ClampCase {
    std::int32_t index;
    std::int32_t nfsp;
    bool trails;
    std::int32_t wpf;
    std::int32_t clamped;
};

class ClampDataWordIndexTest : public ::testing::TestWithParam<ClampCase> {};

TEST_P(ClampDataWordIndexTest, MovesAnIndexOutOfTheSyncWords) {
    const ClampCase& c = GetParam();
    std::int32_t index = c.index;
    ClampDataWordIndex(index, c.nfsp, c.trails, c.wpf);
    EXPECT_EQ(index, c.clamped);
}

INSTANTIATE_TEST_SUITE_P(Indices, ClampDataWordIndexTest,
                         ::testing::Values(
                             // leads: raised to the first data word; no upper bound
                             ClampCase{2, 3, kLeads, 128, 3}, ClampCase{-5, 3, kLeads, 128, 3},
                             ClampCase{3, 3, kLeads, 128, 3}, ClampCase{200, 3, kLeads, 128, 200},
                             // trails: a sync word goes to word 0, not to the last data word
                             ClampCase{124, 3, kTrails, 128, 124},
                             ClampCase{125, 3, kTrails, 128, 0}, ClampCase{127, 3, kTrails, 128, 0},
                             ClampCase{-5, 3, kTrails, 128, -5},
                             // no data words
                             ClampCase{1, 3, kLeads, 2, 0}, ClampCase{1, 3, kTrails, 3, 0},
                             ClampCase{kMax, 3, kLeads, kMin, 0},
                             // wpf - nfsp beyond 32 bits
                             ClampCase{kMax, kMin, kTrails, kMax, kMax},
                             ClampCase{kMin, kMax, kLeads, kMin, 0}));

struct LastUpdateCase {
    std::int32_t start;
    std::int32_t interval;
    std::int32_t nfsp;
    std::int32_t wpf;
    bool trails;
    std::int32_t stop;
};

class LastUpdateWordTest : public ::testing::TestWithParam<LastUpdateCase> {};

TEST_P(LastUpdateWordTest, GivesTheLastSampleBeforeTheEndOfTheDataWords) {
    const LastUpdateCase& c = GetParam();
    EXPECT_EQ(LastUpdateWord(c.start, c.interval, c.nfsp, c.wpf, c.trails), c.stop);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, LastUpdateWordTest,
    ::testing::Values(
        LastUpdateCase{3, 5, 3, 128, kLeads, 123}, LastUpdateCase{0, 5, 3, 128, kTrails, 120},
        LastUpdateCase{3, 5, 3, 128, kTrails, 123}, LastUpdateCase{3, 1, 3, 128, kLeads, 127},
        LastUpdateCase{3, 124, 3, 128, kLeads, 127}, LastUpdateCase{3, 125, 3, 128, kLeads, 3},
        LastUpdateCase{40, 0, 3, 128, kLeads, 40},
        // a start beyond the data words is its own stop
        LastUpdateCase{126, 5, 3, 128, kTrails, 126}, LastUpdateCase{500, 5, 3, 128, kLeads, 500},
        // a negative interval is one sample, not an endless walk
        LastUpdateCase{3, -5, 3, 128, kLeads, 3}, LastUpdateCase{3, kMin, 3, 128, kTrails, 3},
        // start + m x interval beyond the 32-bit range
        LastUpdateCase{0, kMax, kMin, kMax, kTrails, kMax},
        LastUpdateCase{kMax - 10, kMax, kMin, kMax, kTrails, kMax - 10},
        LastUpdateCase{kMin, kMax, kMin, kMax, kTrails, kMax - 1},
        LastUpdateCase{kMin, 7, 3, kMin, kLeads, kMin}));

struct UpdatesCase {
    std::int32_t start;
    std::int32_t stop;
    std::int32_t interval;
    std::int32_t wpf;
    bool trails;
    std::int32_t nfsp;
    std::int32_t updates;
};

class UpdatesPerMinorFrameTest : public ::testing::TestWithParam<UpdatesCase> {};

TEST_P(UpdatesPerMinorFrameTest, CountsTheSamplesUpToStop) {
    const UpdatesCase& c = GetParam();
    EXPECT_EQ(UpdatesPerMinorFrame(c.start, c.stop, c.interval, c.wpf, c.trails, c.nfsp),
              c.updates);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, UpdatesPerMinorFrameTest,
    ::testing::Values(
        UpdatesCase{3, 123, 5, 128, kLeads, 3, 25}, UpdatesCase{0, 120, 5, 128, kTrails, 3, 25},
        UpdatesCase{3, 122, 5, 128, kLeads, 3, 24}, UpdatesCase{3, 3, 0, 128, kLeads, 3, 1},
        UpdatesCase{3, 3, 7, 128, kLeads, 3, 1}, UpdatesCase{3, 127, 0, 128, kLeads, 3, 1},
        UpdatesCase{10, 9, 1, 128, kLeads, 3, 0},
        // a stop beyond the data words counts only up to the last one
        UpdatesCase{0, 127, 1, 128, kTrails, 3, 125}, UpdatesCase{3, 500, 5, 128, kLeads, 3, 25},
        UpdatesCase{126, 127, 1, 128, kTrails, 3, 0},
        // no data word in the frame: nothing is sampled
        UpdatesCase{0, 0, 0, 2, kLeads, 3, 0}, UpdatesCase{0, 0, 0, 3, kTrails, 3, 0},
        UpdatesCase{0, 0, 0, 2, kTrails, 2, 0},
        // a negative interval is one sample
        UpdatesCase{3, 123, -5, 128, kLeads, 3, 1},
        // beyond the 32-bit range the count saturates
        UpdatesCase{kMin, kMax, 1, kMax, kTrails, kMin, kMax},
        UpdatesCase{kMin, kMax, kMax, kMax, kTrails, kMin, 3}));

TEST(FrameRates, WordRateDropsTheRemainderBeforeTurningReal) {
    EXPECT_EQ(WordRateHz(1024000, 16), 64000.0);
    EXPECT_EQ(WordRateHz(1000, 3), 333.0);
    EXPECT_EQ(WordRateHz(10, 16), 0.0);
    EXPECT_EQ(WordRateHz(-1000, 3), -333.0);
}

TEST(FrameRates, MinorAndMajorFrameRatesAreReal) {
    EXPECT_EQ(MinorFrameRateHz(64000, 128), 500.0);
    EXPECT_EQ(MajorFrameRateHz(500, 16), 31.25);
    EXPECT_DOUBLE_EQ(MinorFrameRateHz(333, 130), 333.0 / 130);
}

TEST(FrameRates, ZeroDivisorsGiveZeroAndTheLimitsDoNotOverflow) {
    EXPECT_EQ(WordRateHz(1024000, 0), 0.0);
    EXPECT_EQ(WordRateHz(kMin, -1), 2147483648.0);
    EXPECT_EQ(MinorFrameRateHz(64000, 0), 0.0);
    EXPECT_EQ(MajorFrameRateHz(500, 0), 0.0);
}

TEST(FrameRates, DataWordsAreTheWordsBesideTheSyncWords) {
    EXPECT_EQ(NumDataWords(128, 3), 125);
    EXPECT_EQ(NumDataWords(2, 3), -1);
    EXPECT_EQ(NumDataWords(kMin, kMax), kMin);
    EXPECT_EQ(NumDataWords(kMax, -1), kMax);
}

}  // namespace
}  // namespace quorvel
