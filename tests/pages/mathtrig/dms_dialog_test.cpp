#include "pages/mathtrig/dms_dialog.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

#include "pages/mathtrig/angle_factors.h"
#include "support/dialog_checks.h"
#include "support/scripted_interaction.h"

namespace quorvel {
namespace {

using mathtrig::DegreesToRadians;
using testing::ExpectDialogShape;
using testing::RecordingCues;
using testing::ScriptedInteraction;
using testing::TypeIntoBox;

struct DmsRun {
    bool result = false;
    double radians = 0;
    std::string shownAtOpening;
    std::vector<std::string> heard;
};

// Runs the dialog on `radians`: types `text` into EditDms unless it is null, then closes with
// OK or Cancel.
DmsRun RunDms(double radians, const char* text, bool ok = true) {
    DmsRun run;
    run.radians = radians;
    ScriptedInteraction ui;
    ui.OnDialog([&](DialogModel& dialog) {
        run.shownAtOpening = dialog.BoxText("EditDms");
        if (text != nullptr) {
            TypeIntoBox(dialog, "EditDms", text);
        }
        if (ok) {
            dialog.Ok();
        } else {
            dialog.Cancel();
        }
        return ok;
    });
    TPromptDmsDlg dialog(ui.cues());
    run.result = dialog.Run(ui, run.radians);
    EXPECT_TRUE(ui.ScriptUsed());
    run.heard = ui.recorded.heard;
    return run;
}

TEST(DmsDialog, NamesItsBoxAndGivesItsHint) {
    RecordingCues cues;
    ExpectDialogShape(TPromptDmsDlg(cues), "TPromptDmsDlg", "Enter Degrees Minutes Seconds",
                      {{"EditDms", "Deg Min Sec.xxx",
                        "There must be a space between the degrees minutes and seconds"}});
}

TEST(DmsDialog, RefusesLettersWithTheErrorCueAndPassesEverythingElse) {
    RecordingCues cues;
    TPromptDmsDlg dialog(cues);
    for (char key : std::string("azAZeEx")) {
        EXPECT_FALSE(dialog.KeyPress("EditDms", key)) << key;
    }
    EXPECT_EQ(cues.Count("error"), 7);
    for (char key : std::string("09 -.+,\b")) {
        EXPECT_TRUE(dialog.KeyPress("EditDms", key)) << key;
    }
    EXPECT_EQ(cues.heard.size(), 7U);
}

TEST(DmsDialog, ZeroOpensAsZeroAndComesBackAsZero) {
    const DmsRun run = RunDms(0, nullptr);
    EXPECT_EQ(run.shownAtOpening, "000 00 00.000");
    EXPECT_TRUE(run.result);
    EXPECT_EQ(run.radians, 0);
    EXPECT_TRUE(run.heard.empty());
}

struct TypedAngle {
    const char* text;
    double degrees;
};

class DmsDialogTyped : public ::testing::TestWithParam<TypedAngle> {};

// The typed degrees come back through the page's extended-precision factor.
TEST_P(DmsDialogTyped, ComesBackInRadians) {
    const DmsRun run = RunDms(0.25, GetParam().text);
    EXPECT_TRUE(run.result);
    EXPECT_EQ(run.radians, DegreesToRadians(GetParam().degrees));
    EXPECT_TRUE(run.heard.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, DmsDialogTyped,
                         ::testing::Values(TypedAngle{"45 30 00", 45.5},
                                           TypedAngle{"-45 30 00", -45.5},
                                           // The parser limits the degrees to 179.
                                           TypedAngle{"200 0 0", 179}, TypedAngle{"-200 0 0", -179},
                                           TypedAngle{"  12 30 45.5", 12 + 30.0 / 60 + 45.5 / 3600},
                                           TypedAngle{"10 75 0", 10 + 59.0 / 60}));

TEST(DmsDialog, FortyFiveDegreesAreTheExtendedProduct) {
    const DmsRun run = RunDms(0, "45 30 00");
    // 45.5 x 0.0174532925199433 in extended precision, rounded once.
    EXPECT_EQ(run.radians, static_cast<double>(45.5L * 0.0174532925199433L));
}

TEST(DmsDialog, RefusedTextSoundsTheErrorAndKeepsTheAngleButStillReturnsTrue) {
    for (const char* text : {"45", "45 30", "", "x y z", "45 30 abc"}) {
        const DmsRun run = RunDms(0.75, text);
        EXPECT_TRUE(run.result) << text;
        EXPECT_EQ(run.radians, 0.75) << text;
        ASSERT_FALSE(run.heard.empty()) << text;
        EXPECT_EQ(run.heard.back(), "error") << text;
    }
}

TEST(DmsDialog, LettersTypedAreDroppedFromTheText) {
    const DmsRun run = RunDms(0, "45x 30 00");
    EXPECT_EQ(run.heard, std::vector<std::string>{"error"});
    EXPECT_EQ(run.radians, DegreesToRadians(45.5));
}

TEST(DmsDialog, CancelLeavesTheCallersAngleUntouched) {
    const DmsRun typed = RunDms(0.75, "45 30 00", false);
    EXPECT_FALSE(typed.result);
    EXPECT_EQ(typed.radians, 0.75);
    const DmsRun refused = RunDms(0.75, "45", false);
    EXPECT_FALSE(refused.result);
    EXPECT_TRUE(refused.heard.empty());
    EXPECT_EQ(refused.radians, 0.75);
}

// OK on the text as it opened does not read the rounded seconds back, nor pass the angle
// through the parser's limit of 179 degrees.
TEST(DmsDialog, OkOnTheUntouchedTextKeepsTheAngle) {
    for (double radians : {1.0, std::numbers::pi, -std::numbers::pi, 4.25, -0.001}) {
        const DmsRun run = RunDms(radians, nullptr);
        EXPECT_TRUE(run.result);
        EXPECT_EQ(run.radians, radians);
        EXPECT_TRUE(run.heard.empty());
    }
    EXPECT_EQ(RunDms(std::numbers::pi, nullptr).shownAtOpening, "180 00 00.000");
    EXPECT_EQ(RunDms(-0.5 * std::numbers::pi / 180, nullptr).shownAtOpening, "-000 30 00.000");
    // Typed again, the same text is the same angle.
    EXPECT_EQ(RunDms(std::numbers::pi, "180 00 00.000").radians, std::numbers::pi);
    // Edited, it is read.
    EXPECT_EQ(RunDms(std::numbers::pi, "180 00 00.00").radians, DegreesToRadians(179));
}

}  // namespace
}  // namespace quorvel
