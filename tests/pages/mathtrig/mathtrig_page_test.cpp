#include "pages/mathtrig/mathtrig_page.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

#include "common/safe_math.h"
#include "pages/mathtrig/angle_factors.h"
#include "pages/page_registry.h"
#include "shell/ini_store.h"
#include "support/page_model_checks.h"
#include "support/scripted_interaction.h"

namespace quorvel {
namespace {

using mathtrig::DegreesToRadians;
using testing::ScriptedInteraction;
using testing::Shown;
using testing::TypeIntoBox;

constexpr auto Loaded = testing::LoadedSection<MathTrigPageModel>;

// Enters `text` in the box as Enter does.
void Enter(MathTrigPageModel& page, const std::string& box, const std::string& text) {
    ScriptedInteraction ui;
    ASSERT_TRUE(page.EditEntered(box, text, ui));
    EXPECT_TRUE(ui.recorded.heard.empty());
}

TEST(MathTrigPage, IsTheThirdPageOfTheRegistry) {
    const auto page = MakePageModel(2);
    ASSERT_NE(dynamic_cast<MathTrigPageModel*>(page.get()), nullptr);
    EXPECT_EQ(page->SectionName(), "MathTrig");
    EXPECT_EQ(page->TabCaption(), "Math/Trig");
    EXPECT_EQ(page->PageCaption(), "Math/Trig Functions");
    EXPECT_EQ(PageAt(2).colours.referenceLabel, "LabelPower");
    ASSERT_EQ(PageAt(2).colours.mainPanels.size(), 1U);
    EXPECT_EQ(PageAt(2).colours.mainPanels[0], "PanelMain");
}

TEST(MathTrigPage, FreshPageShowsWhatItsZerosGive) {
    const MathTrigPageModel page;
    const DisplayList expected{
        {"CheckBoxTrigAngleRadians", "NO"},
        {"LabelTrigAngleRad", "0.00000 rad"},
        {"LabelTrigAngleDeg", "0.00000 deg"},
        {"EditTrigAngle", "0.00000"},
        {"LabelSinx", "0.00000"},
        {"LabelCosx", "1.00000"},
        {"LabelTanx", "0.00000"},
        {"EditTrigArc", "0.00000"},
        {"LabelArcSinx", "0.00000"},
        {"LabelArcCosx", "90.00000"},
        {"LabelArcTanx", "0.00000"},
        {"LabelDms", "000 00 00.000"},
        {"LabelDmsDeg", "0.00000"},
        {"LabelDmsRad", "0.00000"},
        {"EditExponentsX", "0.00000000"},
        {"EditExponentsExp", "0.00000000"},
        {"LabelPower", "NaN"},
        {"LabelLnx", "9.9999999999E26"},
        {"LabelLn10x", "9.9999999999E26"},
        {"LabelExpx", "1.00000000"},
    };
    EXPECT_EQ(page.Display(), expected);
    EXPECT_EQ(Loaded("").Display(), expected);
}

TEST(MathTrigPage, ThirtyDegreesAndTheSwitchToRadians) {
    MathTrigPageModel page;
    Enter(page, "EditTrigAngle", "30");
    EXPECT_EQ(page.Values().trigAngle, DegreesToRadians(30));
    EXPECT_EQ(Shown(page, "LabelSinx"), "0.50000");
    EXPECT_EQ(Shown(page, "LabelCosx"), "0.86603");
    EXPECT_EQ(Shown(page, "LabelTanx"), "0.57735");
    EXPECT_EQ(Shown(page, "LabelTrigAngleRad"), "0.52360 rad");
    EXPECT_EQ(Shown(page, "LabelTrigAngleDeg"), "30.00000 deg");
    EXPECT_EQ(Shown(page, "EditTrigAngle"), "30.00000");

    DisplayList before = page.Display();
    ScriptedInteraction ui;
    ASSERT_TRUE(page.CheckBoxClicked("CheckBoxTrigAngleRadians", true, ui));
    EXPECT_EQ(page.Values().trigAngle, DegreesToRadians(30));
    EXPECT_EQ(Shown(page, "CheckBoxTrigAngleRadians"), "YES");
    EXPECT_EQ(Shown(page, "EditTrigAngle"), "0.52360");
    // Only the check box and the edit box change.
    DisplayList after = page.Display();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i].name != "CheckBoxTrigAngleRadians" && after[i].name != "EditTrigAngle") {
            EXPECT_EQ(after[i], before[i]);
        }
    }

    // In radians the entry is taken as it stands.
    Enter(page, "EditTrigAngle", "1.5");
    EXPECT_EQ(page.Values().trigAngle, 1.5);
    EXPECT_EQ(Shown(page, "LabelTrigAngleDeg"), "85.94367 deg");
    page.CheckBoxClicked("CheckBoxTrigAngleRadians", false, ui);
    EXPECT_EQ(Shown(page, "EditTrigAngle"), "85.94367");
}

