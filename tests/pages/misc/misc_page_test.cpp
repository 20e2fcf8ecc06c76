#include "pages/misc/misc_page.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "pages/page_registry.h"
#include "shell/ini_store.h"
#include "shell/settings_file.h"
#include "support/page_model_checks.h"
#include "support/scripted_interaction.h"

namespace quorvel {
namespace {

using testing::Captions;
using testing::ScriptedInteraction;
using testing::Shown;

constexpr auto Loaded = testing::Loaded<MiscCalcPageModel>;

// The text the page stores under the key.
std::string StoredText(const MiscCalcPageModel& page, std::string_view key) {
    IniText settings;
    page.SaveSettings(settings);
    return settings.ReadString("MiscCalc", key).value_or("<missing>");
}

// Runs the command with one answer: a text, or Cancel for none.
void Answer(MiscCalcPageModel& page, std::string_view caption, const char* answer,
            ScriptedInteraction& ui) {
    if (answer != nullptr) {
        ui.Answer(answer);
    } else {
        ui.Cancel();
    }
    ASSERT_TRUE(page.RunCommandByCaption(caption, ui)) << caption;
}

// A test name from a command's caption: its letters and digits, then the case's number.
template <class Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name;
    for (const char c : std::string_view(info.param.caption)) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            name += c;
        }
    }
    return name + "_" + std::to_string(info.index);
}

TEST(MiscPage, IsTheSixthPageOfTheRegistry) {
    const auto page = MakePageModel(5);
    ASSERT_NE(dynamic_cast<MiscCalcPageModel*>(page.get()), nullptr);
    EXPECT_EQ(page->SectionName(), "MiscCalc");
    EXPECT_EQ(page->TabCaption(), "Misc");
    EXPECT_EQ(page->PageCaption(), "Misc Functions");
}

TEST(MiscPage, FreshPageShowsZeroEverywhereInTheOrderItWrites) {
    const MiscCalcPageModel page;
    std::vector<std::string> names;
    for (const DisplayItem& item : page.Display()) {
        names.push_back(item.name);
        // The Z acceleration of 0 G is a negative zero, shown without its sign.
        EXPECT_EQ(item.text, "0.000") << item.name;
    }
    const std::vector<std::string> expected{
        "LabelVectorX",    "LabelVectorY", "LabelVectorZ", "LabelVectorLength", "LabelNmi",
        "LabelSmi",        "LabelFt",      "LabelMeters",  "LabelKMeters",      "LabelKts",
        "LabelStatuteMph", "LabelFps",     "LabelGs",      "LabelAccelZ"};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(Loaded("").Display(), page.Display());
}

TEST(MiscPage, MenusAreATitleAndASeparatorOverTheirCommands) {
    const std::vector<PopupMenu> menus = MiscCalcPageModel().Menus();
    struct Expected {
        const char* name;
        std::vector<std::string> captions;
    };
    const std::vector<Expected> expected{
        {"PopupMenu1", {"Vector Length", "-", "X Magnitude", "Y Magnitude", "Z Magnitude"}},
        {"PopupMenu2", {"Distance", "-", "Nautical Miles", "Statute Miles", "Feet"}},
        {"PopupMenu3", {"Speed", "-", "Knots", "Feet Per Second"}},
        {"PopupMenu4", {"G Force", "-", "G's", "Z Acceleration"}},
    };
    ASSERT_EQ(menus.size(), expected.size());
    for (std::size_t m = 0; m < menus.size(); ++m) {
        EXPECT_EQ(menus[m].name, expected[m].name);
        EXPECT_FALSE(menus[m].actsOnPopup);
        EXPECT_EQ(Captions(menus[m]), expected[m].captions);
        ASSERT_GE(menus[m].items.size(), 3U);
        EXPECT_EQ(menus[m].items[0].kind, MenuItem::Kind::Title);
        EXPECT_EQ(menus[m].items[1].kind, MenuItem::Kind::Separator);
        for (std::size_t i = 2; i < menus[m].items.size(); ++i) {
            EXPECT_TRUE(menus[m].items[i].IsCommand());
        }
    }
    // A title runs nothing.
    MiscCalcPageModel page;
    ScriptedInteraction ui;
    EXPECT_FALSE(page.RunMenuCommand({"PopupMenu2", "Distance"}, ui));
    EXPECT_FALSE(page.RunCommandByCaption("Meters", ui));
    EXPECT_TRUE(ui.boxes.empty());
}

