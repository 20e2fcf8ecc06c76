#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <utility>

#include "pages/wg84/enu_dialog.h"
#include "pages/wg84/miss_dist_dialog.h"
#include "pages/wg84/rae_dialog.h"
#include "support/dialog_runner.h"

namespace quorvel {
namespace {

using testing::RecordingCues;
using testing::RunEntryDialog;
using testing::TypeIntoBox;

const std::vector<std::string> kNoCue;
const std::vector<std::string> kOneError{"error"};

template <typename Steps>
std::vector<std::string> RunEnu(EnuVector& offset, Steps steps) {
    std::string_view suffix = "From Ref Geod";
    return RunEntryDialog<TMapPromptEnuDlg>(steps, true, offset, suffix);
}

template <typename Steps>
std::vector<std::string> RunRae(RaeVector& rae, Steps steps) {
    std::string_view suffix = "From Tgt Geod";
    return RunEntryDialog<TMapPromptRaeDlg>(steps, true, rae, suffix);
}

template <typename Steps>
std::vector<std::string> RunMiss(double& dx, double& dy, Steps steps) {
    return RunEntryDialog<TMapPromptMissDistDlg>(steps, true, dx, dy);
}

std::vector<std::pair<std::string, std::string>> BoxNamesAndCaptions(const DialogModel& dialog) {
    std::vector<std::pair<std::string, std::string>> boxes;
    for (const DialogBox& box : dialog.Boxes()) {
        EXPECT_EQ(box.hint, "") << box.name;
        boxes.emplace_back(box.name, box.caption);
    }
    return boxes;
}

using Boxes = std::vector<std::pair<std::string, std::string>>;

TEST(OffsetDialogs, NameTheirBoxesInTabOrder) {
    RecordingCues cues;
    TMapPromptEnuDlg enu(cues);
    EXPECT_EQ(enu.Name(), "TMapPromptEnuDlg");
    EXPECT_EQ(
        BoxNamesAndCaptions(enu),
        (Boxes{{"EditEast", "East (Nmi)"}, {"EditNorth", "North (Nmi)"}, {"EditUp", "Up (Feet)"}}));
    TMapPromptRaeDlg rae(cues);
    EXPECT_EQ(rae.Name(), "TMapPromptRaeDlg");
    EXPECT_EQ(BoxNamesAndCaptions(rae), (Boxes{{"EditRange", "Range (Nmi)"},
                                               {"EditAz", "Azimuth (degrees)"},
                                               {"EditEl", "Elevation (degrees)"}}));
    TMapPromptMissDistDlg miss(cues);
    EXPECT_EQ(miss.Name(), "TMapPromptMissDistDlg");
    EXPECT_EQ(miss.Caption(), "Enter Dx Dy");
    EXPECT_EQ(BoxNamesAndCaptions(miss), (Boxes{{"EditDx", "Dx (Ft)"}, {"EditDy", "Dy (Ft)"}}));
}

TEST(OffsetDialogs, CaptionsEndWithTheSideSuffix) {
    EnuVector offset;
    RunEntryDialog<TMapPromptEnuDlg>(
        [](DialogModel& dialog) {
            EXPECT_EQ(dialog.Caption(), "Enter East North Up From Tgt Geod");
        },
        true, offset, "From Tgt Geod");
    RaeVector rae;
    RunEntryDialog<TMapPromptRaeDlg>(
        [](DialogModel& dialog) { EXPECT_EQ(dialog.Caption(), "Enter Range Az El From Ref Geod"); },
        true, rae, "From Ref Geod");
}

TEST(OffsetDialogs, FilterLettersInTheFirstBoxOnly) {
    RecordingCues cues;
    TMapPromptEnuDlg enu(cues);
    TMapPromptRaeDlg rae(cues);
    TMapPromptMissDistDlg miss(cues);
    EXPECT_FALSE(enu.KeyPress("EditEast", 'e'));
    EXPECT_FALSE(rae.KeyPress("EditRange", 'N'));
    EXPECT_FALSE(miss.KeyPress("EditDx", 'x'));
    EXPECT_EQ(cues.Count("error"), 3);
    EXPECT_TRUE(enu.KeyPress("EditNorth", 'e'));
    EXPECT_TRUE(enu.KeyPress("EditUp", 'e'));
    EXPECT_TRUE(rae.KeyPress("EditAz", 'e'));
    EXPECT_TRUE(miss.KeyPress("EditDy", 'e'));
    EXPECT_TRUE(miss.KeyPress("EditDx", '-'));
    EXPECT_EQ(cues.Count("error"), 3);
}

TEST(EnuDialog, ShowsNmiWithFourDecimalsAndUpInFeet) {
    EnuVector offset{1.23456789, -9.98609, -0.01452};
    RunEnu(offset, [](DialogModel& dialog) {
        EXPECT_EQ(dialog.BoxText("EditEast"), "1.2346");
        EXPECT_EQ(dialog.BoxText("EditNorth"), "-9.9861");
        EXPECT_EQ(dialog.BoxText("EditUp"), "-88.23");
    });
    EXPECT_EQ(offset.east, 1.2346);
    EXPECT_EQ(offset.north, -9.9861);
    EXPECT_EQ(offset.up, -88.23 * kDialogNmiPerFoot);
}

TEST(EnuDialog, BoundsAreStrictAndEmptyIsZero) {
    EnuVector offset{1, 2, 3};
    auto heard = RunEnu(offset, [](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditEast", "20000");
        TypeIntoBox(dialog, "EditNorth", "-19999.9999");
        TypeIntoBox(dialog, "EditUp", "-200000");
    });
    EXPECT_EQ(heard, (std::vector<std::string>{"error", "error"}));
    EXPECT_EQ(offset.east, 1);
    EXPECT_EQ(offset.north, -19999.9999);
    EXPECT_NEAR(offset.up, 3, 1e-6);  // through its two decimals of feet

    heard = RunEnu(offset, [](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditEast", "");
        TypeIntoBox(dialog, "EditNorth", "");
        TypeIntoBox(dialog, "EditUp", "");
    });
    EXPECT_EQ(heard, kNoCue);
    EXPECT_EQ(offset.east, 0);
    EXPECT_EQ(offset.north, 0);
    EXPECT_EQ(offset.up, 0);
}

TEST(EnuDialog, ReadsExponentsWhereLettersCanBeTypedAndSpacesOnlyInFront) {
    EnuVector offset{1, 2, 3};
    const auto heard = RunEnu(offset, [](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditEast", "  5.5");
        TypeIntoBox(dialog, "EditNorth", "1e3");
        TypeIntoBox(dialog, "EditUp", "100 ");
    });
    EXPECT_EQ(heard, kOneError);
    EXPECT_EQ(offset.east, 5.5);
    EXPECT_EQ(offset.north, 1000);
    EXPECT_NEAR(offset.up, 3, 1e-6);
}

class AzimuthTest : public ::testing::TestWithParam<std::pair<const char*, int>> {};

TEST_P(AzimuthTest, RoundsToWholeDegreesWithinAHalfTurn) {
    RaeVector rae{10, 0.25, 0.5};
    const auto heard = RunRae(rae, [](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditAz", GetParam().first);
        TypeIntoBox(dialog, "EditEl", GetParam().first);
    });
    EXPECT_EQ(heard, kNoCue);
    EXPECT_EQ(rae.azimuth, GetParam().second * kDialogRadiansPerDegree);
    EXPECT_EQ(rae.elevation, GetParam().second * kDialogRadiansPerDegree);
}

INSTANTIATE_TEST_SUITE_P(Cases, AzimuthTest,
                         ::testing::Values(std::pair{"370", 10}, std::pair{"-190", 170},
                                           std::pair{"179.5", 179}, std::pair{"180.5", 180},
                                           std::pair{"-179.5", 180}, std::pair{"45.50", 45},
                                           std::pair{"-45.5", -46}, std::pair{"135", 135},
                                           std::pair{"", 0}, std::pair{"1e2", 100}));

TEST(RaeDialog, ShowsTwoDecimalsAndWritesBackWholeDegrees) {
    RaeVector rae{9.98610, 45.5 * kDialogRadiansPerDegree, -0.0833 * kDialogRadiansPerDegree};
    RunRae(rae, [](DialogModel& dialog) {
        EXPECT_EQ(dialog.BoxText("EditRange"), "9.99");
        EXPECT_EQ(dialog.BoxText("EditAz"), "45.50");
        EXPECT_EQ(dialog.BoxText("EditEl"), "-0.08");
    });
    EXPECT_EQ(rae.range, 9.99);
    EXPECT_EQ(rae.azimuth, 45 * kDialogRadiansPerDegree);
    EXPECT_EQ(rae.elevation, 0);
}

TEST(RaeDialog, RangeMayBeNegativeButNotTwentyThousand) {
    RaeVector rae{10, 0, 0};
    auto heard = RunRae(rae, [](DialogModel& dialog) { TypeIntoBox(dialog, "EditRange", "-5"); });
    EXPECT_EQ(heard, kNoCue);
    EXPECT_EQ(rae.range, -5);
    heard = RunRae(rae, [](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditRange", "-20000");
        TypeIntoBox(dialog, "EditAz", "abc");
        TypeIntoBox(dialog, "EditEl", "95");
    });
    EXPECT_EQ(heard, (std::vector<std::string>{"error", "error"}));
    EXPECT_EQ(rae.range, -5);
    EXPECT_EQ(rae.azimuth, 0);
    EXPECT_EQ(rae.elevation, 95 * kDialogRadiansPerDegree);
}

TEST(MissDialog, WorksInFeetAndRoundTripsThroughThem) {
    double dx = 100 / FEET_PER_NMI;
    double dy = -0.5;
    RunMiss(dx, dy, [](DialogModel& dialog) {
        EXPECT_EQ(dialog.BoxText("EditDx"), "100.00");
        EXPECT_EQ(dialog.BoxText("EditDy"), "-3038.06");
    });
    // Untouched values come back as the feet they were shown in.
    EXPECT_EQ(dx, 100 * kDialogNmiPerFoot);
    EXPECT_EQ(dy, -3038.06 * kDialogNmiPerFoot);
}

TEST(MissDialog, HoldsEachComponentWithinAHundredNauticalMiles) {
    double dx = 0;
    double dy = 0;
    auto heard = RunMiss(dx, dy, [](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditDx", "607611.55");
        TypeIntoBox(dialog, "EditDy", "-607611.54");
    });
    EXPECT_EQ(heard, kOneError);
    EXPECT_EQ(dx, 0);
    EXPECT_EQ(dy, -607611.54 * kDialogNmiPerFoot);

    heard = RunMiss(dx, dy, [](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditDx", "607611.54");
        TypeIntoBox(dialog, "EditDy", "");
    });
    EXPECT_EQ(heard, kNoCue);
    EXPECT_EQ(dx, 607611.54 * kDialogNmiPerFoot);
    EXPECT_EQ(dy, 0);
}

TEST(OffsetDialogs, CancelLeavesTheRecordsBitForBit) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto typeEverywhere = [](DialogModel& dialog) {
        for (const DialogBox& box : dialog.Boxes()) {
            TypeIntoBox(dialog, box.name, "1");
        }
    };
    EnuVector offset{-0.0, nan, 1.0 / 3};
    const EnuVector offsetBefore = offset;
    RunEntryDialog<TMapPromptEnuDlg>(typeEverywhere, false, offset, "From Ref Geod");
    EXPECT_EQ(std::memcmp(&offset, &offsetBefore, sizeof offset), 0);

    RaeVector rae{1.0 / 3, -9.9999999999e26, nan};
    const RaeVector raeBefore = rae;
    RunEntryDialog<TMapPromptRaeDlg>(typeEverywhere, false, rae, "From Tgt Geod");
    EXPECT_EQ(std::memcmp(&rae, &raeBefore, sizeof rae), 0);

    double dx = 1.0 / 3;
    double dy = -0.0;
    RunEntryDialog<TMapPromptMissDistDlg>(typeEverywhere, false, dx, dy);
    EXPECT_EQ(dx, 1.0 / 3);
    EXPECT_TRUE(std::signbit(dy));
}

}  // namespace
}  // namespace quorvel