// 90 x 0.0174532925199433 in extended precision is the double 1.570796326794897, a little
// above pi/2, so the tangent is large and negative, shown in scientific form.
TEST(MathTrigPage, RightAngleIsStoredAsTheConstantGivesIt) {
    MathTrigPageModel page;
    Enter(page, "EditTrigAngle", "90");
    EXPECT_EQ(page.Values().trigAngle, 1.570796326794897);
    EXPECT_GT(page.Values().trigAngle, std::numbers::pi / 2);
    EXPECT_NEAR(SafeTan(page.Values().trigAngle), -2.61194e15, 1e10);
    EXPECT_EQ(Shown(page, "LabelTanx"), "-2.61E15");
    EXPECT_EQ(Shown(page, "LabelSinx"), "1.00000");
    EXPECT_EQ(Shown(page, "LabelCosx"), "0.00000");
    EXPECT_EQ(Shown(page, "EditTrigAngle"), "90.00000");
    EXPECT_EQ(Shown(page, "LabelTrigAngleRad"), "1.57080 rad");
}

struct AngleEntry {
    bool radians;
    const char* text;
    double stored;
};

class MathTrigAngleLimit : public ::testing::TestWithParam<AngleEntry> {};

// The angle is limited to one turn either way, in radians, whatever unit it is typed in.
TEST_P(MathTrigAngleLimit, KeepsTheAngleWithinOneTurn) {
    MathTrigPageModel page;
    ScriptedInteraction ui;
    page.CheckBoxClicked("CheckBoxTrigAngleRadians", GetParam().radians, ui);
    Enter(page, "EditTrigAngle", GetParam().text);
    EXPECT_EQ(page.Values().trigAngle, GetParam().stored);
}

constexpr double kTurn = 2 * std::numbers::pi;

INSTANTIATE_TEST_SUITE_P(
    Entries, MathTrigAngleLimit,
    ::testing::Values(AngleEntry{false, "-30", DegreesToRadians(-30)},
                      AngleEntry{false, "359", DegreesToRadians(359)},
                      // 360 x the constant lies two units above 2 pi.
                      AngleEntry{false, "360", kTurn}, AngleEntry{false, "400", kTurn},
                      AngleEntry{false, "-400", -kTurn}, AngleEntry{false, "20000", kTurn},
                      AngleEntry{true, "1.5", 1.5}, AngleEntry{true, "-3", -3},
                      AngleEntry{true, "6.2", 6.2}, AngleEntry{true, "7", kTurn},
                      AngleEntry{true, "-1e9", -kTurn}, AngleEntry{true, "inf", kTurn},
                      AngleEntry{true, "abc", 0}, AngleEntry{false, "12abc", DegreesToRadians(12)},
                      AngleEntry{true, "", 0}));

