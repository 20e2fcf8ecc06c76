#include "common/prompts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "support/scripted_interaction.h"

namespace quorvel {
namespace {

using testing::ScriptedInteraction;

// The RF ratio prompt: "Enter the Ratio", 2 decimals, bounds [0.1, 10000].
bool PromptRatio(ScriptedInteraction& ui, double& ratio) {
    return PromptRealValue(ui, "Enter the Ratio", ratio, 2, 10000.0, 0.1);
}

TEST(PromptRealValue, ShowsRangeInTitleAndValueAsDefaultText) {
    ScriptedInteraction ui;
    ui.Cancel();
    double ratio = 2.0;
    EXPECT_TRUE(PromptRatio(ui, ratio));

    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, "Input Value between 0.10 & 10000.00");
    EXPECT_EQ(ui.boxes[0].prompt, "Enter the Ratio");
    EXPECT_EQ(ui.boxes[0].defaultText, "2.00");
    EXPECT_TRUE(ui.recorded.heard.empty());
}

TEST(PromptRealValue, StoresTypedValueInsideBounds) {
    ScriptedInteraction ui;
    ui.Answer("123.5");
    double ratio = 2.0;
    EXPECT_TRUE(PromptRatio(ui, ratio));
    EXPECT_EQ(ratio, 123.5);
    EXPECT_TRUE(ui.recorded.heard.empty());
}

TEST(PromptRealValue, ClampsTypedValueAboveHighBoundWithWarning) {
    ScriptedInteraction ui;
    ui.Answer("20000");
    double ratio = 2.0;
    EXPECT_TRUE(PromptRatio(ui, ratio));
    EXPECT_EQ(ratio, 10000.0);
    EXPECT_EQ(ui.recorded.heard, std::vector<std::string>{"warning"});
}

TEST(PromptRealValue, UnreadableTextKeepsValueSilently) {
    ScriptedInteraction ui;
    ui.Answer("abc");
    double ratio = 2.5;
    EXPECT_FALSE(PromptRatio(ui, ratio));
    EXPECT_EQ(ratio, 2.5);
    EXPECT_TRUE(ui.recorded.heard.empty());
}

TEST(PromptRealValue, EmptyAnswerReadsAsZeroAndIsClamped) {
    ScriptedInteraction ui;
    ui.Answer("");
    double ratio = 2.0;
    EXPECT_TRUE(PromptRatio(ui, ratio));
    EXPECT_EQ(ratio, 0.1);
    EXPECT_EQ(ui.recorded.Count("warning"), 1);
}

TEST(PromptRealValue, UntouchedTextKeepsTheFullValue) {
    // "1.23" is shown, but the value is not read back from it.
    for (bool cancel : {false, true}) {
        ScriptedInteraction ui;
        if (cancel) {
            ui.Cancel();
        } else {
            ui.Answer("1.23");
        }
        double ratio = 1.23456;
        EXPECT_TRUE(PromptRatio(ui, ratio));
        EXPECT_EQ(ratio, 1.23456) << (cancel ? "cancelled" : "OK");
        EXPECT_TRUE(ui.recorded.heard.empty());
    }
}

TEST(PromptRealValue, CancelStillClampsAStoredValueOutsideBounds) {
    ScriptedInteraction ui;
    ui.Cancel();
    double watts = 0.0;
    EXPECT_TRUE(PromptRealValue(ui, "Enter the Watts", watts, 2, 100.0, 0.00001));
    EXPECT_EQ(watts, 0.00001);
    EXPECT_EQ(ui.recorded.Count("warning"), 1);
}

TEST(PromptRealValue, NotANumberNeverReachesTheCaller) {
    for (const char* answer : {"nan", "NAN", "inf", "-inf"}) {
        ScriptedInteraction ui;
        ui.Answer(answer);
        double ratio = 2.0;
        PromptRatio(ui, ratio);
        EXPECT_FALSE(std::isnan(ratio)) << answer;
        EXPECT_TRUE(ValueInRange(ratio, 0.1, 10000.0)) << answer << " gave " << ratio;
    }
}

struct BoundsCase {
    const char* answer;
    double expected;
    int warnings;
};

class PromptRealBounds : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(PromptRealBounds, BoundsInEitherOrderBehaveAlike) {
    const BoundsCase& c = GetParam();
    for (bool swapped : {false, true}) {
        ScriptedInteraction ui;
        ui.Answer(c.answer);
        double value = 7.0;
        const double high = swapped ? -200.0 : 1000000.0;
        const double low = swapped ? 1000000.0 : -200.0;
        EXPECT_TRUE(PromptRealValue(ui, "Enter the Altitude (feet)", value, 2, high, low));
        EXPECT_EQ(value, c.expected) << c.answer << (swapped ? " swapped" : "");
        EXPECT_EQ(ui.recorded.Count("warning"), c.warnings);
    }
}

INSTANTIATE_TEST_SUITE_P(Altitude, PromptRealBounds,
                         ::testing::Values(BoundsCase{"-500", -200.0, 1},
                                           BoundsCase{"-200", -200.0, 0},
                                           BoundsCase{"10000", 10000.0, 0},
                                           BoundsCase{"1000000", 1000000.0, 0},
                                           BoundsCase{"2e6", 1000000.0, 1}));

TEST(PromptRealValue, TitleShowsLowBoundFirstWhateverTheArgumentOrder) {
    ScriptedInteraction ui;
    ui.Cancel().Cancel();
    double value = 5.0;
    PromptRealValue(ui, "p", value, 1, 10.0, 1.0);
    PromptRealValue(ui, "p", value, 1, 1.0, 10.0);
    EXPECT_EQ(ui.boxes[0].title, "Input Value between 1.0 & 10.0");
    EXPECT_EQ(ui.boxes[1].title, "Input Value between 10.0 & 1.0");
}

struct IntTextCase {
    std::int32_t value;
    int radix;
    const char* text;
};

class PromptIntDefaultText : public ::testing::TestWithParam<IntTextCase> {};

TEST_P(PromptIntDefaultText, ShowsValueInRadixWithoutPrefixOrLeadingZeros) {
    const IntTextCase& c = GetParam();
    ScriptedInteraction ui;
    ui.Cancel();
    std::int32_t value = c.value;
    EXPECT_TRUE(PromptIntValue(ui, "Enter", value, 1 << 30, -(1 << 30), c.radix));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].defaultText, c.text);
    EXPECT_EQ(value, c.value);
}

