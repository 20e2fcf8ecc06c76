#include "pages/wg84/llm_dialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "common/geodesy/earth.h"
#include "common/number_text.h"
#include "support/dialog_checks.h"
#include "support/dialog_runner.h"

namespace quorvel {
namespace {

using testing::ExpectDialogShape;
using testing::RecordingCues;
using testing::RunEntryDialog;
using testing::TypeIntoBox;

constexpr LlmPosition kDefaultPosition{0.6228644253256228, -2.053899198162236, 0.37577627655142326};
const std::vector<std::string> kNoCue;
const std::vector<std::string> kOneError{"error"};

// Runs the dialog on `position` with `steps`, then OK; returns the cues heard.
template <typename Steps>
std::vector<std::string> RunLlm(LlmPosition& position, Steps steps) {
    return RunEntryDialog<TMapPromptLlmDlg>(steps, true, position);
}

TEST(LlmDialog, NamesItsBoxesAndHintsAtTheSpaces) {
    RecordingCues cues;
    ExpectDialogShape(TMapPromptLlmDlg(cues), "TMapPromptLlmDlg", "Enter Lat Long Msl",
                      {{"EditLat", "Latitude (deg min sec.xxx)",
                        "There must be a space between the degrees minutes and seconds"},
                       {"EditLong", "Longitude (deg min sec.xxx)"},
                       {"EditMsl", "Msl (feet)"}});
}

TEST(LlmDialog, FiltersLettersInTheLatitudeBoxOnly) {
    RecordingCues cues;
    TMapPromptLlmDlg dialog(cues);
    EXPECT_FALSE(dialog.KeyPress("EditLat", 'N'));
    EXPECT_FALSE(dialog.KeyPress("EditLat", 'e'));
    EXPECT_TRUE(dialog.KeyPress("EditLat", '-'));
    EXPECT_TRUE(dialog.KeyPress("EditLat", ' '));
    EXPECT_TRUE(dialog.KeyPress("EditLong", 'W'));
    EXPECT_TRUE(dialog.KeyPress("EditMsl", 'e'));
    EXPECT_EQ(cues.Count("error"), 2);
}

TEST(LlmDialog, ShowsThePositionInDegreesMinutesSecondsAndFeet) {
    LlmPosition position = kDefaultPosition;
    RunLlm(position, [](DialogModel& dialog) {
        EXPECT_EQ(dialog.BoxText("EditLat"), "035 41 15.010");
        EXPECT_EQ(dialog.BoxText("EditLong"), "-117 40 47.120");
        EXPECT_EQ(dialog.BoxText("EditMsl"), "2283.26");
    });
}

TEST(LlmDialog, OkWritesBackWhatWasShown) {
    LlmPosition position{0.5, -1.5, 1.0};
    RunLlm(position, [](DialogModel&) {});
    // Three decimals of seconds and two of feet.
    EXPECT_NEAR(position.latitude, 0.5, 0.0005 / 3600 * kDialogRadiansPerDegree);
    EXPECT_NE(position.latitude, 0.5);
    EXPECT_NEAR(position.longitude, -1.5, 0.0005 / 3600 * kDialogRadiansPerDegree);
    EXPECT_EQ(position.altitude, 6076.12 * kDialogNmiPerFoot);
}

TEST(LlmDialog, ReadsTheTypedPosition) {
    LlmPosition position = kDefaultPosition;
    const auto heard = RunLlm(position, [](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditLat", "35 51 15.010");
        TypeIntoBox(dialog, "EditLong", "-0 30 0");
        TypeIntoBox(dialog, "EditMsl", "1e3");
    });
    EXPECT_EQ(heard, kNoCue);
    EXPECT_EQ(position.latitude, (35 + 51 / 60.0 + 15.010 / 3600) * kDialogRadiansPerDegree);
    EXPECT_EQ(position.longitude, -0.5 * kDialogRadiansPerDegree);
    EXPECT_EQ(position.altitude, 1000 * kDialogNmiPerFoot);
}

TEST(LlmDialog, AltitudeBoundsAreStrict) {
    for (const char* refused : {"200000", "-300", "200000.01", "abc", "12 ", "nan"}) {
        LlmPosition position = kDefaultPosition;
        const auto heard =
            RunLlm(position, [&](DialogModel& dialog) { TypeIntoBox(dialog, "EditMsl", refused); });
        EXPECT_EQ(heard, kOneError) << refused;
        EXPECT_EQ(position.altitude, kDefaultPosition.altitude) << refused;
    }
    for (const double feet : {199999.99, -299.99, -250.0}) {
        LlmPosition position = kDefaultPosition;
        const auto heard = RunLlm(position, [&](DialogModel& dialog) {
            TypeIntoBox(dialog, "EditMsl", FormatNumber(16, 2, feet));
        });
        EXPECT_EQ(heard, kNoCue) << feet;
        // Not limited here: -250 ft stays below the library's -200 ft.
        EXPECT_EQ(position.altitude, feet * kDialogNmiPerFoot) << feet;
    }
}

TEST(LlmDialog, EmptyAltitudeIsZeroButAnEmptyAngleIsRefused) {
    LlmPosition position = kDefaultPosition;
    const auto heard = RunLlm(position, [](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditMsl", "");
        TypeIntoBox(dialog, "EditLong", "");
        TypeIntoBox(dialog, "EditLat", "  ");
    });
    EXPECT_EQ(heard, (std::vector<std::string>{"error", "error"}));
    EXPECT_EQ(position.altitude, 0);
    EXPECT_NEAR(position.longitude, kDefaultPosition.longitude, 1e-8);
    EXPECT_NEAR(position.latitude, kDefaultPosition.latitude, 1e-8);
}

TEST(LlmDialog, EachRefusedBoxSoundsOnceAndTheOthersAreStored) {
    LlmPosition position = kDefaultPosition;
    const auto heard = RunLlm(position, [](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditLat", "35");    // no minutes
        TypeIntoBox(dialog, "EditLong", "W 1");  // not a number of degrees
        TypeIntoBox(dialog, "EditMsl", "100");
    });
    EXPECT_EQ(heard, (std::vector<std::string>{"error", "error"}));
    EXPECT_EQ(position.altitude, 100 * kDialogNmiPerFoot);
}

TEST(LlmDialog, DegreesAreHeldToTheDialogsLimits) {
    LlmPosition position = kDefaultPosition;
    RunLlm(position, [](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditLat", "-85 0 0");
        TypeIntoBox(dialog, "EditLong", "200 0 0");
    });
    EXPECT_EQ(position.latitude, -70 * kDialogRadiansPerDegree);
    EXPECT_EQ(position.longitude, 179 * kDialogRadiansPerDegree);
}

// The longitude limit shows as half a turn; OK on the untouched dialog keeps it there instead
// of holding it to 179 degrees. Typed, exactly 180 degrees reads as 180 too; anything else
// beyond 179 is still held to 179.
TEST(LlmDialog, HalfATurnOfLongitudeReadsBackAsItself) {
    for (const double limit : {LONGITUDE_LIMIT, -LONGITUDE_LIMIT}) {
        LlmPosition position{0.5, limit, 1.0};
        std::string shown;
        RunLlm(position, [&shown](DialogModel& dialog) { shown = dialog.BoxText("EditLong"); });
        EXPECT_EQ(shown, limit > 0 ? "180 00 00.000" : "-180 00 00.000");
        EXPECT_EQ(position.longitude, limit);
    }
    const auto typed = [](const char* text) {
        LlmPosition position = kDefaultPosition;
        RunLlm(position, [text](DialogModel& dialog) { TypeIntoBox(dialog, "EditLong", text); });
        return position.longitude;
    };
    EXPECT_EQ(typed(" -180 0 0"), -180 * kDialogRadiansPerDegree);
    EXPECT_EQ(typed("-180 00 00.001"), -(179 + 0.001 / 3600) * kDialogRadiansPerDegree);
    EXPECT_EQ(typed("180 30 0"), 179.5 * kDialogRadiansPerDegree);
    EXPECT_EQ(typed("181 0 0"), 179 * kDialogRadiansPerDegree);
    EXPECT_EQ(typed("179 0 0"), 179 * kDialogRadiansPerDegree);
}

TEST(LlmDialog, CancelLeavesTheRecordBitForBit) {
    LlmPosition position{-0.0, std::numeric_limits<double>::quiet_NaN(), 1e300};
    LlmPosition before = position;
    RunEntryDialog<TMapPromptLlmDlg>(
        [](DialogModel& dialog) {
            TypeIntoBox(dialog, "EditLat", "10 0 0");
            TypeIntoBox(dialog, "EditMsl", "5");
        },
        false, position);
    EXPECT_EQ(std::memcmp(&position, &before, sizeof position), 0);
}

TEST(LlmDialog, ClosingTheWindowIsACancel) {
    testing::ScriptedInteraction ui;
    ui.OnDialog([](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditMsl", "5");
        return false;  // neither OK nor Cancel: the close box
    });
    TMapPromptLlmDlg dialog(ui.cues());
    LlmPosition position = kDefaultPosition;
    EXPECT_FALSE(dialog.Run(ui, position));
    EXPECT_TRUE(dialog.Cancelled());
    EXPECT_EQ(position.altitude, kDefaultPosition.altitude);
}

}  // namespace
}  // namespace quorvel