TEST(MathTrigPage, ArcFunctionsInDegrees) {
    MathTrigPageModel page;
    Enter(page, "EditTrigArc", "0.5");
    EXPECT_EQ(Shown(page, "LabelArcSinx"), "30.00000");
    EXPECT_EQ(Shown(page, "LabelArcCosx"), "60.00000");
    EXPECT_EQ(Shown(page, "LabelArcTanx"), "26.56505");
    Enter(page, "EditTrigArc", "1.5");
    EXPECT_EQ(page.Values().trigArc, 1);
    EXPECT_EQ(Shown(page, "EditTrigArc"), "1.00000");
    EXPECT_EQ(Shown(page, "LabelArcSinx"), "90.00000");
    EXPECT_EQ(Shown(page, "LabelArcCosx"), "0.00000");
    EXPECT_EQ(Shown(page, "LabelArcTanx"), "45.00000");
    Enter(page, "EditTrigArc", "-7");
    EXPECT_EQ(page.Values().trigArc, -1);
    EXPECT_EQ(Shown(page, "LabelArcCosx"), "180.0000");
}

TEST(MathTrigPage, EntriesTakeTheirLeadingNumber) {
    MathTrigPageModel page;
    Enter(page, "EditTrigArc", "12abc");
    EXPECT_EQ(page.Values().trigArc, 1);
    Enter(page, "EditTrigArc", "0.25 and more");
    EXPECT_EQ(page.Values().trigArc, 0.25);
    Enter(page, "EditTrigArc", "abc");
    EXPECT_EQ(page.Values().trigArc, 0);
    Enter(page, "EditExponentsX", "  3.5kg");
    EXPECT_EQ(page.Values().expBase, 3.5);
    Enter(page, "EditExponentsExp", "nan");
    EXPECT_EQ(page.Values().expExponent, -MathTrigPageModel::kExponentLimit);
}

TEST(MathTrigPage, PowerAndItsLimits) {
    MathTrigPageModel page;
    Enter(page, "EditExponentsX", "2");
    Enter(page, "EditExponentsExp", "10");
    EXPECT_EQ(Shown(page, "LabelPower"), "1024.0000");
    EXPECT_EQ(Shown(page, "LabelLnx"), "0.69314718");
    EXPECT_EQ(Shown(page, "LabelLn10x"), "0.30103000");
    EXPECT_EQ(Shown(page, "LabelExpx"), "7.38905610");
    EXPECT_EQ(Shown(page, "EditExponentsX"), "2.00000000");
    EXPECT_EQ(Shown(page, "EditExponentsExp"), "10.00000000");

    Enter(page, "EditExponentsX", "-5");
    EXPECT_EQ(page.Values().expBase, 0);
    EXPECT_EQ(Shown(page, "LabelPower"), "NaN");
    Enter(page, "EditExponentsX", "2000000");
    EXPECT_EQ(page.Values().expBase, 1000000);
    Enter(page, "EditExponentsExp", "100");
    EXPECT_EQ(page.Values().expExponent, 87.498233533);
    EXPECT_EQ(Shown(page, "EditExponentsExp"), "87.49823353");
    Enter(page, "EditExponentsExp", "-100");
    EXPECT_EQ(page.Values().expExponent, -87.498233533);
}

// The exponent box the user did not enter keeps the value it holds, not the rounded text it
// shows.
TEST(MathTrigPage, TheOtherExponentKeepsItsValue) {
    MathTrigPageModel page;
    Enter(page, "EditExponentsExp", "100");
    Enter(page, "EditExponentsX", "2");
    EXPECT_EQ(page.Values().expExponent, 87.498233533);
    EXPECT_EQ(page.Values().expBase, 2);
    Enter(page, "EditExponentsX", "1.123456789");
    Enter(page, "EditExponentsExp", "3");
    EXPECT_EQ(page.Values().expBase, 1.123456789);

    // A loaded value beyond its range is limited when the other box is entered.
    MathTrigPageModel loaded = Loaded("ExpXvalue=-4.000000000\r\nExpExpvalue=200.000000000\r\n");
    Enter(loaded, "EditExponentsX", "2");
    EXPECT_EQ(loaded.Values().expExponent, 87.498233533);
    Enter(loaded, "EditExponentsExp", "3");
    EXPECT_EQ(loaded.Values().expBase, 2);
}