INSTANTIATE_TEST_SUITE_P(Radixes, PromptIntDefaultText,
                         ::testing::Values(IntTextCase{255, 2, "11111111"},
                                           IntTextCase{255, 16, "FF"}, IntTextCase{255, 8, "377"},
                                           IntTextCase{255, 10, "255"}, IntTextCase{0, 2, "0"},
                                           IntTextCase{0, 16, "0"}, IntTextCase{0, 8, "0"},
                                           IntTextCase{0, 10, "0"}, IntTextCase{4096, 16, "1000"},
                                           IntTextCase{-5, 10, "-5"}));

// The bit-rate prompt of the RF page: radix 10, bounds [10, 20000000].
bool PromptBitRate(ScriptedInteraction& ui, std::int32_t& bitRate) {
    return PromptIntValue(ui, "Enter the Bit Rate (bps)", bitRate, 20000000, 10, 10);
}

TEST(PromptIntValue, TitleShowsIntegerBounds) {
    ScriptedInteraction ui;
    ui.Answer("1000000");
    std::int32_t bitRate = 0;
    EXPECT_TRUE(PromptBitRate(ui, bitRate));
    EXPECT_EQ(bitRate, 1000000);
    EXPECT_EQ(ui.boxes[0].title, "Input Value between 10 & 20000000");
    EXPECT_EQ(ui.boxes[0].prompt, "Enter the Bit Rate (bps)");
}

TEST(PromptIntValue, ClampsBelowLowBoundWithWarning) {
    ScriptedInteraction ui;
    ui.Answer("5");
    std::int32_t bitRate = 1000;
    EXPECT_TRUE(PromptBitRate(ui, bitRate));
    EXPECT_EQ(bitRate, 10);
    EXPECT_EQ(ui.recorded.heard, std::vector<std::string>{"warning"});
}

TEST(PromptIntValue, HexPrefixAtFirstPositionReadsInRadix16) {
    ScriptedInteraction ui;
    ui.Answer("0x1F");
    std::int32_t bitRate = 1000;
    EXPECT_TRUE(PromptBitRate(ui, bitRate));
    EXPECT_EQ(bitRate, 31);
}

