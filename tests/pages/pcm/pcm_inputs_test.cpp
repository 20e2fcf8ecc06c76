#include "pages/pcm/pcm_inputs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>

#include "common/number_text.h"
#include "pages/pcm/prn_patterns.h"

namespace quorvel {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

bool SameInputs(const PcmInputs& a, const PcmInputs& b) {
    return a.bitRate == b.bitRate && a.bitsPerWord == b.bitsPerWord &&
           a.wordsPerFrame == b.wordsPerFrame &&
           a.minorFramesPerMajorFrame == b.minorFramesPerMajorFrame && a.fspWords == b.fspWords &&
           a.fspTrails == b.fspTrails && a.wordStart == b.wordStart && a.wordStop == b.wordStop &&
           a.wordInterval == b.wordInterval && a.prnPattern == b.prnPattern;
}

PcmInputs Frame(std::int32_t wpf, std::int32_t nfsp, bool trails, std::int32_t start,
                std::int32_t stop, std::int32_t interval) {
    PcmInputs in;
    in.wordsPerFrame = wpf;
    in.fspWords = nfsp;
    in.fspTrails = trails;
    in.wordStart = start;
    in.wordStop = stop;
    in.wordInterval = interval;
    return in;
}

TEST(PcmDefaults, ShowTheFrameTimingTheEngineerExpects) {
    const FrameRates rates = ComputeFrameRates(PcmInputs{});
    EXPECT_EQ(FormatNumber(12, 2, rates.wordRateHz), "64000.00");
    EXPECT_EQ(FormatNumber(12, 2, rates.minorFrameRateHz), "500.00");
    EXPECT_EQ(FormatNumber(12, 2, rates.majorFrameRateHz), "31.25");
    EXPECT_EQ(rates.numDataWords, 125);
    EXPECT_EQ(RepetitionRateText(PrnRepetitionRate(PcmInputs{}.bitRate, 0)), "500");
}

TEST(PcmDefaults, DataWordInTheSyncWordsMovesToWordFour) {
    const NormalisedDataWord n = NormaliseDataWord(PcmInputs{});
    EXPECT_EQ(n.inputs.wordStart + 1, 4);
    EXPECT_EQ(n.inputs.wordStop + 1, 4);
    EXPECT_EQ(n.inputs.wordInterval, 0);
    EXPECT_EQ(n.updatesPerMinorFrame, 1);
    EXPECT_EQ(n.updatesPerMajorFrame, 16);
}

TEST(PcmDataWord, LeadsToTrailsKeepsTheSamplingGrid) {
    // State: leads, start 3 every 5 words, stop where the page puts it.
    PcmInputs in = Frame(128, 3, false, 3, 0, 5);
    in.wordStop = LastUpdateWord(in);
    EXPECT_EQ(in.wordStop, 123);
    EXPECT_EQ(NormaliseDataWord(in).updatesPerMinorFrame, 25);
    // Action: the sync words move to the end of the frame.
    in.fspTrails = true;
    in.wordStop = LastUpdateWord(in);
    // Expected: the last data word is now 124, but 123 is still the last sample.
    EXPECT_EQ(in.wordStop, 123);
    const NormalisedDataWord n = NormaliseDataWord(in);
    EXPECT_EQ(n.inputs.wordStop, 123);
    EXPECT_EQ(n.inputs.wordInterval, 5);
    EXPECT_EQ(n.updatesPerMinorFrame, 25);
    EXPECT_EQ(n.updatesPerMajorFrame, 400);
}

TEST(PcmDataWord, TrailsFromWordZero) {
    PcmInputs in = Frame(128, 3, true, 0, 0, 5);
    in.wordStop = LastUpdateWord(in);
    EXPECT_EQ(in.wordStop, 120);
    EXPECT_EQ(NormaliseDataWord(in).updatesPerMinorFrame, 25);
}

TEST(PcmDataWord, StopInTrailingSyncWordsFallsBackToStart) {
    const NormalisedDataWord n = NormaliseDataWord(Frame(128, 3, true, 10, 125, 5));
    EXPECT_EQ(n.inputs.wordStart, 10);
    EXPECT_EQ(n.inputs.wordStop, 10);
    EXPECT_EQ(n.inputs.wordInterval, 0);
    EXPECT_EQ(n.updatesPerMinorFrame, 1);
}

TEST(PcmDataWord, IntervalReachingTheEndOfTheDataWordsBecomesZero) {
    EXPECT_EQ(NormaliseDataWord(Frame(128, 3, false, 120, 127, 8)).inputs.wordInterval, 0);
    EXPECT_EQ(NormaliseDataWord(Frame(128, 3, false, 120, 127, 7)).inputs.wordInterval, 7);
    EXPECT_EQ(NormaliseDataWord(Frame(128, 3, true, 120, 124, 5)).inputs.wordInterval, 0);
    EXPECT_EQ(NormaliseDataWord(Frame(128, 3, true, 120, 124, 4)).inputs.wordInterval, 4);
}

TEST(PcmDataWord, SyncWordsFillingTheFrameLeaveNothingToSample) {
    const PcmInputs in = Frame(2, 3, false, 1, 1, 0);
    const NormalisedDataWord n = NormaliseDataWord(in);
    EXPECT_EQ(n.inputs.wordStart, 0);
    EXPECT_EQ(n.inputs.wordStop, 0);
    EXPECT_EQ(n.updatesPerMinorFrame, 0);
    EXPECT_EQ(n.updatesPerMajorFrame, 0);
    EXPECT_EQ(ComputeFrameRates(in).numDataWords, -1);
}

TEST(PcmDataWord, StoredNegativeIntervalEndsAsOneSample) {
    PcmInputs in = Frame(128, 3, false, 3, 123, -5);
    EXPECT_EQ(LastUpdateWord(in), 3);
    const NormalisedDataWord n = NormaliseDataWord(in);
    EXPECT_EQ(n.inputs.wordInterval, 0);
    EXPECT_EQ(n.updatesPerMinorFrame, 1);
}

TEST(PcmDataWord, UpdatesPerMajorFrameSaturate) {
    PcmInputs in = Frame(128, 3, false, 3, 123, 5);
    in.minorFramesPerMajorFrame = kMax;
    EXPECT_EQ(NormaliseDataWord(in).updatesPerMajorFrame, kMax);
    in.minorFramesPerMajorFrame = kMin;
    EXPECT_EQ(NormaliseDataWord(in).updatesPerMajorFrame, kMin);
}

TEST(PcmDataWord, NormalisingTwiceChangesNothing) {
    const PcmInputs cases[] = {PcmInputs{},
                               Frame(128, 3, true, 126, 127, 5),
                               Frame(128, 3, false, 500, 2, 9),
                               Frame(2, 3, true, 5, -7, kMin),
                               Frame(kMax, kMin, true, kMin, kMax, kMax),
                               Frame(kMin, kMax, false, kMax, kMin, kMax)};
    for (const PcmInputs& in : cases) {
        const NormalisedDataWord once = NormaliseDataWord(in);
        const NormalisedDataWord twice = NormaliseDataWord(once.inputs);
        EXPECT_TRUE(SameInputs(once.inputs, twice.inputs));
        EXPECT_EQ(once.updatesPerMinorFrame, twice.updatesPerMinorFrame);
    }
}

TEST(PcmPrompts, WordStartOffersTheDataWordsAsWordNumbers) {
    const std::optional<IntPromptBounds> leads = WordStartPromptBounds(PcmInputs{});
    ASSERT_TRUE(leads.has_value());
    EXPECT_EQ(leads->low, 4);
    EXPECT_EQ(leads->high, 128);
    const std::optional<IntPromptBounds> trails =
        WordStartPromptBounds(Frame(128, 3, true, 0, 0, 0));
    ASSERT_TRUE(trails.has_value());
    EXPECT_EQ(trails->low, 1);
    EXPECT_EQ(trails->high, 125);
}

TEST(PcmPrompts, WordStartIsNotOfferedWhenTheSyncWordsFillTheFrame) {
    EXPECT_FALSE(WordStartPromptBounds(Frame(2, 3, false, 0, 0, 0)).has_value());
    EXPECT_FALSE(WordStartPromptBounds(Frame(3, 3, true, 0, 0, 0)).has_value());
    EXPECT_TRUE(WordStartPromptBounds(Frame(4, 3, true, 0, 0, 0)).has_value());
}

TEST(PcmPrompts, WordIntervalNeverOffersANegativeInterval) {
    const IntPromptBounds normal = WordIntervalPromptBounds(PcmInputs{});
    EXPECT_EQ(normal.low, 0);
    EXPECT_EQ(normal.high, 125);
    const IntPromptBounds full = WordIntervalPromptBounds(Frame(2, 3, false, 0, 0, 0));
    EXPECT_EQ(full.low, 0);
    EXPECT_EQ(full.high, 0);
}

TEST(PcmPrompts, WordStopRunsFromStartToTheEndOfTheFrame) {
    const IntPromptBounds stop = WordStopPromptBounds(Frame(128, 3, false, 9, 9, 0));
    EXPECT_EQ(stop.low, 10);
    EXPECT_EQ(stop.high, 128);
    EXPECT_EQ(WordStopPromptBounds(Frame(128, 3, false, kMax, 0, 0)).low, kMax);
}

TEST(PcmStoredInputs, ValuesInsideTheirPromptsStand) {
    PcmInputs in;
    in.bitRate = 10;
    in.bitsPerWord = 1;
    in.wordsPerFrame = 129;  // odd, as only a typed answer is raised to even
    in.minorFramesPerMajorFrame = 8192;
    in.fspWords = 16;
    in.fspTrails = true;
    in.wordStart = 0;
    in.wordStop = 128;
    in.wordInterval = 113;
    in.prnPattern = 7;
    PcmInputs limited = in;
    LimitStoredInputs(limited);
    EXPECT_TRUE(SameInputs(limited, in));
}

struct LimitCase {
    const char* key;
    std::function<void(PcmInputs&)> store;
    std::function<std::int32_t(const PcmInputs&)> read;
    std::int32_t expected;
};

class LimitStoredInputsTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(LimitStoredInputsTest, MovesAValueOutsideItsPromptToTheNearerBound) {
    const LimitCase& c = GetParam();
    PcmInputs in;
    c.store(in);
    LimitStoredInputs(in);
    EXPECT_EQ(c.read(in), c.expected) << c.key;
}

// Each case stores one value into the defaults (128 words, 3 leading sync words, start 2).
#define LIMIT(field, stored, expected)                                                         \
    LimitCase {                                                                                \
#field " = " #stored,                                                                  \
            [](PcmInputs &                                                                     \
               in) { in.field = stored; }, [](const PcmInputs& in)                             \
                                                -> std::int32_t { return in.field; }, expected \
    }

INSTANTIATE_TEST_SUITE_P(
    Keys, LimitStoredInputsTest,
    ::testing::Values(
        LIMIT(bitRate, 9, 10), LIMIT(bitRate, kMax, 30000000), LIMIT(bitRate, kMin, 10),
        LIMIT(bitsPerWord, 0, 1), LIMIT(bitsPerWord, 17, 16), LIMIT(wordsPerFrame, 0, 1),
        LIMIT(wordsPerFrame, -128, 1), LIMIT(wordsPerFrame, 16385, 16384),
        LIMIT(minorFramesPerMajorFrame, 0, 1), LIMIT(minorFramesPerMajorFrame, kMax, 8192),
        LIMIT(fspWords, 0, 1), LIMIT(fspWords, 17, 16), LIMIT(prnPattern, -1, 0),
        LIMIT(prnPattern, 8, 7), LIMIT(prnPattern, kMin, 0),
        // the data word, to what the prompts offer in the largest frame (words 0..16383),
        // whatever this frame holds: the redisplay places it in the frame
        LIMIT(wordStart, 2, 2), LIMIT(wordStart, kMin, 0), LIMIT(wordStart, 128, 128),
        LIMIT(wordStart, kMax, 16383), LIMIT(wordStop, -1, 0), LIMIT(wordStop, 16384, 16383),
        LIMIT(wordInterval, -5, 0), LIMIT(wordInterval, kMin, 0), LIMIT(wordInterval, 126, 126),
        LIMIT(wordInterval, kMax, 16383)));

TEST(PcmStoredInputs, DataWordIsPlacedInTheFrameByTheRedisplayNotByTheRead) {
    // A frame of 3 trailing sync words in 2 words: the read keeps the data word, the
    // redisplay puts it on word 0 with interval 0, as it would after a command.
    PcmInputs full = Frame(2, 3, true, 7, 9, 4);
    LimitStoredInputs(full);
    EXPECT_EQ(full.wordStart, 7);
    EXPECT_EQ(full.wordStop, 9);
    EXPECT_EQ(full.wordInterval, 4);
    const PcmInputs shown = NormaliseDataWord(full).inputs;
    EXPECT_EQ(shown.wordStart, 0);
    EXPECT_EQ(shown.wordStop, 0);
    EXPECT_EQ(shown.wordInterval, 0);

    // A negative frame size becomes one word; the data word keeps to its own bounds.
    PcmInputs negative = Frame(-4, 0, false, 5, 5, 5);
    LimitStoredInputs(negative);
    EXPECT_EQ(negative.wordsPerFrame, 1);
    EXPECT_EQ(negative.fspWords, 1);
    EXPECT_EQ(negative.wordStart, 5);

    // With leading sync words a start beyond the frame stands, as a command can leave it
    // (a start set, then the frame made smaller), so that a restart shows the same page.
    PcmInputs beyond = Frame(64, 3, false, 100, 100, 0);
    LimitStoredInputs(beyond);
    const NormalisedDataWord normalised = NormaliseDataWord(beyond);
    EXPECT_EQ(normalised.inputs.wordStart, 100);
    EXPECT_EQ(normalised.updatesPerMinorFrame, 0);
}

TEST(PcmStoredInputs, LimitingTwiceOrAfterARedisplayChangesNothing) {
    PcmInputs in = Frame(kMax, kMin, true, kMin, kMax, kMin);
    in.bitRate = kMin;
    in.bitsPerWord = 0;
    in.minorFramesPerMajorFrame = 0;
    in.prnPattern = kMax;
    LimitStoredInputs(in);
    PcmInputs again = in;
    LimitStoredInputs(again);
    EXPECT_TRUE(SameInputs(again, in));
    PcmInputs shown = NormaliseDataWord(in).inputs;
    const PcmInputs saved = shown;
    LimitStoredInputs(shown);
    EXPECT_TRUE(SameInputs(shown, saved));
}

}  // namespace
}  // namespace quorvel