TEST(MathTrigPage, OverflowShowsWhatTheGuardedFunctionsGive) {
    MathTrigPageModel page;
    Enter(page, "EditExponentsX", "1000");
    // e^1000 overflows to an infinity, written "INF".
    EXPECT_EQ(Shown(page, "LabelExpx"), "INF");
    EXPECT_EQ(Shown(page, "LabelLnx"), "6.90775528");
    Enter(page, "EditExponentsExp", "87");
    // 1000^87 = 1e261 still fits a double.
    EXPECT_EQ(Shown(page, "LabelPower"), "1E261");
    Enter(page, "EditExponentsX", "1000000");
    // 1e6^87 overflows: the power's failure value.
    EXPECT_EQ(Shown(page, "LabelPower"), "9.9999999999E26");
    EXPECT_EQ(Shown(page, "LabelExpx"), "INF");
    // A negative exponent underflows quietly to 0.
    Enter(page, "EditExponentsExp", "-87");
    EXPECT_EQ(Shown(page, "LabelPower"), "0.0000");
}

TEST(MathTrigPage, LoadedValuesAreNotLimited) {
    const MathTrigPageModel page = Loaded(
        "TrigAngle=300.000000000\r\nTrigAngleRads=YES\r\nTrigArc=2.000000000\r\n"
        "ExpXvalue=-4.000000000\r\nExpExpvalue=0.500000000\r\nDmsRad=4.250000000\r\n");
    EXPECT_EQ(page.Values().trigAngle, 300);
    EXPECT_TRUE(page.Values().angleInRadians);
    EXPECT_EQ(page.Values().trigArc, 2);
    EXPECT_EQ(page.Values().expBase, -4);
    EXPECT_EQ(page.Values().dmsAngle, 4.25);
    EXPECT_EQ(Shown(page, "CheckBoxTrigAngleRadians"), "YES");
    EXPECT_EQ(Shown(page, "EditTrigAngle"), "300.00000");
    // 263 radians or more are beyond the trigonometric guard.
    EXPECT_EQ(Shown(page, "LabelSinx"), "1E27");
    EXPECT_EQ(Shown(page, "LabelCosx"), "1E27");
    EXPECT_EQ(Shown(page, "LabelTanx"), "1E27");
    // The failure value of an arc outside [-1, 1], in degrees.
    EXPECT_EQ(Shown(page, "LabelArcSinx"), "5.73E28");
    EXPECT_EQ(Shown(page, "LabelArcCosx"), "5.73E28");
    EXPECT_EQ(Shown(page, "LabelArcTanx"), "63.43495");
    EXPECT_EQ(Shown(page, "LabelLnx"), "9.9999999999E26");
    EXPECT_EQ(Shown(page, "LabelPower"), "NAN");
    EXPECT_EQ(Shown(page, "LabelDms"), "243 30 25.427");
}

TEST(MathTrigPage, SettingsKeysRoundTrip) {
    const std::vector<SettingKey> expected{
        {"TrigAngle", SettingType::Real},   {"TrigAngleRads", SettingType::Bool},
        {"TrigArc", SettingType::Real},     {"ExpXvalue", SettingType::Real},
        {"ExpExpvalue", SettingType::Real}, {"DmsRad", SettingType::Real},
    };
    const MathTrigPageModel fresh;
    EXPECT_EQ(std::vector<SettingKey>(fresh.SettingKeys().begin(), fresh.SettingKeys().end()),
              expected);

    MathTrigPageModel page;
    ScriptedInteraction ui;
    page.CheckBoxClicked("CheckBoxTrigAngleRadians", true, ui);
    Enter(page, "EditTrigAngle", "0.5");
    Enter(page, "EditTrigArc", "0.25");
    Enter(page, "EditExponentsX", "2");
    Enter(page, "EditExponentsExp", "10");
    ui.Answer("1.25");
    page.RunCommandByCaption("Radians", ui);
    IniText settings;
    page.SaveSettings(settings);
    EXPECT_EQ(settings.Text(),
              "[MathTrig]\r\nTrigAngle=0.500000000\r\nTrigAngleRads=YES\r\n"
              "TrigArc=0.250000000\r\nExpXvalue=2.000000000\r\nExpExpvalue=10.000000000\r\n"
              "DmsRad=1.250000000\r\n");
    MathTrigPageModel back;
    back.LoadSettings(settings);
    EXPECT_EQ(back.Display(), page.Display());

    // Unreadable keys leave what the page held.
    const MathTrigPageModel kept = Loaded("TrigArc=half\r\nTrigAngleRads=1\r\n");
    EXPECT_EQ(kept.Values().trigArc, 0);
    EXPECT_FALSE(kept.Values().angleInRadians);
}