TEST(PromptIntValue, HexPrefixAfterASpaceOrInUpperCaseIsNotAPrefix) {
    for (const char* answer : {" 0x1F", "0X1F"}) {
        ScriptedInteraction ui;
        ui.Answer(answer);
        std::int32_t bitRate = 1000;
        EXPECT_FALSE(PromptBitRate(ui, bitRate)) << answer;
        EXPECT_EQ(bitRate, 1000) << answer;
        EXPECT_TRUE(ui.recorded.heard.empty());
    }
}

TEST(PromptIntValue, ReadsAnswerInTheGivenRadix) {
    ScriptedInteraction ui;
    ui.Answer("1F").Answer("101").Answer("17");
    std::int32_t value = 0;
    EXPECT_TRUE(PromptIntValue(ui, "hex", value, 1000, 0, 16));
    EXPECT_EQ(value, 31);
    EXPECT_TRUE(PromptIntValue(ui, "binary", value, 1000, 0, 2));
    EXPECT_EQ(value, 5);
    EXPECT_TRUE(PromptIntValue(ui, "octal", value, 1000, 0, 8));
    EXPECT_EQ(value, 15);
}

TEST(PromptIntValue, CancelClampsStoredValueInEitherBoundOrder) {
    for (bool swapped : {false, true}) {
        ScriptedInteraction ui;
        ui.Cancel();
        std::int32_t bitRate = 0;
        const std::int32_t high = swapped ? 10 : 20000000;
        const std::int32_t low = swapped ? 20000000 : 10;
        EXPECT_TRUE(PromptIntValue(ui, "Enter the Bit Rate (bps)", bitRate, high, low, 10));
        EXPECT_EQ(bitRate, 10);
        EXPECT_EQ(ui.recorded.Count("warning"), 1);
    }
}

TEST(PromptIntValue, UnreadableTextKeepsValue) {
    ScriptedInteraction ui;
    ui.Answer("12a");
    std::int32_t bitRate = 1000;
    EXPECT_FALSE(PromptBitRate(ui, bitRate));
    EXPECT_EQ(bitRate, 1000);
}

struct RangeCase {
    double x;
    double a;
    double b;
    bool inRange;
    double clamped;
};

class RangeHelpers : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeHelpers, AgreeForBoundsInEitherOrder) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(ValueInRange(c.x, c.a, c.b), c.inRange);
    EXPECT_EQ(ValueInRange(c.x, c.b, c.a), c.inRange);
    EXPECT_EQ(ClampToRange(c.a, c.b, c.x), c.clamped);
    EXPECT_EQ(ClampToRange(c.b, c.a, c.x), c.clamped);
}

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Table, RangeHelpers,
    ::testing::Values(RangeCase{5, 1, 10, true, 5}, RangeCase{1, 1, 10, true, 1},
                      RangeCase{10, 1, 10, true, 10}, RangeCase{0.5, 1, 10, false, 1},
                      RangeCase{11, 1, 10, false, 10}, RangeCase{-kInf, 1, 10, false, 1},
                      RangeCase{kInf, 1, 10, false, 10}, RangeCase{kNan, 1, 10, false, 1},
                      RangeCase{3, 3, 3, true, 3}, RangeCase{4, 3, 3, false, 3}));

TEST(DialogKeyAllowed, RefusesAsciiLettersWithErrorCue) {
    testing::RecordingCues cues;
    for (char key : std::string("eExXaAzZ")) {
        EXPECT_FALSE(DialogKeyAllowed(key, cues)) << key;
    }
    EXPECT_EQ(cues.Count("error"), 8);
}

TEST(DialogKeyAllowed, PassesDigitsSignsPointsSpaceAndControlKeys) {
    testing::RecordingCues cues;
    for (char key : std::string("0123456789-+. \b\r\t\x1b@[`{")) {
        EXPECT_TRUE(DialogKeyAllowed(key, cues)) << static_cast<int>(key);
    }
    EXPECT_TRUE(DialogKeyAllowed(static_cast<char>(0xE9), cues));  // a non-ASCII letter
    EXPECT_TRUE(cues.heard.empty());
}

}  // namespace
}  // namespace quorvel