// What each command's prompt shows on a fresh page.
struct PromptCase {
    const char* caption;
    const char* prompt;
    const char* title;
    const char* startText;
};

class MiscPrompt : public ::testing::TestWithParam<PromptCase> {};

TEST_P(MiscPrompt, ShowsItsTextBoundsAndStartingValue) {
    const PromptCase& c = GetParam();
    MiscCalcPageModel page;
    ScriptedInteraction ui;
    Answer(page, c.caption, nullptr, ui);
    ASSERT_EQ(ui.boxes.size(), 1U);
    EXPECT_EQ(ui.boxes[0].prompt, c.prompt);
    EXPECT_EQ(ui.boxes[0].title, c.title);
    EXPECT_EQ(ui.boxes[0].defaultText, c.startText);
    EXPECT_TRUE(ui.recorded.heard.empty());
}

INSTANTIATE_TEST_SUITE_P(
    MiscPage, MiscPrompt,
    ::testing::Values(PromptCase{"X Magnitude", "Enter X Direction Magnitude",
                                 "Input Value between -4294967295.00 & 4294967295.00", "0.00"},
                      PromptCase{"Y Magnitude", "Enter Y Direction Magnitude",
                                 "Input Value between -4294967295.00 & 4294967295.00", "0.00"},
                      PromptCase{"Z Magnitude", "Enter Z Direction Magnitude",
                                 "Input Value between -4294967295.00 & 4294967295.00", "0.00"},
                      PromptCase{"Nautical Miles", "Enter Distance in Nautical Miles",
                                 "Input Value between 0.000 & 4294967295.000", "0.000"},
                      PromptCase{"Statute Miles", "Enter Distance in Statute Miles",
                                 "Input Value between 0.000 & 4294967295.000", "0.000"},
                      PromptCase{"Feet", "Enter Distance in Feet",
                                 "Input Value between 0.000 & 4294967295.000", "0.000"},
                      PromptCase{"Knots", "Enter Speed in Knots",
                                 "Input Value between 0.000 & 4294967295.000", "0.000"},
                      PromptCase{"Feet Per Second", "Enter Speed in Feet Per Second",
                                 "Input Value between 0.000 & 4294967295.000", "0.000"},
                      PromptCase{"G's", "Enter G Force in G's",
                                 "Input Value between -100.000 & 100.000", "0.000"},
                      PromptCase{"Z Acceleration", "Enter Z Acceleration in F/S squared",
                                 "Input Value between -10000.000 & 10000.000", "0.000"}),
    CaseName<PromptCase>);

TEST(MiscPage, VectorLengthOfItsThreeComponents) {
    MiscCalcPageModel page;
    ScriptedInteraction ui;
    Answer(page, "X Magnitude", "3", ui);
    Answer(page, "Y Magnitude", "4", ui);
    Answer(page, "Z Magnitude", "-12", ui);
    EXPECT_EQ(Shown(page, "LabelVectorX"), "3.000");
    EXPECT_EQ(Shown(page, "LabelVectorY"), "4.000");
    EXPECT_EQ(Shown(page, "LabelVectorZ"), "-12.000");
    EXPECT_EQ(Shown(page, "LabelVectorLength"), "13.000");
    // The starting text shows the component with the prompt's two decimals.
    Answer(page, "Z Magnitude", nullptr, ui);
    EXPECT_EQ(ui.boxes.back().defaultText, "-12.00");
    EXPECT_EQ(page.Values().vectorZ, -12);
}

TEST(MiscPage, VectorComponentsAreHeldToTheirBounds) {
    MiscCalcPageModel page;
    ScriptedInteraction ui;
    Answer(page, "X Magnitude", "5000000000", ui);
    Answer(page, "Y Magnitude", "-5000000000", ui);
    EXPECT_EQ(ui.recorded.Count("warning"), 2);
    EXPECT_EQ(page.Values().vectorX, 4294967295.0);
    EXPECT_EQ(page.Values().vectorY, -4294967295.0);
    EXPECT_EQ(Shown(page, "LabelVectorX"), "4.295E9");
    EXPECT_EQ(Shown(page, "LabelVectorY"), "-4.295E9");
    EXPECT_EQ(Shown(page, "LabelVectorLength"), "6.074E9");
}