TEST(MathTrigPage, PopupMenu4HoldsATitleASeparatorAndThreeCommands) {
    const std::vector<PopupMenu> menus = MathTrigPageModel().Menus();
    ASSERT_EQ(menus.size(), 1U);
    EXPECT_EQ(menus[0].name, "PopupMenu4");
    EXPECT_FALSE(menus[0].actsOnPopup);
    const std::vector<std::pair<MenuItem::Kind, std::string>> expected{
        {MenuItem::Kind::Title, "DMS Angle"},
        {MenuItem::Kind::Separator, "-"},
        {MenuItem::Kind::Command, "Degrees Minutes Seconds"},
        {MenuItem::Kind::Command, "Degrees"},
        {MenuItem::Kind::Command, "Radians"},
    };
    std::vector<std::pair<MenuItem::Kind, std::string>> items;
    for (const MenuItem& item : menus[0].items) {
        items.emplace_back(item.kind, item.caption);
        EXPECT_FALSE(item.checked);
    }
    EXPECT_EQ(items, expected);

    MathTrigPageModel page;
    ScriptedInteraction ui;
    EXPECT_FALSE(page.RunCommandByCaption("DMS Angle", ui));
    EXPECT_FALSE(page.RunCommandByCaption("-", ui));
    EXPECT_FALSE(page.CheckBoxClicked("CheckBoxOther", true, ui));
    EXPECT_FALSE(page.EditEntered("EditDms", "1", ui));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(MathTrigPage, DegreesAreBoundedWithTheWarningCue) {
    MathTrigPageModel page;
    ScriptedInteraction ui;
    ui.Answer("200");
    ASSERT_TRUE(page.RunCommandByCaption("Degrees", ui));
    ASSERT_EQ(ui.boxes.size(), 1U);
    EXPECT_EQ(ui.boxes[0].title, "Input Value between -180.000 & 180.000");
    EXPECT_EQ(ui.boxes[0].prompt, "Enter Angle in Degrees");
    EXPECT_EQ(ui.boxes[0].defaultText, "0.000");
    EXPECT_EQ(ui.recorded.heard, std::vector<std::string>{"warning"});
    EXPECT_EQ(page.Values().dmsAngle, DegreesToRadians(180));
    EXPECT_EQ(Shown(page, "LabelDmsDeg"), "180.0000");
    EXPECT_EQ(Shown(page, "LabelDmsRad"), "3.14159");

    ui.Answer("-45.5");
    page.RunCommandByCaption("Degrees", ui);
    EXPECT_EQ(ui.boxes[1].defaultText, "180.000");
    EXPECT_EQ(page.Values().dmsAngle, DegreesToRadians(-45.5));
    EXPECT_EQ(Shown(page, "LabelDms"), "-045 30 00.000");
    EXPECT_EQ(Shown(page, "LabelDmsDeg"), "-45.5000");
}

// Cancel and OK on the untouched text hand back the starting degrees, which would come back
// to radians a rounding away; the stored angle stays as it was.
TEST(MathTrigPage, DegreesUntouchedKeepTheStoredAngle) {
    MathTrigPageModel page = Loaded("DmsRad=0.123456789\r\n");
    ScriptedInteraction ui;
    ui.Cancel().Answer("7.074");
    page.RunCommandByCaption("Degrees", ui);
    EXPECT_EQ(page.Values().dmsAngle, 0.123456789);
    ASSERT_EQ(ui.boxes.size(), 1U);
    EXPECT_EQ(ui.boxes[0].defaultText, "7.074");
    page.RunCommandByCaption("Degrees", ui);
    EXPECT_EQ(page.Values().dmsAngle, 0.123456789);
    EXPECT_TRUE(ui.recorded.heard.empty());
    // An angle held beyond the bounds is still moved into them.
    MathTrigPageModel beyond = Loaded("DmsRad=4.000000000\r\n");
    ui.Cancel();
    beyond.RunCommandByCaption("Degrees", ui);
    EXPECT_EQ(beyond.Values().dmsAngle, DegreesToRadians(180));
    EXPECT_EQ(ui.recorded.heard, std::vector<std::string>{"warning"});
}

TEST(MathTrigPage, RadiansAreBoundedByPiAsWritten) {
    MathTrigPageModel page;
    ScriptedInteraction ui;
    ui.Answer("4").Answer("-1.25").Answer("one");
    page.RunCommandByCaption("Radians", ui);
    EXPECT_EQ(ui.boxes.at(0).title, "Input Value between -3.142 & 3.142");
    EXPECT_EQ(ui.boxes.at(0).prompt, "Enter Angle in Radians");
    EXPECT_EQ(page.Values().dmsAngle, 3.1415926535897944);
    EXPECT_EQ(ui.recorded.Count("warning"), 1);
    page.RunCommandByCaption("Radians", ui);
    EXPECT_EQ(page.Values().dmsAngle, -1.25);
    EXPECT_EQ(Shown(page, "LabelDmsDeg"), "-71.6197");
    // An answer that does not read keeps the angle.
    page.RunCommandByCaption("Radians", ui);
    EXPECT_EQ(page.Values().dmsAngle, -1.25);
    EXPECT_TRUE(ui.ScriptUsed());
}

TEST(MathTrigPage, DegreesMinutesSecondsThroughTheDialog) {
    MathTrigPageModel page;
    ScriptedInteraction ui;
    ui.OnDialog([](DialogModel& dialog) {
        EXPECT_EQ(dialog.Name(), "TPromptDmsDlg");
        EXPECT_EQ(dialog.BoxText("EditDms"), "000 00 00.000");
        TypeIntoBox(dialog, "EditDms", "45 30 00");
        dialog.Ok();
        return true;
    });
    page.RunCommandByCaption("Degrees Minutes Seconds", ui);
    EXPECT_EQ(page.Values().dmsAngle, DegreesToRadians(45.5));
    EXPECT_EQ(Shown(page, "LabelDms"), "045 30 00.000");
    EXPECT_EQ(Shown(page, "LabelDmsDeg"), "45.50000");
    EXPECT_EQ(Shown(page, "LabelDmsRad"), "0.79412");

    ui.OnDialog([](DialogModel& dialog) {
        TypeIntoBox(dialog, "EditDms", "45");
        dialog.Ok();
        return true;
    });
    page.RunCommandByCaption("Degrees Minutes Seconds", ui);
    EXPECT_EQ(ui.recorded.heard, std::vector<std::string>{"error"});
    EXPECT_EQ(page.Values().dmsAngle, DegreesToRadians(45.5));
}

TEST(MathTrigPage, AnEntryChangedSinceThePageWroteIt) {
    MathTrigPageModel page;
    Enter(page, "EditTrigAngle", "33.333333");
    EXPECT_EQ(Shown(page, "EditTrigAngle"), "33.33333");
    EXPECT_FALSE(page.EntryChanged("EditTrigAngle", "33.33333"));
    EXPECT_TRUE(page.EntryChanged("EditTrigAngle", "33.3333"));
    EXPECT_FALSE(page.EntryChanged("EditExponentsX", "0.00000000"));
    EXPECT_TRUE(page.EntryChanged("EditExponentsX", ""));
    EXPECT_TRUE(page.EntryChanged("EditOther", "0.00000"));
}

}  // namespace
}  // namespace quorvel
