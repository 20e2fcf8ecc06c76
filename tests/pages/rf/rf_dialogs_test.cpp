#include <gtest/gtest.h>

#include <string>

#include "pages/rf/res_freq_dialog.h"
#include "pages/rf/rf_formulas.h"
#include "pages/rf/vswr_dialog.h"
#include "support/dialog_checks.h"
#include "support/dialog_runner.h"

namespace quorvel::testing {
namespace {

struct VswrGroup {
    double vswr = 0;
    double returnLoss = 0;
    double refCoef = 0;
    double mismatchLoss = 0;
};

// The group of a page on which VSWR 2 was entered.
VswrGroup MatchedToTwo() {
    return {2, VswrToReturnLoss(2), VswrToRefCoef(2), VswrToMismatchLoss(2)};
}

// Runs the VSWR dialog on `group` with `steps`, then OK (or Cancel); returns the cues heard.
template <typename Steps>
std::vector<std::string> RunVswr(VswrGroup& group, Steps steps, bool ok = true) {
    return RunEntryDialog<TVswrPromptDlg>(steps, ok, group.vswr, group.returnLoss, group.refCoef,
                                          group.mismatchLoss);
}

TEST(VswrDialog, RefusesLettersAtTheKey) {
    RecordingCues cues;
    TVswrPromptDlg dialog(cues);
    EXPECT_FALSE(dialog.KeyPress("EditVswr", 'e'));
    EXPECT_TRUE(dialog.KeyPress("EditVswr", '-'));
    EXPECT_EQ(cues.Count("error"), 1);
}

TEST(VswrDialog, NamesItsBoxesAndPromisesToSolve) {
    RecordingCues cues;
    ExpectDialogShape(TVswrPromptDlg(cues), "TVswrPromptDlg", "Enter 1 to solve others for VSWR",
                      {{"EditVswr", "VSWR"},
                       {"EditRetLoss", "Return Loss"},
                       {"EditRefCoef", "Reflector Coef"},
                       {"EditMismatchLoss", "Mismatch Loss"}});
}

TEST(VswrDialog, ShowsTheCallersValues) {
    VswrGroup group = MatchedToTwo();
    RunVswr(group, [](DialogModel& dialog) {
        EXPECT_EQ(dialog.BoxText("EditVswr"), "2.00");
        EXPECT_EQ(dialog.BoxText("EditRetLoss"), "9.54");
        EXPECT_EQ(dialog.BoxText("EditRefCoef"), "0.33");
        EXPECT_EQ(dialog.BoxText("EditMismatchLoss"), "0.51");
    });
}

TEST(VswrDialog, OutOfRangeVswrIsRefusedAndKept) {
    VswrGroup group = MatchedToTwo();
    const auto heard = RunVswr(group, [](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditVswr", "12");
        EXPECT_EQ(dialog.BoxText("EditVswr"), "2.00");
    });
    EXPECT_EQ(heard, std::vector<std::string>{"error"});
    EXPECT_EQ(group.vswr, 2);
}

TEST(VswrDialog, ReflectionCoefficientOfZeroIsRefusedAndAHalfSolves) {
    VswrGroup group = MatchedToTwo();
    const auto heard = RunVswr(group, [](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditRefCoef", "0");
        EXPECT_EQ(dialog.BoxText("EditRefCoef"), "0.33");
        EXPECT_EQ(dialog.BoxText("EditVswr"), "2.00");
        TypeIntoBox(dialog, "EditRefCoef", "0.5");
    });
    EXPECT_EQ(heard, std::vector<std::string>{"error"});
    EXPECT_EQ(group.refCoef, 0.5);
    EXPECT_NEAR(group.vswr, 3, 1e-12);
    EXPECT_NEAR(group.returnLoss, 6.0206, 1e-4);
    EXPECT_NEAR(group.mismatchLoss, 1.2494, 1e-4);
}

TEST(VswrDialog, ReturnLossSolvesTheOthers) {
    VswrGroup group;
    const auto heard = RunVswr(group, [](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditRetLoss", "9.5424250943932");
        EXPECT_EQ(dialog.BoxText("EditVswr"), "2.00");
        EXPECT_EQ(dialog.BoxText("EditRefCoef"), "0.33");
        EXPECT_EQ(dialog.BoxText("EditMismatchLoss"), "0.51");
    });
    EXPECT_EQ(heard.size(), 1U);  // the reflection coefficient 0 of a fresh group
    EXPECT_NEAR(group.vswr, 2, 1e-12);
    EXPECT_NEAR(group.refCoef, 1.0 / 3.0, 1e-12);
}

TEST(VswrDialog, MismatchLossSolvesTheOthers) {
    VswrGroup group = MatchedToTwo();
    RunVswr(group, [](DialogModel& dialog) { TypeIntoBox(dialog, "EditMismatchLoss", "1.25"); });
    EXPECT_EQ(group.mismatchLoss, 1.25);
    EXPECT_NEAR(group.refCoef, 0.5001, 1e-4);
    EXPECT_NEAR(VswrToMismatchLoss(group.vswr), 1.25, 1e-12);
    EXPECT_NEAR(VswrToReturnLoss(group.vswr), group.returnLoss, 1e-12);

    // No mismatch loss is a perfect match, whose return loss is the failed logarithm.
    RunVswr(group, [](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditMismatchLoss", "0");
        EXPECT_EQ(dialog.BoxText("EditVswr"), "1.00");
        EXPECT_EQ(dialog.BoxText("EditRetLoss"), "-2E28");
    });
}

TEST(VswrDialog, ARefusedEntrySolvesNothing) {
    VswrGroup group = MatchedToTwo();
    const VswrGroup before = group;
    const auto heard = RunVswr(group, [](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditRetLoss", "45");
        TypeIntoBox(dialog, "EditMismatchLoss", "-1");
    });
    EXPECT_EQ(heard.size(), 2U);
    EXPECT_EQ(group.vswr, before.vswr);
    EXPECT_EQ(group.returnLoss, before.returnLoss);
    EXPECT_EQ(group.refCoef, before.refCoef);
    EXPECT_EQ(group.mismatchLoss, before.mismatchLoss);
}

TEST(VswrDialog, TabbingThroughTheBoxesKeepsTheFullValues) {
    VswrGroup group = MatchedToTwo();
    const VswrGroup before = group;
    RunVswr(group, [](DialogModel& dialog) {
        for (const DialogBox& box : dialog.Boxes()) {
            dialog.BoxExit(box.name);
        }
    });
    EXPECT_NEAR(group.vswr, before.vswr, 1e-12);
    EXPECT_NEAR(group.returnLoss, before.returnLoss, 1e-12);
    EXPECT_NEAR(group.refCoef, before.refCoef, 1e-12);
    EXPECT_NEAR(group.mismatchLoss, before.mismatchLoss, 1e-12);
}

TEST(VswrDialog, TypedTextTakesEffectOnlyWhenTheBoxIsLeft) {
    VswrGroup group = MatchedToTwo();
    RunVswr(group, [](DialogModel& dialog) {
        dialog.SetBoxText("EditVswr", "3");
        EXPECT_EQ(dialog.BoxText("EditRefCoef"), "0.33");
    });
    EXPECT_EQ(group.vswr, 2);
}

TEST(VswrDialog, CancelLeavesTheCallerAlone) {
    VswrGroup group = MatchedToTwo();
    RunVswr(
        group,
        [](DialogModel& dialog) {
            TypeIntoBox(dialog, "EditVswr", "3");
            dialog.Cancel();
        },
        false);
    EXPECT_EQ(group.vswr, 2);
    EXPECT_EQ(group.refCoef, VswrToRefCoef(2));
}

struct Resonance {
    double frequency = 0;
    double inductance = 0;
    double capacitance = 0;
};

template <typename Steps>
std::vector<std::string> RunResonance(Resonance& r, Steps steps) {
    return RunEntryDialog<TResFreqPromptDlg>(steps, true, r.frequency, r.inductance, r.capacitance);
}

TEST(ResonanceDialog, NamesItsBoxesAndPromisesToSolve) {
    RecordingCues cues;
    TResFreqPromptDlg dialog(cues);
    ExpectDialogShape(
        dialog, "TResFreqPromptDlg", "Enter 1 to solve others for Resonant Freq",
        {{"EditFo", "Resonant Freq (GHz)"}, {"EditL", "L  (nH)"}, {"EditC", "C  (pF)"}});
    EXPECT_FALSE(dialog.KeyPress("EditC", 'e'));
}

TEST(ResonanceDialog, ZerosAreInRangeAndSoundNothing) {
    Resonance r;
    const auto heard = RunResonance(r, [](DialogModel& dialog) {
        for (const DialogBox& box : dialog.Boxes()) {
            EXPECT_EQ(dialog.BoxText(box.name), "0.00000");
            dialog.BoxExit(box.name);
        }
    });
    EXPECT_TRUE(heard.empty());
    EXPECT_EQ(r.frequency, 0);
}

TEST(ResonanceDialog, FrequencyWinsAndCapacitanceIsHeld) {
    Resonance r{0, 10, 1};
    RunResonance(r, [](DialogModel& dialog) {
        dialog.BoxExit("EditC");
        EXPECT_EQ(dialog.BoxText("EditFo"), "1.59155");
        TypeIntoBox(dialog, "EditFo", "1");
        EXPECT_EQ(dialog.BoxText("EditL"), "25.33030");
        EXPECT_EQ(dialog.BoxText("EditC"), "1.00000");
    });
    EXPECT_EQ(r.frequency, 1);
    EXPECT_NEAR(r.inductance, 25.3302959, 1e-6);
    EXPECT_NEAR(r.capacitance, 1, 1e-12);
}

TEST(ResonanceDialog, InductanceSolvesFrequencyThenCapacitance) {
    Resonance r{0, 10, 1};
    RunResonance(r, [](DialogModel& dialog) { TypeIntoBox(dialog, "EditL", "40"); });
    EXPECT_NEAR(r.frequency, 1.59155 / 2, 1e-5);
    EXPECT_NEAR(r.capacitance, 1, 1e-12);
}

TEST(ResonanceDialog, NoCapacitanceMeansNoInductance) {
    Resonance r{0, 10, 0};
    RunResonance(r, [](DialogModel& dialog) { TypeIntoBox(dialog, "EditFo", "2"); });
    EXPECT_EQ(r.frequency, 2);
    EXPECT_EQ(r.inductance, 0);
    EXPECT_EQ(r.capacitance, 0);
}

TEST(ResonanceDialog, OutOfRangeEntriesAreRefused) {
    Resonance r{0, 10, 1};
    const auto heard = RunResonance(r, [](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditL", "20000");
        TypeIntoBox(dialog, "EditC", "-1");
        TypeIntoBox(dialog, "EditFo", "1.2.3");
    });
    EXPECT_EQ(heard.size(), 3U);
    EXPECT_NEAR(r.inductance, 10, 1e-12);
    EXPECT_NEAR(r.capacitance, 1, 1e-12);
}

}  // namespace
}  // namespace quorvel::testing