TEST(MiscPage, OneNauticalMileInEveryDistanceUnit) {
    MiscCalcPageModel page;
    ScriptedInteraction ui;
    Answer(page, "Nautical Miles", "1", ui);
    EXPECT_EQ(Shown(page, "LabelNmi"), "1.000");
    EXPECT_EQ(Shown(page, "LabelSmi"), "1.151");
    EXPECT_EQ(Shown(page, "LabelFt"), "6076.115");
    EXPECT_EQ(Shown(page, "LabelMeters"), "1852.023");
    EXPECT_EQ(Shown(page, "LabelKMeters"), "1.852");
}

TEST(MiscPage, StatuteMilesAndFeetAreConvertedToNauticalMiles) {
    MiscCalcPageModel page;
    ScriptedInteraction ui;
    Answer(page, "Statute Miles", "1", ui);
    EXPECT_EQ(page.Values().distanceNmi, 0.8689762414092916);
    EXPECT_EQ(Shown(page, "LabelSmi"), "1.000");
    EXPECT_EQ(Shown(page, "LabelNmi"), "0.869");
    // The next prompt starts from the statute miles of the feet.
    Answer(page, "Statute Miles", nullptr, ui);
    EXPECT_EQ(ui.boxes.back().defaultText, "1.000");

    Answer(page, "Feet", "6076.115489", ui);
    EXPECT_EQ(page.Values().distanceNmi, 1.0);
    EXPECT_EQ(Shown(page, "LabelFt"), "6076.115");
    EXPECT_EQ(StoredText(page, "Nmi"), "1.000000000");
}

TEST(MiscPage, SpeedInKnotsAndFeetPerSecond) {
    MiscCalcPageModel page;
    ScriptedInteraction ui;
    Answer(page, "Knots", "100", ui);
    EXPECT_EQ(Shown(page, "LabelKts"), "100.000");
    EXPECT_EQ(Shown(page, "LabelStatuteMph"), "115.078");
    EXPECT_EQ(Shown(page, "LabelFps"), "168.781");
    Answer(page, "Feet Per Second", "168.781", ui);
    EXPECT_EQ(ui.boxes.back().defaultText, "168.781");
    EXPECT_EQ(Shown(page, "LabelKts"), "100.000");
    EXPECT_NEAR(page.Values().speedKts, 100, 1e-5);
}

TEST(MiscPage, PositiveGReadsAsNegativeZAcceleration) {
    MiscCalcPageModel page;
    ScriptedInteraction ui;
    Answer(page, "G's", "1", ui);
    EXPECT_EQ(Shown(page, "LabelGs"), "1.000");
    EXPECT_EQ(Shown(page, "LabelAccelZ"), "-32.173");
    Answer(page, "Z Acceleration", "32.17349", ui);
    EXPECT_EQ(ui.boxes.back().defaultText, "-32.173");
    EXPECT_EQ(page.Values().accelerationG, -1.0);
    EXPECT_EQ(Shown(page, "LabelGs"), "-1.000");
    EXPECT_EQ(Shown(page, "LabelAccelZ"), "32.173");
}

// Entries outside the bounds: (command, answer, the value kept, its label, the text shown).
struct ClampCase {
    const char* caption;
    const char* answer;
    double MiscValues::*kept;
    double value;
    const char* label;
    const char* text;
};

class MiscClamp : public ::testing::TestWithParam<ClampCase> {};

TEST_P(MiscClamp, MovesTheEntryToTheNearerBoundWithTheWarning) {
    const ClampCase& c = GetParam();
    MiscCalcPageModel page;
    ScriptedInteraction ui;
    Answer(page, c.caption, c.answer, ui);
    EXPECT_EQ(ui.recorded.heard, std::vector<std::string>{"warning"});
    EXPECT_EQ(page.Values().*c.kept, c.value);
    EXPECT_EQ(Shown(page, c.label), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    MiscPage, MiscClamp,
    ::testing::Values(
        ClampCase{"Nautical Miles", "-5", &MiscValues::distanceNmi, 0, "LabelNmi", "0.000"},
        ClampCase{"G's", "150", &MiscValues::accelerationG, 100, "LabelGs", "100.000"},
        ClampCase{"G's", "-150", &MiscValues::accelerationG, -100, "LabelAccelZ", "3217.349"},
        ClampCase{"Knots", "5e9", &MiscValues::speedKts, 4294967295.0, "LabelKts", "4.295E9"},
        ClampCase{"Feet", "-1", &MiscValues::distanceNmi, 0, "LabelFt", "0.000"},
        // 10000 ft/s^2 is the most the entry takes: -310.815 G.
        ClampCase{"Z Acceleration", "20000", &MiscValues::accelerationG, -310.81489760669422,
                  "LabelGs", "-310.815"}),
    CaseName<ClampCase>);

TEST(MiscPage, UnreadableAnswerKeepsTheValueSilently) {
    MiscCalcPageModel page;
    ScriptedInteraction ui;
    Answer(page, "Feet", "6076.115489", ui);
    const DisplayList before = page.Display();
    for (const char* caption : {"X Magnitude", "Nautical Miles", "Statute Miles", "Feet", "Knots",
                                "Feet Per Second", "G's", "Z Acceleration"}) {
        Answer(page, caption, "1,5", ui);
    }
    EXPECT_EQ(page.Display(), before);
    EXPECT_EQ(page.Values().distanceNmi, 1.0);
    EXPECT_TRUE(ui.recorded.heard.empty());
}

// Cancel, and OK on the untouched text, of a command that takes another unit than the one
// kept: the entry handed back is the starting value, which converted back would move the kept
// value by a rounding (0.0075 nmi became 0.0075000000000000006 and showed 0.008).
struct UnchangedCase {
    const char* setter;
    const char* value;
    const char* caption;
    double MiscValues::*kept;
    const char* label;
    const char* text;
};

class MiscUntouchedEntry : public ::testing::TestWithParam<UnchangedCase> {};

TEST_P(MiscUntouchedEntry, KeepsTheValueHeld) {
    const UnchangedCase& c = GetParam();
    MiscCalcPageModel page;
    ScriptedInteraction ui;
    Answer(page, c.setter, c.value, ui);
    const double held = page.Values().*c.kept;
    EXPECT_EQ(Shown(page, c.label), c.text);
    // Cancel.
    Answer(page, c.caption, nullptr, ui);
    EXPECT_EQ(page.Values().*c.kept, held);
    EXPECT_EQ(Shown(page, c.label), c.text);
    // OK on the untouched text.
    Answer(page, c.caption, ui.boxes.back().defaultText.c_str(), ui);
    EXPECT_EQ(page.Values().*c.kept, held);
    EXPECT_EQ(Shown(page, c.label), c.text);
    EXPECT_TRUE(ui.recorded.heard.empty());
}

INSTANTIATE_TEST_SUITE_P(
    MiscPage, MiscUntouchedEntry,
    ::testing::Values(UnchangedCase{"Nautical Miles", "0.0095", "Statute Miles",
                                    &MiscValues::distanceNmi, "LabelNmi", "0.009"},
                      UnchangedCase{"Nautical Miles", "0.0075", "Feet", &MiscValues::distanceNmi,
                                    "LabelNmi", "0.007"},
                      UnchangedCase{"Knots", "0.0045", "Feet Per Second", &MiscValues::speedKts,
                                    "LabelKts", "0.004"},
                      UnchangedCase{"G's", "0.0055", "Z Acceleration", &MiscValues::accelerationG,
                                    "LabelGs", "0.005"}),
    CaseName<UnchangedCase>);

TEST(MiscPage, UntouchedEntryOutsideTheBoundsIsStillMovedIntoThem) {
    // 400 G read from the file start the Z acceleration at -12869.396 ft/s^2, beyond its
    // bounds, so even Cancel brings it to -10000 ft/s^2 with the cue.
    MiscCalcPageModel page = Loaded("[MiscCalc]\r\nGs=400\r\nNmi=-2\r\n");
    ScriptedInteraction ui;
    Answer(page, "Z Acceleration", nullptr, ui);
    EXPECT_EQ(ui.recorded.Count("warning"), 1);
    EXPECT_EQ(Shown(page, "LabelAccelZ"), "-10000.0");
    EXPECT_EQ(Shown(page, "LabelGs"), "310.815");
    // A negative distance gives a negative start, raised to 0.
    Answer(page, "Feet", nullptr, ui);
    EXPECT_EQ(ui.recorded.Count("warning"), 2);
    EXPECT_EQ(page.Values().distanceNmi, 0);
}

TEST(MiscPage, CanonicalCommandsOnCancelKeepTheFullValue) {
    MiscCalcPageModel page = Loaded("[MiscCalc]\r\nNmi=1.23456789\r\nKts=2.5\r\n");
    ScriptedInteraction ui;
    Answer(page, "Nautical Miles", nullptr, ui);
    Answer(page, "Knots", "2.500", ui);
    EXPECT_EQ(page.Values().distanceNmi, 1.23456789);
    EXPECT_EQ(page.Values().speedKts, 2.5);
    EXPECT_EQ(ui.boxes[0].defaultText, "1.235");
}

TEST(MiscPage, TheSameNumberShowsOtherStatuteMilesAsADistanceThanAsASpeed) {
    // The statute miles per nautical mile are a double for the distance and an extended
    // constant for the speed; here the two products fall either side of a rounding.
    const MiscCalcPageModel page =
        Loaded("[MiscCalc]\r\nNmi=0.86941072952999632\r\nKts=0.86941072952999632\r\n");
    EXPECT_EQ(Shown(page, "LabelSmi"), "1.001");
    EXPECT_EQ(Shown(page, "LabelStatuteMph"), "1.000");
}

TEST(MiscPage, FeetEntryIsStoredWithTheExtendedFootFactor) {
    MiscCalcPageModel page;
    ScriptedInteraction ui;
    Answer(page, "Feet", "4294967285", ui);
    EXPECT_EQ(StoredText(page, "Nmi"), "706860.706116510");
}

TEST(MiscPage, SettingsKeepTheSixInputsAndLoadingDerivesNothing) {
    MiscCalcPageModel page;
    ScriptedInteraction ui;
    Answer(page, "Nautical Miles", "2.5", ui);
    Answer(page, "X Magnitude", "1.25", ui);
    Answer(page, "Y Magnitude", "-2", ui);
    Answer(page, "Z Magnitude", "3.5", ui);
    Answer(page, "Knots", "400", ui);
    Answer(page, "G's", "-9.5", ui);
    IniText settings;
    page.SaveSettings(settings);
    EXPECT_EQ(settings.Text(),
              "[MiscCalc]\r\nNmi=2.500000000\r\nVectorXyzAry x=1.250000000\r\n"
              "VectorXyzAry y=-2.000000000\r\nVectorXyzAry z=3.500000000\r\n"
              "Kts=400.000000000\r\nGs=-9.500000000\r\n");
    const MiscCalcPageModel again = Loaded(settings.Text());
    EXPECT_EQ(again.Display(), page.Display());
    EXPECT_EQ(Shown(again, "LabelVectorLength"), "4.220");

    const std::vector<SettingKey> keys(page.SettingKeys().begin(), page.SettingKeys().end());
    const std::vector<SettingKey> expected{{"Nmi", SettingType::Real},
                                           {"VectorXyzAry x", SettingType::Real},
                                           {"VectorXyzAry y", SettingType::Real},
                                           {"VectorXyzAry z", SettingType::Real},
                                           {"Kts", SettingType::Real},
                                           {"Gs", SettingType::Real}};
    EXPECT_EQ(keys, expected);
}

TEST(MiscPage, MissingOrUnreadableKeysKeepTheValueHeld) {
    const MiscCalcPageModel page = Loaded(
        "[MiscCalc]\r\nNmi=two\r\nVectorXyzAry x=7\r\nVectorXyzAry  y=8\r\nKts=1,5\r\n"
        "[Other]\r\nGs=3\r\n");
    EXPECT_EQ(page.Values().distanceNmi, 0);
    EXPECT_EQ(page.Values().vectorX, 7);
    EXPECT_EQ(page.Values().vectorY, 0);
    EXPECT_EQ(page.Values().speedKts, 0);
    EXPECT_EQ(page.Values().accelerationG, 0);
    // Values beyond what the prompts allow are taken as they stand.
    const MiscCalcPageModel wide = Loaded("[MiscCalc]\r\nGs=1000\r\nNmi=-3\r\n");
    EXPECT_EQ(Shown(wide, "LabelGs"), "1000.000");
    EXPECT_EQ(Shown(wide, "LabelAccelZ"), "-32173.4");
    EXPECT_EQ(Shown(wide, "LabelNmi"), "-3.000");
}

}  // namespace
}  // namespace quorvel
